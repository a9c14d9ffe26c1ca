#include "ambiente_test.h"
#include "customers/prima_accensione.h"
#include "platform/ambiente/ambiente.h"
#include "platform/ui/data_opzionale.h"
#include "platform/ui/modale.h"
#include "supporto_finestre.h"
#include <QCheckBox>
#include <QLineEdit>
#include <QRadioButton>

using namespace Qt::StringLiterals;

namespace {
using Membri = QVariantList;

Membri membri(const DatiPrimaAccensione& d)
{
    return {d.nPressioneValvola, d.nPressioneCaldaia, d.dDataInstallazione, d.nNoDataInstallazione, d.nTipoScarico,
            d.nTensione,         d.nConsumo,          d.nPrimaVerifica,     d.nVerificaInstallazione,
            d.altroVerificaInstallazione};
}

DatiPrimaAccensione daMembri(const Membri& m)
{
    DatiPrimaAccensione d;
    d.nPressioneValvola = m[0].toInt();
    d.nPressioneCaldaia = m[1].toInt();
    d.dDataInstallazione = m[2].toDate();
    d.nNoDataInstallazione = m[3].toBool();
    d.nTipoScarico = m[4].toInt();
    d.nTensione = m[5].toInt();
    d.nConsumo = m[6].toInt();
    d.nPrimaVerifica = m[7].toInt();
    d.nVerificaInstallazione = m[8].toInt();
    d.altroVerificaInstallazione = m[9].toString();
    return d;
}

void spunta(QWidget* f, const QString& nome)
{
    f->findChild<QRadioButton*>(nome)->click();
}

const QStringList coppie{u"PressioneValvola"_s, u"PressioneEntrata"_s, u"Tensione"_s, u"ConsumoGas"_s,
                         u"PrimaVerifica"_s};

// What the controls show: per pair "SI", "NO" or "-", the date or "-", both lists, the text.
QStringList mostrato(QWidget* f)
{
    QStringList m;
    for (const QString& c : coppie) {
        const bool si = f->findChild<QRadioButton*>(u"optSi"_s + c)->isChecked();
        const bool no = f->findChild<QRadioButton*>(u"optNo"_s + c)->isChecked();
        m << (si ? u"SI"_s : no ? u"NO"_s : u"-"_s);
    }
    const auto* d = f->findChild<DataOpzionale*>(u"dtpDataInstallazione"_s);
    m << (d->spuntata() ? d->data().toString(u"dd/MM/yyyy"_s) : u"-"_s);
    m << f->findChild<QComboBox*>(u"cmbTipoScarico"_s)->currentText();
    m << f->findChild<QComboBox*>(u"cmbVerifica"_s)->currentText();
    m << f->findChild<QLineEdit*>(u"txtAltroVerifica"_s)->text();
    return m;
}
} // namespace

// The first-ignition card: the members go into the controls and come back on OK only.
class TestPrimaAccensione : public QObject {
    Q_OBJECT
private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        impostaOrologio([] { return QDate(2025, 6, 10); });
    }
    void cleanup() { db.reset(); }

    void ok_data()
    {
        QTest::addColumn<Membri>("dati");
        QTest::addColumn<QStringList>("visti");
        QTest::addColumn<QString>("azione");
        QTest::addColumn<Membri>("attesi");
        const Membri nuovo{-1, -1, QDate(), true, -1, -1, -1, -1, -1, QString()};
        const Membri memorizzato{1, 0, QDate(2024, 3, 7), false, 2, 0, 1, -1, 3, u"Scontrino"_s};
        const QStringList vistiNuovo{u"-"_s, u"-"_s, u"-"_s, u"-"_s, u"-"_s, u"-"_s, QString(), QString(), QString()};
        const QStringList vistiMemorizzato{u"SI"_s, u"NO"_s, u"NO"_s, u"SI"_s, u"-"_s, u"07/03/2024"_s,
                                           u"S - Sdoppiato"_s, u"Altro"_s, u"Scontrino"_s};
        QTest::newRow("new appliance untouched") << nuovo << vistiNuovo << QString() << nuovo;
        QTest::newRow("stored answers untouched") << memorizzato << vistiMemorizzato << QString() << memorizzato;
        QTest::newRow("answers changed")
            << memorizzato << vistiMemorizzato << u"risposte"_s
            << Membri{0, 1, QDate(2024, 3, 7), false, 0, 0, 1, 0, 1, u"altro testo"_s};
        // Emptying the date keeps the old one: only the flag says it is not given.
        QTest::newRow("date emptied") << memorizzato << vistiMemorizzato << u"svuota data"_s
                                      << Membri{1, 0, QDate(2024, 3, 7), true, 2, 0, 1, -1, 3, u"Scontrino"_s};
        QTest::newRow("empty date ticked gives today")
            << nuovo << vistiNuovo << u"spunta data"_s
            << Membri{-1, -1, QDate(2025, 6, 10), false, -1, -1, -1, -1, -1, QString()};
        // Codes the card does not list come back as they went in.
        QTest::newRow("codes out of range")
            << Membri{5, -1, QDate(), true, 7, 2, -1, -1, 9, QString()} << vistiNuovo << QString()
            << Membri{5, -1, QDate(), true, 7, 2, -1, -1, 9, QString()};
    }
    void ok()
    {
        QFETCH(Membri, dati);
        QFETCH(QStringList, visti);
        QFETCH(QString, azione);
        QFETCH(Membri, attesi);
        schPrimaAccensione& s = istanza<schPrimaAccensione>();
        s.carica();
        static_cast<DatiPrimaAccensione&>(s) = daMembri(dati);
        s.predisponi();
        QStringList letti;
        seamModale::accoda([&](QWidget* f) {
            letti = mostrato(f);
            if (azione == u"risposte"_s) {
                spunta(f, u"optNoPressioneValvola"_s);
                spunta(f, u"optSiPressioneEntrata"_s);
                spunta(f, u"optNoPrimaVerifica"_s);
                f->findChild<QComboBox*>(u"cmbTipoScarico"_s)->setCurrentIndex(0);
                f->findChild<QComboBox*>(u"cmbVerifica"_s)->setCurrentIndex(1);
                f->findChild<QLineEdit*>(u"txtAltroVerifica"_s)->setText(u"altro testo"_s);
            } else if (!azione.isEmpty()) {
                f->findChild<DataOpzionale*>(u"dtpDataInstallazione"_s)->findChild<QCheckBox*>()->click();
            }
            premi(f, u"cmdOk"_s);
        });
        s.mostraModale();
        QCOMPARE(letti, visti);
        QVERIFY(s.bConferma);
        QVERIFY(!s.caricata());
        QCOMPARE(membri(s), attesi);
    }

    void nonConfermato_data()
    {
        QTest::addColumn<QString>("chiusura");
        QTest::newRow("Annulla") << u"annulla"_s;
        QTest::newRow("Esc") << u"esc"_s;
        QTest::newRow("close box") << u"chiuso"_s;
    }
    void nonConfermato()
    {
        QFETCH(QString, chiusura);
        const Membri dati{1, 0, QDate(2024, 3, 7), false, 2, 0, 1, -1, 3, u"Scontrino"_s};
        schPrimaAccensione& s = istanza<schPrimaAccensione>();
        s.bConferma = true;
        s.carica();
        static_cast<DatiPrimaAccensione&>(s) = daMembri(dati);
        s.predisponi();
        seamModale::accoda([&](QWidget* f) {
            spunta(f, u"optSiPressioneEntrata"_s);
            f->findChild<QComboBox*>(u"cmbVerifica"_s)->setCurrentIndex(0);
            f->findChild<QLineEdit*>(u"txtAltroVerifica"_s)->setText(u"cambiato"_s);
            if (chiusura == u"annulla"_s)
                premi(f, u"cmdAnnulla"_s);
            else if (chiusura == u"esc"_s)
                QTest::keyClick(f->findChild<QLineEdit*>(u"txtAltroVerifica"_s), Qt::Key_Escape);
        });
        s.mostraModale();
        QVERIFY(!s.bConferma);
        QCOMPARE(membri(s), dati);
    }

private:
    std::unique_ptr<DatabaseTest> db;
};

CORVEXT_TEST_MAIN(TestPrimaAccensione)
#include "test_prima_accensione.moc"
