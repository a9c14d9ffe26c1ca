#include "ambiente_test.h"
#include "fixture_accensioni.h"
#include "ignitions/frm_importa_accensioni_cat.h"
#include "lettori_esterni.h"
#include "platform/db/connessione.h"
#include "platform/ui/combo_dati.h"
#include <QDir>
#include <QLineEdit>
#include <QPushButton>

using namespace Qt::StringLiterals;

// A centre's workbook made by a spreadsheet program, imported: the rows of the sheet that
// was active, with formula serials, a boolean, a time and a name of blanks as the program
// shows them.
class TestImportazioneLibri : public QObject {
    Q_OBJECT

private slots:
    void importaIlFoglioAttivo_data()
    {
        QTest::addColumn<QString>("formato");
        QTest::newRow("LibreOffice xls") << u"xls"_s;
        QTest::newRow("LibreOffice xlsx") << u"xlsx"_s;
    }
    void importaIlFoglioAttivo()
    {
        QFETCH(QString, formato);
        DatabaseTest db;
        inserisci(u"CAT"_s, {{u"nomeCAT"_s, u"ALFA"_s}});
        const QString originale = db.cartella() + u"/centro.xlsx"_s;
        eseguiPython(QStringLiteral(LIBRO_CENTRO), {originale});
        const QString cartella = db.cartella() + u"/libreoffice"_s;
        QVERIFY(QDir().mkpath(cartella));
        const QString file = convertiConLibreOffice(originale, formato, cartella);
        QVERIFY2(!file.isEmpty(), "LibreOffice did not convert the workbook");

        auto& w = istanza<frmImportaAccensioniCAT>();
        w.controlli().cmbCAT->impostaValoreLegato(1);
        w.controlli().txtNomeFile->setText(file);
        w.controlli().cmdImporta->click();

        QStringList matricole;
        for (int r = 2; r <= 14; ++r)
            matricole << u"SN-%1"_s.arg(r);
        QStringList letti;
        for (Recordset rs = connessione.apriAvanti(u"SELECT matricola, cognome, nome, indirizzo FROM accensioniCAT "
                                                   "WHERE codMov = 1 ORDER BY idPrimaAccensione"_s);
             !rs.eof(); rs.moveNext())
            letti << rs.campo(0).toString() + u'|' + rs.campo(1).toString() + u'|' + rs.campo(2).toString() + u'|'
                         + rs.campo(3).toString();
        QCOMPARE(letti.size(), matricole.size());
        QCOMPARE(letti[0], u"SN-2|Rossi|VERO|12:30:00"_s);
        QCOMPARE(letti[1], u"SN-3|   ||"_s);
        for (int i = 0; i < letti.size(); ++i)
            QCOMPARE(letti[i].section(u'|', 0, 0), matricole[i]);
    }
};

CORVEXT_TEST_MAIN(TestImportazioneLibri)
#include "test_importazione_libri.moc"
