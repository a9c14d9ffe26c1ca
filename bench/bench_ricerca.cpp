// Time from a typed letter to the refreshed grid, and from the reset to every row, on a
// register of 20,000 rows, each beside the statements it ran through the SQLite C API.
// Run by hand: QT_QPA_PLATFORM=offscreen bench_ricerca
#include "ambiente_test.h"
#include "istruzioni_eseguite.h"
#include "lettura_sqlite.h"
#include "misure.h"
#include "platform/db/connessione.h"
#include "platform/ui/griglia.h"
#include "registers/lookup/marche.h"
#include <QElapsedTimer>
#include <QLineEdit>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTest>
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
    LetturaSqlite limite(db.file());
    QList<double> lettera, letteraLimite, tutte, tutteLimite;
    int trovate = 0;
    for (int i = 0; i < ripetizioni; ++i) {
        for (auto [azione, nostri, limiti] :
             {std::tuple{std::function<void()>([&] { QTest::mouseClick(reset, Qt::LeftButton); }), &tutte, &tutteLimite},
              std::tuple{std::function<void()>([&] { QTest::keyClick(box, Qt::Key_M, Qt::NoModifier); }), &lettera,
                         &letteraLimite}}) {
            QStringList letture;
            QElapsedTimer t;
            {
                const IstruzioniEseguite eseguite;
                t.start();
                azione();
                g->viewport()->repaint();
                *nostri << ms(t);
                letture = eseguite.letture();
            }
            t.restart();
            limite.leggi(letture);
            *limiti << ms(t);
        }
        trovate = g->model()->rowCount();
    }
    std::printf("rows %d, letter M matches %d; %d runs\n", righe, trovate, ripetizioni);
    intestazione("A register list", "the statements it ran, through the SQLite C API");
    confronto("typed letter -> refreshed grid", lettera, letteraLimite);
    confronto("reset, all rows -> refreshed grid", tutte, tutteLimite);
    return 0;
}
