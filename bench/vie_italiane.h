#pragma once
#include "lettura_sqlite.h"
#include "misure.h"
#include "platform/db/ordine_italiano.h"
#include <QStringList>
#include <algorithm>

// The two ways through the SQLite C API to the rows of a statement in Italian order by a text
// column: the column's index walked (its rows come in the index's NOCASE order, which is the
// Italian one but for texts of other signs than capitals, digits, blanks and hyphens) or SQLite
// sorting them with COLLATE ITALIANO. Each is timed with every row stepped and every column read;
// the limit of a read in that order is the faster of the two.
class VieItaliane {
public:
    VieItaliane(QString perIndice, QString ordinata) : perIndice(std::move(perIndice)), ordinata(std::move(ordinata)) {}

    // One run of each.
    void misura(LetturaSqlite& l)
    {
        QElapsedTimer t;
        t.start();
        l.leggi(perIndice);
        indice << ms(t);
        t.restart();
        l.leggi(ordinata);
        ordinate << ms(t);
    }

    bool indiceInTesta() const { return mediana(indice) <= mediana(ordinate); }
    const QList<double>& piuVeloce() const { return indiceInTesta() ? indice : ordinate; }
    const QString& istruzionePiuVeloce() const { return indiceInTesta() ? perIndice : ordinata; }

    void stampa() const
    {
        const auto riga = [](const char* nome, const QList<double>& v) {
            const auto [a, b] = std::minmax_element(v.begin(), v.end());
            std::printf("    %-36s %8.1f (%7.1f-%7.1f)\n", nome, mediana(v), *a, *b);
        };
        riga(indiceInTesta() ? "the index walked (the limit)" : "the index walked", indice);
        riga(indiceInTesta() ? "SQLite sorting" : "SQLite sorting (the limit)", ordinate);
    }

    // Whether both ways give these rows in this order, told by a column's texts: the index
    // walk's rows with a text (column `testo`) of other signs put in their Italian place.
    bool stesseRighe(LetturaSqlite& l, const QStringList& nostre, int chiave, int testo) const
    {
        using Righe = std::vector<std::vector<std::string>>;
        const auto chiavi = [chiave](const Righe& righe) {
            QStringList k;
            for (const auto& r : righe)
                k << QString::fromStdString(r[std::size_t(chiave)]);
            return k;
        };
        const auto italiano = [testo](const std::vector<std::string>& a, const std::vector<std::string>& b) {
            const std::string &x = a[std::size_t(testo)], &y = b[std::size_t(testo)];
            return ordineItaliano::confronta(x.data(), qsizetype(x.size()), y.data(), qsizetype(y.size())) < 0;
        };
        Righe perIndiceLette = l.testi(perIndice);
        const auto altri = std::stable_partition(perIndiceLette.begin(), perIndiceLette.end(), [testo](const auto& r) {
            return std::all_of(r[std::size_t(testo)].begin(), r[std::size_t(testo)].end(), [](char c) {
                return (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == ' ' || c == '-';
            });
        });
        std::stable_sort(altri, perIndiceLette.end(), italiano);
        Righe rimesse;
        std::merge(perIndiceLette.begin(), altri, altri, perIndiceLette.end(), std::back_inserter(rimesse), italiano);
        return chiavi(rimesse) == nostre && chiavi(l.testi(ordinata)) == nostre;
    }

private:
    QString perIndice, ordinata;
    QList<double> indice, ordinate;
};
