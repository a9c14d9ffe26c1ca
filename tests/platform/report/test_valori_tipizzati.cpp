#include "ambiente_test.h"
#include "platform/db/connessione.h"
#include "platform/report/dati_report.h"
#include "platform/report/definizione_report.h"
#include "platform/db/modello_recordset.h"
#include <QDate>
#include <QDateTime>
#include <QTime>

// Each declared type, written as a bound value and as a statement's literal: the form it is
// stored in, the value a recordset gives, and the text of a grid and of a report.
class TestValoriTipizzati : public QObject {
    Q_OBJECT

    static QStringList testoReport()
    {
        DefinizioneReport d;
        d.tabelle = {QStringLiteral("prove")};
        d.seleziona = QStringLiteral("v");
        d.da = QStringLiteral("prove");
        d.ordina = QStringLiteral("id");
        d.tipo = DefinizioneReport::Tipo::Elenco;
        d.colonne = {{QStringLiteral("V"), QStringLiteral("v"), 20}};
        QStringList t;
        for (const QStringList& riga : leggiDati(connessione.database(), d, {}).righe)
            t << riga.first();
        return t;
    }

private slots:
    void tipi_data()
    {
        QTest::addColumn<QString>("tipo");
        QTest::addColumn<QVariant>("legato");
        QTest::addColumn<QString>("letterale");
        QTest::addColumn<QString>("conservato");
        QTest::addColumn<int>("tipoLetto");
        QTest::addColumn<QString>("griglia");
        QTest::addColumn<QString>("report");
        QTest::newRow("date") << "DATE" << QVariant(QDate(2024, 3, 7)) << "#3/7/2024#" << "2024-03-07"
                              << int(QMetaType::QDate) << "07/03/2024" << "07/03/2024";
        QTest::newRow("time") << "TIME" << QVariant(QTime(9, 30)) << "#9:30#" << "09:30" << int(QMetaType::QTime)
                              << "09:30" << "09:30";
        QTest::newRow("date and time") << "DATETIME" << QVariant(QDateTime(QDate(2024, 3, 7), QTime(9, 30, 15)))
                                       << "#3/7/2024 09:30:15#" << "2024-03-07 09:30:15" << int(QMetaType::QDateTime)
                                       << "07/03/2024 09:30:15" << "07/03/2024 09:30";
        QTest::newRow("flag") << "INTEGER" << QVariant(1) << "1" << "1" << int(QMetaType::LongLong) << "1" << "1";
        QTest::newRow("key") << "INTEGER" << QVariant(qlonglong(4102)) << "4102" << "4102" << int(QMetaType::LongLong)
                             << "4102" << "4102";
        QTest::newRow("amount") << "REAL" << QVariant(2.5) << "2.5" << "2.5" << int(QMetaType::Double) << "2.5"
                                << "2.5";
        QTest::newRow("text") << "TEXT(255) COLLATE NOCASE" << QVariant(QStringLiteral("D'UNO 🔥")) << "'D''UNO 🔥'"
                              << "D'UNO 🔥" << int(QMetaType::QString) << "D'UNO 🔥" << "D'UNO 🔥";
        QTest::newRow("null date") << "DATE" << QVariant() << "null" << "" << int(QMetaType::UnknownType) << ""
                                   << "";
    }
    void tipi()
    {
        QFETCH(QString, tipo);
        QFETCH(QVariant, legato);
        QFETCH(QString, letterale);
        QFETCH(QString, conservato);
        QFETCH(int, tipoLetto);
        QFETCH(QString, griglia);
        QFETCH(QString, report);
        DatabaseTest db(false);
        connessione.esegui("CREATE TABLE prove (id INTEGER PRIMARY KEY, v " + tipo + ")");
        connessione.esegui("INSERT INTO prove (v) VALUES (?)", {legato});
        connessione.esegui("INSERT INTO prove (v) VALUES (" + letterale + ")");

        Recordset rs = connessione.apriStatico("SELECT v, ifnull(CAST(v AS TEXT), '') AS testo FROM prove ORDER BY id");
        ModelloRecordset modello;
        modello.imposta(rs, {{"v", "V"}});
        QCOMPARE(modello.rowCount(), 2);
        for (int r = 0; r < 2; ++r, rs.moveNext()) {
            QCOMPARE(rs["testo"].toString(), conservato);
            QCOMPARE(rs["v"].typeId(), tipoLetto);
            QCOMPARE(rs["v"].isNull(), !legato.isValid());
            if (legato.isValid())
                QCOMPARE(rs["v"], legato);
            QCOMPARE(modello.index(r, 0).data().toString(), griglia);
        }
        QCOMPARE(testoReport(), QStringList({report, report}));
    }
};

CORVEXT_TEST_MAIN(TestValoriTipizzati)
#include "test_valori_tipizzati.moc"
