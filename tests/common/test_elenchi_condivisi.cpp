#include "ambiente_test.h"
#include "common/elenchi.h"
#include "platform/db/connessione.h"
#include <functional>

namespace {
// "key:entry|..." in the list's order, the entry read from `colonna`; a Null entry as <null>.
QString righe(Recordset rs, const QString& chiave, const QString& colonna)
{
    QStringList r;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext()) {
        const QVariant voce = rs[colonna];
        r << rs[chiave].toString() + ":" + (voce.isNull() ? QString("<null>") : voce.toString());
    }
    return r.join("|");
}
} // namespace

using Elenco = std::function<Recordset()>;
Q_DECLARE_METATYPE(ComeElenco)
Q_DECLARE_METATYPE(Elenco)

class TestElenchiCondivisi : public QObject {
    Q_OBJECT
private slots:
    void codici_data()
    {
        QTest::addColumn<QString>("colonna");
        QTest::addColumn<ComeElenco>("come");
        QTest::addColumn<QString>("attese");
        QTest::newRow("live, by name") << "listazone" << ComeElenco{} << "3:<null>|1:B - NORD|2:a - sùd|5:D - ZETA";
        QTest::newRow("by code") << "zona" << ComeElenco{.ordine = ComeElenco::perSigla}
                                 << "3:<null>|2:a - sùd|1:B - NORD|5:D - ZETA";
        QTest::newRow("as stored") << "z" << ComeElenco{.ordine = ComeElenco::comeArchiviate}
                                   << "1:B - NORD|2:a - sùd|3:<null>|5:D - ZETA";
        QTest::newRow("deleted ones too") << "strZona" << ComeElenco{.righe = ComeElenco::ancheEliminate}
                                          << "4:C - CENTRO|3:<null>|1:B - NORD|2:a - sùd|5:D - ZETA";
        QTest::newRow("missing code as empty") << "z" << ComeElenco{.nulli = ComeElenco::parteVuota}
                                               << "3: - EST|1:B - NORD|2:a - sùd|5:D - ZETA";
    }
    void codici()
    {
        QFETCH(QString, colonna);
        QFETCH(ComeElenco, come);
        QFETCH(QString, attese);
        DatabaseTest db;
        for (const char* riga : {"1, 'B', 'NORD', 0", "2, 'a', 'sùd', 0", "3, null, 'EST', 0", "4, 'C', 'CENTRO', 1",
                                 "5, 'D', 'ZETA', 0"})
            connessione.esegui(QString("INSERT INTO zone (idZona, sigla_zona, desc_zona, eliminato) VALUES (%1)")
                                   .arg(riga));
        QCOMPARE(righe(elencoCodici(Codici::zone, colonna, come), "idZona", colonna), attese);
    }

    // Technicians by code, those of one code by name, "code name".
    void perSiglaENome()
    {
        DatabaseTest db;
        for (const char* riga : {"1, 'B', 'ROSSI'", "2, 'A', 'VERDI'", "3, 'B', 'BIANCHI'", "4, null, 'NERI'"})
            connessione.esegui(QString("INSERT INTO tecnici (idTecn, sigla_tecnico, tecnico) VALUES (%1)").arg(riga));
        const ComeElenco come{.ordine = ComeElenco::perSiglaENome, .nulli = ComeElenco::parteVuota, .separatore = " "};
        QCOMPARE(righe(elencoCodici(Codici::tecnici, "Nominativo", come), "idTecn", "Nominativo"),
                 QString("4: NERI|2:A VERDI|3:B BIANCHI|1:B ROSSI"));
    }

    // Every list in Italian order: an accented letter with its plain one, not after the Z.
    void ordineItaliano_data()
    {
        QTest::addColumn<QStringList>("istruzioni");
        QTest::addColumn<Elenco>("elenco");
        QTest::addColumn<QString>("chiave");
        QTest::addColumn<QString>("colonna");
        QTest::addColumn<QString>("attese");
        const auto inserimenti = [](const QString& inserimento, QStringList valori) {
            for (QString& v : valori)
                v = inserimento.arg(v);
            return valori;
        };
        const QString zone = "INSERT INTO zone (idZona, sigla_zona, desc_zona) VALUES (%1)";
        QTest::newRow("codes by name")
            << inserimenti(zone, {"1, 'A', 'FARO'", "2, 'B', 'ÈLBA'", "3, 'C', 'ELMO'"})
            << Elenco([] { return elencoCodici(Codici::zone, "z"); }) << "idZona" << "z"
            << "2:B - ÈLBA|3:C - ELMO|1:A - FARO";
        QTest::newRow("codes by code")
            << inserimenti(zone, {"1, 'F', 'X'", "2, 'É', 'Y'", "3, 'E', 'Z'"})
            << Elenco([] { return elencoCodici(Codici::zone, "z", {.ordine = ComeElenco::perSigla}); }) << "idZona"
            << "z" << "3:E - Z|2:É - Y|1:F - X";
        QTest::newRow("codes by code, then name")
            << inserimenti("INSERT INTO tecnici (idTecn, sigla_tecnico, tecnico) VALUES (%1)",
                     {"1, 'B', 'FARO'", "2, 'B', 'ÈLBA'", "3, 'Á', 'ZETA'"})
            << Elenco([] { return elencoCodici(Codici::tecnici, "t", {.ordine = ComeElenco::perSiglaENome}); })
            << "idTecn" << "t" << "3:Á - ZETA|2:B - ÈLBA|1:B - FARO";
        QTest::newRow("installers") << inserimenti("INSERT INTO installatori (idInst, nome_ins) VALUES (%1)",
                                             {"1, 'FARO'", "2, 'ÈLBA'"})
                                    << Elenco(elencoInstallatori) << "idInst" << "nome_ins" << "2:ÈLBA|1:FARO";
        QTest::newRow("customer types") << inserimenti("INSERT INTO tipocli (idTipoCli, cli_nome_tipo) VALUES (%1)",
                                                 {"1, 'FARO'", "2, 'ÈLBA'"})
                                        << Elenco(elencoTipiCliente) << "idTipoCli" << "cli_nome_tipo"
                                        << "2:ÈLBA|1:FARO";
        QTest::newRow("models") << inserimenti("INSERT INTO prodotti (idModello, modello) VALUES (%1)",
                                         {"1, 'FARO'", "2, 'ÈLBA'"})
                                << Elenco([] { return elencoModelli(); }) << "idModello" << "modello"
                                << "2:ÈLBA|1:FARO";
    }
    void ordineItaliano()
    {
        QFETCH(QStringList, istruzioni);
        QFETCH(Elenco, elenco);
        QFETCH(QString, chiave);
        QFETCH(QString, colonna);
        QFETCH(QString, attese);
        DatabaseTest db;
        for (const QString& istruzione : istruzioni)
            connessione.esegui(istruzione);
        QCOMPARE(righe(elenco(), chiave, colonna), attese);
    }

    void modelli_data()
    {
        QTest::addColumn<QVariant>("marca");
        QTest::addColumn<QVariant>("tipo");
        QTest::addColumn<QString>("attesi");
        QTest::newRow("every live model") << QVariant() << QVariant() << "3:ALFA|2:ECO|1:LUNA";
        QTest::newRow("of a brand") << QVariant(1) << QVariant() << "2:ECO|1:LUNA";
        QTest::newRow("of a type") << QVariant() << QVariant(1) << "3:ALFA|1:LUNA";
        QTest::newRow("of both") << QVariant(1) << QVariant(1) << "1:LUNA";
        QTest::newRow("no such brand") << QVariant(0) << QVariant() << "";
    }
    void modelli()
    {
        QFETCH(QVariant, marca);
        QFETCH(QVariant, tipo);
        QFETCH(QString, attesi);
        DatabaseTest db;
        for (const char* riga : {"1, 'LUNA', 1, 1, 0", "2, 'ECO', 1, 2, 0", "3, 'ALFA', 2, 1, 0", "4, 'BETA', 1, 1, 1"})
            connessione.esegui(QString("INSERT INTO prodotti (idModello, modello, cod_marca, cod_tipo_prodotto, "
                                       "eliminato) VALUES (%1)")
                                   .arg(riga));
        QCOMPARE(righe(elencoModelli(marca, tipo), "idModello", "modello"), attesi);
    }
};

CORVEXT_TEST_MAIN(TestElenchiCondivisi)
#include "test_elenchi_condivisi.moc"
