#include "ambiente_test.h"
#include "fixture_report.h"
#include "pdf_letto.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/connessione.h"
#include "platform/report/controllo_report.h"
#include <QRegularExpression>
#include <QTime>
#include <algorithm>

// The four shipped reports rendered to PDF through the report control and read back.
class TestStampeReport : public QObject {
    Q_OBJECT

    std::unique_ptr<DatabaseTest> db;

    PdfLetto stampa(const QString& report, const QString& formula = {})
    {
        const QString pdf = db->cartella() + QStringLiteral("/report.pdf");
        ControlloReport controllo;
        controllo.impostaFileReport(fileStampa(report));
        controllo.impostaConnessione(QStringLiteral("dsn=corvext"));
        controllo.impostaFormula(formula);
        controllo.impostaDestinazione(ControlloReport::Destinazione::Pdf);
        controllo.impostaFilePdf(pdf);
        controllo.produci();
        return leggiPdf(pdf);
    }

    static void confrontaMm(double misura, double atteso)
    {
        if (qAbs(misura - atteso) > 1.0)
            QFAIL(qPrintable(QStringLiteral("%1 mm, expected %2 mm").arg(misura).arg(atteso)));
    }

private slots:
    void init()
    {
        db = std::make_unique<DatabaseTest>();
        impostaOrologio([] { return QDate(2026, 12, 1); });
    }

    void cleanup() { db.reset(); }

    // Labels 70 x 32 mm from the sheet's corner (4.5 mm above), text 5 mm in, row by row.
    void etichette_data()
    {
        QTest::addColumn<QString>("parola");
        QTest::addColumn<int>("pagina");
        QTest::addColumn<double>("x");
        QTest::addColumn<double>("y");
        QTest::newRow("first") << QStringLiteral("COGNOME01") << 0 << 5.0 << 9.5;
        QTest::newRow("second, same row") << QStringLiteral("COGNOME02") << 0 << 75.0 << 9.5;
        QTest::newRow("third, same row") << QStringLiteral("COGNOME03") << 0 << 145.0 << 9.5;
        QTest::newRow("fourth, next row") << QStringLiteral("COGNOME04") << 0 << 5.0 << 41.5;
        QTest::newRow("27th, last of the sheet") << QStringLiteral("COGNOME27") << 0 << 145.0 << 265.5;
        QTest::newRow("28th, first of the second sheet") << QStringLiteral("COGNOME28") << 1 << 5.0 << 9.5;
    }

    void etichette()
    {
        QFETCH(QString, parola);
        QFETCH(int, pagina);
        QFETCH(double, x);
        QFETCH(double, y);
        clientiInStampe(28);
        const PdfLetto pdf = stampa(QStringLiteral("etichette.rpt"));
        QCOMPARE(pdf.formati.size(), 2);
        confrontaMm(pdf.formati[0].width(), 210);
        confrontaMm(pdf.formati[0].height(), 297);
        const PdfLetto::Parola p = pdf.parola(parola);
        QCOMPARE(p.pagina, pagina);
        confrontaMm(p.mm.left(), x);
        confrontaMm(p.mm.top(), y);
        const QString n = parola.right(2);
        QVERIFY(pdf.pagine[pagina].contains(QStringLiteral("COGNOME%1 NOME%1").arg(n)));
        QVERIFY(pdf.pagine[pagina].contains(QStringLiteral("VIA %1").arg(n)));
        QVERIFY(pdf.pagine[pagina].contains(QStringLiteral("00%1 CITTA%2 (RM)").arg(100 + n.toInt()).arg(n)));
    }

    // One DL envelope (220 x 110 mm) per customer, the address block 110 mm across and 55 mm down.
    void buste()
    {
        clientiInStampe(2);
        const PdfLetto pdf = stampa(QStringLiteral("buste.rpt"));
        QCOMPARE(pdf.formati.size(), 2);
        for (int i = 0; i < 2; ++i) {
            confrontaMm(pdf.formati[i].width(), 220);
            confrontaMm(pdf.formati[i].height(), 110);
            const PdfLetto::Parola p = pdf.parola(QStringLiteral("COGNOME0%1").arg(i + 1));
            QCOMPARE(p.pagina, i);
            confrontaMm(p.mm.left(), 110);
            confrontaMm(p.mm.top(), 55);
            QVERIFY(pdf.pagine[i].contains(QStringLiteral("VIA 0%1").arg(i + 1)));
        }
    }

    // Customers in the order of stampe, one line per appliance, a customer without appliances
    // on a line of its own, a customer outside stampe absent, the mobile of a customer who has
    // no other telephone.
    void elencoClienti()
    {
        eseguiTest(QStringLiteral("INSERT INTO clienti (idCli, cognome, nome, indirizzo, citta, tel_casa) VALUES "
                                  "(11, 'ROSSI', 'MARIO', 'VIA ROMA 1', 'MILANO', '02123456'), "
                                  "(12, 'BIANCHI', 'ANNA', 'VIA PO 2', 'TORINO', '011987'), "
                                  "(13, 'ESCLUSO', 'NON STAMPATO', 'VIA XX', 'ROMA', '06')"));
        eseguiTest(QStringLiteral("INSERT INTO clienti (idCli, cognome, nome, indirizzo, citta, tel_cel) VALUES "
                                  "(14, 'VERDI', 'LUCA', 'VIA PO 3', 'ASTI', '333 1112223')"));
        eseguiTest(QStringLiteral("INSERT INTO stampe (idcli) VALUES (12), (11), (14)"));
        eseguiTest(QStringLiteral("INSERT INTO marche (idMarca, sigla_marca) VALUES (1, 'BAX'), (2, 'ARI')"));
        eseguiTest(
            QStringLiteral("INSERT INTO tipoProd (idTpProd, sigla_tipo_prodotto) VALUES (1, 'CAL'), (2, 'SCB')"));
        eseguiTest(QStringLiteral("INSERT INTO tipoabb (idTpAbb, sigla_abbonamento) VALUES (1, 'ABB1')"));
        eseguiTest(QStringLiteral("INSERT INTO prodotti (idModello, modello, cod_marca, cod_tipo_prodotto) VALUES "
                                  "(1, 'CALDAIA X1', 1, 1), (2, 'SCALDABAGNOMODELLOLUNGO2026XL', 2, 2)"));
        eseguiTest(QStringLiteral("INSERT INTO prodotti_ai_clienti (id_pro_cli, cod_cliente, cod_prodotto, "
                                  "cod_tipo_abbonamento, sc_abb) VALUES (1, 11, 1, 1, '2027-03-31'), "
                                  "(2, 11, 2, 0, NULL), (3, 13, 1, 0, NULL)"));
        eseguiTest(QStringLiteral("INSERT INTO manutenzioni (dataMan, codProdotto) VALUES ('2026-02-20', 1), "
                                  "('2025-01-10', 1)"));

        const PdfLetto pdf = stampa(QStringLiteral("clienti.rpt"));
        QCOMPARE(pdf.pagine.size(), 1);
        const QString& testo = pdf.pagine[0];
        for (const char* titolo : {"Cognome", "Nome", "Indirizzo", "Citta", "Telefono", "Prodotto", "Marca",
                                   "Modello", "manutenzione", "Abbonamento", "Scadenza", "Elenco clienti",
                                   "01/12/2026", "Pagina 1"})
            QVERIFY2(testo.contains(QLatin1String(titolo)), titolo);
        const QRegularExpression bianchi(QStringLiteral("BIANCHI +ANNA +VIA PO 2 +TORINO +011987 *\n"));
        const QRegularExpression rossi1(QStringLiteral(
            "ROSSI +MARIO +VIA ROMA 1 +MILANO +02123456 +CAL +BAX +CALDAIA X1 +20/02/2026 +ABB1 +31/03/2027"));
        const QRegularExpression rossi2(
            QStringLiteral("ROSSI +MARIO +VIA ROMA 1 +MILANO +02123456 +SCB +ARI +SCALDABAGNO"));
        const qsizetype b = testo.indexOf(bianchi);
        const qsizetype r1 = testo.indexOf(rossi1);
        const qsizetype r2 = testo.indexOf(rossi2);
        const QRegularExpression verdi(QStringLiteral("VERDI +LUCA +VIA PO 3 +ASTI +333 1112223 *\n"));
        const qsizetype v = testo.indexOf(verdi);
        QVERIFY2(b >= 0 && r1 > b && r2 > r1 && v > r2, qPrintable(testo));
        QCOMPARE(testo.count(QStringLiteral("ROSSI")), 2);
        QVERIFY(!testo.contains(QStringLiteral("ESCLUSO")));

        // A value wider than its column (Modello, 181 to 209 mm) is broken within it, not cut.
        QString modello;
        for (const PdfLetto::Parola& p : pdf.parole) {
            if (p.mm.left() < 181 || p.mm.left() >= 209 || p.mm.top() < pdf.parola(QStringLiteral("SCB")).mm.top() - 1)
                continue;
            QVERIFY2(p.mm.right() <= 209, qPrintable(p.testo));
            modello += p.testo;
        }
        QCOMPARE(modello, QStringLiteral("SCALDABAGNOMODELLOLUNGO2026XL"));
    }

    // Addresses wrapped over one to seven lines, over several pages: each row whole on one page,
    // the same gap under every row whatever its lines, every word printed once, and a row moved
    // to the next page only when it would run into the footer.
    void elencoACapoSuPiuPagine()
    {
        const int quanti = 90;
        QList<int> parole;
        for (int n = 1; n <= quanti; ++n) {
            const QString r = QStringLiteral("R%1").arg(n, 2, 10, QLatin1Char('0'));
            const QStringList indirizzo(n % 13 + 1, QStringLiteral("STRADA") + r);
            eseguiTest(QStringLiteral("INSERT INTO clienti (idCli, cognome, indirizzo) VALUES (?, ?, ?)"),
                       {n, QStringLiteral("COGNOME") + r, indirizzo.join(u' ')});
            eseguiTest(QStringLiteral("INSERT INTO stampe (idcli) VALUES (?)"), {n});
            parole.append(int(indirizzo.size()) + 1);
        }
        const PdfLetto pdf = stampa(QStringLiteral("clienti.rpt"));
        QVERIFY(pdf.pagine.size() >= 3);

        struct Riga {
            int pagina = -1;
            double alto = 1e9, basso = -1e9;
            int parole = 0;
        };
        QList<Riga> righe(quanti);
        QList<double> piedi(pdf.pagine.size());
        const QRegularExpression mia(QStringLiteral("^(COGNOME|STRADA)R(\\d\\d)$"));
        for (const PdfLetto::Parola& p : pdf.parole) {
            if (p.testo == QStringLiteral("Pagina"))
                piedi[p.pagina] = p.mm.top();
            const QRegularExpressionMatch m = mia.match(p.testo);
            if (!m.hasMatch())
                continue;
            Riga& r = righe[m.captured(2).toInt() - 1];
            QVERIFY2(r.pagina < 0 || r.pagina == p.pagina, qPrintable(p.testo));
            r.pagina = p.pagina;
            r.alto = std::min(r.alto, p.mm.top());
            r.basso = std::max(r.basso, p.mm.bottom());
            ++r.parole;
        }
        for (int n = 0; n < quanti; ++n)
            QCOMPARE(righe[n].parole, parole[n]);
        // Under a row's last line 1 mm more than between two of its lines.
        QList<double> linee;
        double altaParola = 0;
        for (const PdfLetto::Parola& p : pdf.parole)
            if (p.testo == QStringLiteral("STRADAR12")) {
                linee.append(p.mm.top());
                altaParola = p.mm.height();
            }
        std::sort(linee.begin(), linee.end());
        linee.erase(std::unique(linee.begin(), linee.end()), linee.end());
        QVERIFY(linee.size() >= 3);
        const double spazio = righe[1].alto - righe[0].basso;
        QVERIFY(qAbs(spazio - (1 + (linee[1] - linee[0]) - altaParola)) < 0.05);
        for (int n = 1; n < quanti; ++n) {
            const Riga& prima = righe[n - 1];
            const Riga& r = righe[n];
            // Where the row's last line would have ended below the one before, with the 1.5 mm
            // that stand between a row's last line and the footer's on the paper.
            const double fine = prima.basso + spazio + (r.basso - r.alto) + spazio + 0.5;
            if (r.pagina == prima.pagina) {
                QVERIFY2(qAbs(r.alto - prima.basso - spazio) < 0.05, qPrintable(QString::number(n + 1)));
                QVERIFY2(fine <= piedi[r.pagina] + 0.05, qPrintable(QString::number(n + 1)));
            } else {
                QCOMPARE(r.pagina, prima.pagina + 1);
                QVERIFY2(fine > piedi[prima.pagina] - 0.05, qPrintable(QString::number(n + 1)));
            }
        }
    }

    // A name, address and town as long as the customer card takes them: every word is printed,
    // inside the text block (mm on the paper).
    void testiLunghi_data()
    {
        QTest::addColumn<QString>("report");
        QTest::addColumn<QRectF>("blocco");
        QTest::newRow("label") << QStringLiteral("etichette.rpt") << QRectF(5, 9.5, 60, 22);
        QTest::newRow("envelope") << QStringLiteral("buste.rpt") << QRectF(110, 55, 100, 45);
    }

    void testiLunghi()
    {
        QFETCH(QString, report);
        QFETCH(QRectF, blocco);
        eseguiTest(QStringLiteral("INSERT INTO clienti (idCli, cognome, nome, indirizzo, cap, citta, pv) VALUES (1, "
                                  "'SANTARCANGELO DI ROMAGNA', 'MARIA GRAZIA ANTONIETTA', "
                                  "'STRADA PROVINCIALE 253 SAN VITALE KM 12', '40017', 'SAN GIOVANNI IN PERSICETO', "
                                  "'BO')"));
        eseguiTest(QStringLiteral("INSERT INTO stampe (idcli) VALUES (1)"));
        const PdfLetto pdf = stampa(report);
        QStringList attese = QStringLiteral("SANTARCANGELO DI ROMAGNA MARIA GRAZIA ANTONIETTA STRADA PROVINCIALE 253 "
                                            "SAN VITALE KM 12 40017 SAN GIOVANNI IN PERSICETO (BO)")
                                 .split(u' ');
        QStringList stampate;
        for (const PdfLetto::Parola& p : pdf.parole) {
            QVERIFY2(blocco.adjusted(-0.5, -0.5, 0.5, 0.5).contains(p.mm), qPrintable(p.testo));
            stampate.append(p.testo);
        }
        attese.sort();
        stampate.sort();
        QCOMPARE(stampate, attese);
    }

    // The route sheet: a page per technician, days as groups, what the technician needs per call.
    void giro()
    {
        preparaGiro();
        const PdfLetto pdf = stampa(QStringLiteral("giro.rpt"));
        QCOMPARE(pdf.pagine.size(), 2);
        const QString& bianchi = pdf.pagine[0];
        for (const char* testo : {"Giro tecnici", "01/12/2026", "Orario", "Cliente", "Stato", "Tecnico: T3 - BIANCHI",
                                  "Giorno: 08/12/2026", "Giorno: 09/12/2026", "Giorno: 10/12/2026",
                                  "09:00 - 18:00", "VIA ROMA 1", "20100 MILANO (MI)", "Zona CENTRO", "02 1234",
                                  "CALDAIA X1 matr. M123:", "PERDITA ACQUA", "SCALDABAGNO S2 matr. S9",
                                  "CITOFONARE DUE VOLTE", "Note intervento", "PORTARE LA SCALA", "DA SVOLGERE",
                                  "SOSPESO", "Pagina 1"})
            QVERIFY2(bianchi.contains(QString::fromUtf8(testo)), testo);
        // The note typed for the technician beside the call's.
        QCOMPARE(pdf.parola(QStringLiteral("PORTARE")).mm.top(), pdf.parola(QStringLiteral("CITOFONARE")).mm.top());
        QVERIFY(pdf.parola(QStringLiteral("PORTARE")).mm.left() > pdf.parola(QStringLiteral("CITOFONARE")).mm.left());
        // By day, then by start time.
        const QStringList ordine = {"DELTA", "ALFA", "ETA", "D'ANGELO", "BETA", "GAMMA", "EPSILON"};
        for (qsizetype i = 0; i < ordine.size(); ++i) {
            const PdfLetto::Parola p = pdf.parola(ordine[i]);
            QCOMPARE(p.pagina, 0);
            if (i > 0)
                QVERIFY2(p.mm.top() > pdf.parola(ordine[i - 1]).mm.top(), qPrintable(ordine[i]));
        }
        const QString& verdi = pdf.pagine[1];
        QVERIFY(verdi.contains(QStringLiteral("Tecnico: T4 - VERDI")));
        QCOMPARE(pdf.parola(QStringLiteral("ZETA")).pagina, 1);
        QVERIFY(verdi.contains(QStringLiteral("Pagina 2")));
    }

    // A group that goes on over a page break has its headers again at the top of the next page;
    // no row runs into the footer.
    void giroSuPiuPagine()
    {
        eseguiTest(QStringLiteral("INSERT INTO tecnici (idTecn, sigla_tecnico, tecnico) VALUES (3, 'T3', 'BIANCHI')"));
        const int quanti = 60;
        for (int n = 1; n <= quanti; ++n) {
            eseguiTest(QStringLiteral("INSERT INTO clienti (idCli, cognome) VALUES (?, ?)"),
                       {n, QStringLiteral("CLIENTE%1").arg(n)});
            eseguiTest(QStringLiteral("INSERT INTO chiamate (idChiamata, cod_cliente) VALUES (?, ?)"), {n, n});
            eseguiTest(QStringLiteral("INSERT INTO interventi (cod_chiamata, cod_tecnico, data_int, ora_inizio) "
                                      "VALUES (?, 3, '2026-12-09', ?)"),
                       {n, QTime(6, 0).addSecs(n * 60).toString(QStringLiteral("hh:mm"))});
        }
        const PdfLetto pdf = stampa(QStringLiteral("giro.rpt"));
        QVERIFY(pdf.pagine.size() >= 2);
        for (int i = 0; i < pdf.pagine.size(); ++i) {
            for (const QString& testo : {QStringLiteral("Orario"), QStringLiteral("Tecnico: T3 - BIANCHI"),
                                         QStringLiteral("Giorno: 09/12/2026"), QStringLiteral("Pagina %1").arg(i + 1)})
                QVERIFY2(pdf.pagine[i].contains(testo), qPrintable(testo));
        }
        double piede = 0;
        for (const PdfLetto::Parola& p : pdf.parole)
            if (p.testo == QStringLiteral("Pagina"))
                piede = p.mm.top();
        for (int n = 1; n <= quanti; ++n) {
            const QString cliente = QStringLiteral("CLIENTE%1").arg(n);
            const auto volte = std::count_if(pdf.parole.begin(), pdf.parole.end(),
                                             [&](const PdfLetto::Parola& p) { return p.testo == cliente; });
            QCOMPARE(volte, 1);
        }
        for (const PdfLetto::Parola& p : pdf.parole)
            if (qAbs(p.mm.top() - piede) > 0.5) // not the footer itself
                QVERIFY2(p.mm.bottom() < piede, qPrintable(p.testo));
    }

    void giroConFormula()
    {
        preparaGiro();
        const PdfLetto pdf = stampa(QStringLiteral("giro.rpt"),
                                    QStringLiteral("{tecnici.idtecn}=3 AND {clienti.cod_zona}=2 AND "
                                                   "{interventi.data_int}>=Date (2026,12,9) AND "
                                                   "{interventi.data_int}<=Date (2026,12,10)  AND "
                                                   "({interventi.cod_stato_int}='DA SVOLGERE' OR "
                                                   "{interventi.cod_stato_int}='SOSPESO')"));
        QCOMPARE(pdf.pagine.size(), 1);
        QCOMPARE(pdf.parola(QStringLiteral("ALFA")).pagina, 0);
        QCOMPARE(pdf.parola(QStringLiteral("BETA")).pagina, 0);
        for (const char* assente : {"GAMMA", "DELTA", "EPSILON", "ZETA", "ETA", "D'ANGELO", "08/12/2026"})
            QVERIFY2(pdf.parola(QString::fromUtf8(assente)).pagina < 0, assente);
    }
};

CORVEXT_TEST_MAIN(TestStampeReport)
#include "test_stampe_report.moc"
