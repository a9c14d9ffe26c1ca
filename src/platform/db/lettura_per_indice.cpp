#include "platform/db/lettura_per_indice.h"
#include "platform/db/errore_sqlite.h"
#include "platform/db/righe_sqlite.h"
#include <QSqlError>
#include <algorithm>
#include <sqlite3.h>

LetturaPerIndice::LetturaPerIndice(Istruzioni istruzioni, DatiRecordset& dati, QVector<TipoColonna> tipi)
    : s(std::move(istruzioni)), dati(dati), tipi(std::move(tipi)), riordino(indice, 0)
{
    indice.nomi = QStringList{QString()};
    // An empty table holds no lock: the other statements may have read another archive.
    if (!sqlite3_stmt_busy(istruzioneAperta(s.righe))) {
        fase = Fase::finita;
        return;
    }
    sqlite3_stmt* st = istruzioneAperta(s.coda);
    bool prima = true;
    while (passo(s.coda, st, prima)) {
        aggiungiVoce(st);
        riordino.coda(indice.righeLette() - 1);
    }
}

void LetturaPerIndice::aggiungiVoce(sqlite3_stmt* st)
{
    indice.nuovaRiga();
    scriviCella(st, 1, TipoColonna::altro, indice, 0);
    chiaviVoci.push_back(sqlite3_column_int64(st, 0));
}

bool LetturaPerIndice::leggi(int righe)
{
    switch (fase) {
    case Fase::prime:
        if (mostrate == indice.numeroRighe())
            leggiVoci(righe);
        cercaMostrate();
        if (vociFinite && mostrate == indice.numeroRighe()) {
            fase = Fase::finita;
        } else if (mostrate >= righeCercate) {
            fase = Fase::righe;
            primaDellaTabella = dati.righeLette();
        }
        break;
    case Fase::righe:
        leggiRighe(righe);
        break;
    case Fase::voci:
        if (!vociFinite)
            leggiVoci(righe);
        mostraMappate();
        if (vociFinite)
            fase = Fase::finita;
        break;
    case Fase::finita:
        break;
    }
    return fase != Fase::finita;
}

void LetturaPerIndice::leggiVoci(int righe)
{
    sqlite3_stmt* st = istruzioneAperta(s.voci);
    for (int i = 0; i < righe && !vociFinite; ++i) {
        if (!passo(s.voci, st, primaVoce)) {
            vociFinite = true;
            break;
        }
        aggiungiVoce(st);
        if (!riordino.aggiungi(indice.righeLette() - 1)) {
            // The keys from here on were read first, with the tail.
            indice.togliUltimaRiga();
            chiaviVoci.pop_back();
            vociFinite = true;
        }
    }
    riordino.mostra(indice, vociFinite);
}

void LetturaPerIndice::cercaMostrate()
{
    for (const qsizetype fine = std::min(indice.numeroRighe(), int(righeCercate)); mostrate < fine; ++mostrate) {
        sqlite3_stmt* st = istruzioneAperta(s.riga);
        s.riga.bindValue(s.posizioneChiave, chiaviVoci[std::size_t(indice.rigaLetta(int(mostrate)))]);
        if (!s.riga.exec())
            throw erroreSqlite(s.riga.lastError());
        bool prima = true;
        if (passo(s.riga, st, prima)) {
            aggiungiRiga(st, tipi, dati);
            dati.mostra(dati.righeLette() - 1);
        }
    }
}

void LetturaPerIndice::leggiRighe(int righe)
{
    sqlite3_stmt* st = istruzioneAperta(s.righe);
    for (int i = 0; i < righe; ++i) {
        if (!passo(s.righe, st, primaRiga)) {
            mappaRighe();
            fase = Fase::voci;
            return;
        }
        const qint64 chiave = sqlite3_column_int64(st, 0);
        dati.nuovaRiga();
        dati.scriviIntero(0, chiave);
        for (int c = 1; c < tipi.size(); ++c)
            scriviCella(st, c, tipi[c], dati, c);
        chiaviRighe.push_back(chiave);
    }
}

void LetturaPerIndice::mappaRighe()
{
    if (chiaviRighe.empty())
        return;
    const auto [minima, massima] = std::minmax_element(chiaviRighe.begin(), chiaviRighe.end());
    chiaveMinima = *minima;
    const quint64 campo = quint64(*massima) - quint64(*minima);
    if (campo < quint64(chiaviRighe.size()) * 4 + 1024) {
        postoDiretto.assign(std::size_t(campo) + 1, -1);
        for (std::size_t r = 0; r < chiaviRighe.size(); ++r)
            postoDiretto[std::size_t(quint64(chiaviRighe[r]) - quint64(chiaveMinima))] = int(r);
    } else {
        postiOrdinati.reserve(chiaviRighe.size());
        for (std::size_t r = 0; r < chiaviRighe.size(); ++r)
            postiOrdinati.emplace_back(chiaviRighe[r], int(r));
        std::sort(postiOrdinati.begin(), postiOrdinati.end());
    }
    chiaviRighe = {};
}

int LetturaPerIndice::posto(qint64 chiave) const
{
    if (!postoDiretto.empty()) {
        const quint64 i = quint64(chiave) - quint64(chiaveMinima);
        return chiave >= chiaveMinima && i < postoDiretto.size() ? postoDiretto[std::size_t(i)] : -1;
    }
    const auto p = std::lower_bound(postiOrdinati.begin(), postiOrdinati.end(), std::pair<qint64, int>(chiave, -1));
    return p != postiOrdinati.end() && p->first == chiave ? p->second : -1;
}

void LetturaPerIndice::mostraMappate()
{
    for (; mostrate < indice.numeroRighe(); ++mostrate) {
        // A key with no row: one written meanwhile through this same connection.
        const int r = posto(chiaviVoci[std::size_t(indice.rigaLetta(int(mostrate)))]);
        if (r >= 0)
            dati.mostra(primaDellaTabella + r);
    }
}
