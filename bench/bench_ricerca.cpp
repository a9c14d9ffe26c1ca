// Time from a typed letter to the refreshed grid, on a register of 20,000 rows.
// Run by hand: QT_QPA_PLATFORM=offscreen bench_ricerca
#include "ambiente_test.h"
#include "misure.h"
#include "platform/db/connessione.h"
#include "platform/ui/griglia.h"
#include "registers/lookup/marche.h"
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {
constexpr int righe = 20000;
constexpr int ripetizioni = 25;

void riempi()
{
    QRandomGenerator caso(1996);
    const auto parola = [&](int lunghezza) {
        QString p;
        for (int i = 0; i < lunghezza; ++i)
            p += QChar(u'A' + int(caso.bounded(26)));
        return p;
    };
    Transazione t(connessione);
    for (int i = 0; i < righe; ++i)
        connessione.esegui(u"INSERT INTO marche (sigla_marca, marca) VALUES ('%1', '%2')"_s.arg(parola(4),
                                                                                              parola(12)));
    t.conferma();
}

} // namespace

int main(int argc, char** argv)
{
    preparaAmbienteTest();
    QApplication app(argc, argv);
    DatabaseTest db;
    riempi();
    auto& l = istanza<frmMarche>();
    l.forma()->show();
    auto* box = l.forma()->findChild<QLineEdit*>(u"txtNome"_s);
    auto* reset = l.forma()->findChild<QPushButton*>(u"cmdReset"_s);
    auto* g = l.forma()->findChild<Griglia*>(u"griglia"_s);
    const QString sqlLettera = u"SELECT * FROM marche where eliminato=0 and marca like 'M%' ESCAPE '\\' order by marca"_s;
    const QString sqlTutte = u"SELECT * FROM marche where eliminato=0 order by marca"_s;

    QList<double> lettera, tutte, istruzione, modello, istruzioneTutte, modelloTutte;
    int trovate = 0;
    for (int i = 0; i < ripetizioni; ++i) {
        QElapsedTimer t;
        t.start();
        QTest::mouseClick(reset, Qt::LeftButton);
        g->viewport()->repaint();
        tutte << ms(t);

        t.restart();
        QTest::keyClick(box, Qt::Key_M, Qt::NoModifier);
        g->viewport()->repaint();
        lettera << ms(t);
        trovate = g->model()->rowCount();

        for (auto [sql, stmt, mod] : {std::tuple{sqlLettera, &istruzione, &modello},
                                      std::tuple{sqlTutte, &istruzioneTutte, &modelloTutte}}) {
            t.restart();
            Recordset rs = connessione.apriStatico(sql);
            *stmt << ms(t);
            t.restart();
            g->imposta(rs, l.descrizione().colonne);
            *mod << ms(t);
        }
    }
    std::printf("rows %d, letter M matches %d; median of %d runs, ms\n", righe, trovate, ripetizioni);
    std::printf("typed letter -> refreshed grid: %.1f (statement + snapshot %.1f, model %.2f)\n", mediana(lettera),
                mediana(istruzione), mediana(modello));
    std::printf("reset, all rows -> refreshed grid: %.1f (statement + snapshot %.1f, model %.2f)\n", mediana(tutte),
                mediana(istruzioneTutte), mediana(modelloTutte));
    return 0;
}
