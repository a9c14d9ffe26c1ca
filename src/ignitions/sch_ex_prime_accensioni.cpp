#include "ignitions/sch_ex_prime_accensioni.h"
#include "common/elenchi.h"
#include "common/funzioni.h"
#include "platform/db/testi_sql.h"
#include "platform/ui/campo_data.h"
#include "platform/ui/controlli.h"
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace Qt::StringLiterals;

schExPrimeAccensioni::schExPrimeAccensioni() : FinestraEsportazione(u"Esporta Prime Accensioni"_s) {}

QWidget* schExPrimeAccensioni::costruisciScelte(QWidget* forma)
{
    auto* w = new QWidget(forma);
    auto* l = new QVBoxLayout(w);
    l->setContentsMargins(0, 0, 0, 0);
    marche = controllo<QListWidget>(w, u"lstElencoMarche"_s);
    marche->setSelectionMode(QAbstractItemView::MultiSelection);
    l->addWidget(etichetta(w, u"&Marca"_s, marche));
    l->addWidget(marche);

    auto* tipo = new QGroupBox(u"Tipo di esportazione"_s, w);
    auto* lt = new QHBoxLayout(tipo);
    completa = opzione(tipo, u"optCompleta"_s, u"Completa"_s);
    completa->setChecked(true);
    rur = opzione(tipo, u"optRUR"_s, u"RUR - DUZ"_s);
    lt->addWidget(completa);
    lt->addWidget(rur);
    l->addWidget(tipo);
    return w;
}

QListWidget* schExPrimeAccensioni::lstElencoMarche()
{
    forma();
    return marche;
}

QRadioButton* schExPrimeAccensioni::optCompleta()
{
    forma();
    return completa;
}

QRadioButton* schExPrimeAccensioni::optRUR()
{
    forma();
    return rur;
}

void schExPrimeAccensioni::alCaricamento()
{
    riempiMarche();
}

void schExPrimeAccensioni::riempiMarche()
{
    // Every brand, deleted ones too; a Null code or name gives an empty entry.
    gestisci([this] {
        Recordset rs = elencoCodici(Codici::marche, u"descrMarca"_s,
                                    {.righe = ComeElenco::ancheEliminate, .ordine = ComeElenco::perSigla});
        QListWidget* lista = lstElencoMarche();
        lista->clear();
        for (; !rs.eof(); rs.moveNext()) {
            auto* voce = new QListWidgetItem(nz(rs[u"descrMarca"_s]).toString(), lista);
            voce->setData(Qt::UserRole, rs[u"idMarca"_s]);
        }
    });
}

bool schExPrimeAccensioni::check()
{
    return !lstElencoMarche()->selectedItems().isEmpty();
}

QString schExPrimeAccensioni::componiSELECT()
{
    QStringList chiavi;
    QListWidget* lista = lstElencoMarche();
    for (int i = 0; i < lista->count(); ++i)
        if (lista->item(i)->isSelected())
            chiavi << QString::number(lista->item(i)->data(Qt::UserRole).toLongLong());
    auto& c = controlli();
    return u"SELECT * FROM primeAccensioni where (data_coll >=#"_s + dataSQL(c.dtpDataDa->date())
           + u"# and data_coll <=#"_s + dataSQL(c.dtpDataA->date()) + u"#) and idMarca in ("_s + chiavi.join(u',')
           + u")"_s;
}

void schExPrimeAccensioni::esportaSelezione(Recordset& rs)
{
    esportaExcelCompleta(rs);
    if (optRUR()->isChecked())
        esportaExcelDUZ(rs);
}

void schExPrimeAccensioni::esportaExcelCompleta(Recordset& rs)
{
    const TracciatoAccensioni tracciato(rs, TracciatoAccensioni::Tipo::completo);
    esporta(u"completa da "_s, rs, [&tracciato](const Recordset& r, RigaTracciato& riga) { tracciato.riga(r, riga); });
}

void schExPrimeAccensioni::esportaExcelDUZ(Recordset& rs)
{
    const TracciatoAccensioni tracciato(rs, TracciatoAccensioni::Tipo::duz);
    esporta(u"DUZ da "_s, rs, [&tracciato](const Recordset& r, RigaTracciato& riga) { tracciato.riga(r, riga); });
}
