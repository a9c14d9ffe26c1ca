#include "ignitions/esportazione_excel.h"
#include "common/funzioni.h"
#include "ignitions/avanzamento.h"
#include "ignitions/date_accensioni.h"
#include "ignitions/mod_excel.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/recordset.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/foglio.h"
#include "platform/ui/messaggi.h"
#include <QFile>
#include <QFileInfo>
#include <QLabel>

using namespace Qt::StringLiterals;

namespace {
void impossibileAprire(const QString& nome)
{
    messaggio(u"Impossibilità di aprire il file "_s + nome + u"... procedura interrotta!"_s, stile::esclamazione);
}

// The file may be written: there was none, or the operator let it go and it is gone.
bool fileLibero(const QString& cartella, const QString& nome)
{
    const QString percorso = cartella + u'/' + nome;
    if (!QFileInfo::exists(percorso))
        return true;
    const QString domanda = u"Attenzione! la procedura per poter funzionare neccessità che non ci sia il file "_s + nome
                            + u" nella cartella:"_s + cartella + u"  ... procedere con l'eliminazione del file "_s + nome;
    if (!confermaEliminazione(domanda)) {
        messaggio(u"Procedura di stampa terminata per impossibilità dovuta alla non cancellazione del file "_s + nome,
                  stile::esclamazione);
        return false;
    }
    // Mended: a file that cannot be deleted is never written over.
    if (!QFile::remove(percorso)) {
        impossibileAprire(nome);
        return false;
    }
    return true;
}

void scriviRiga(const RigaTracciato& valori, int riga)
{
    Foglio* foglio = foglioExcel();
    if (!foglio)
        throw ErroreExcel(u"Nessuna cartella di lavoro aperta"_s);
    const QString numero = QString::number(riga);
    QString colonna = u"A"_s;
    for (const std::optional<QString>& v : valori) {
        if (v)
            foglio->scrivi(colonna + numero, *v);
        colonna = colonnaSuccessiva(colonna);
    }
}

void segnala(const std::exception_ptr& errore)
{
    try {
        std::rethrow_exception(errore);
    } catch (const std::exception& e) {
        segnalaErrore(e);
    }
}
} // namespace

QString nomeFileEsportazione(const QString& prefisso, const QDate& da, const QDate& a)
{
    const auto parte = [](const QDate& d) { return testoData(d).replace(u'/', u'-').trimmed(); };
    return prefisso + parte(da) + u" a "_s + parte(a) + u".xlsx"_s;
}

void esportaExcel(const Esportazione& e, Recordset& rs)
{
    chiudiExcel();
    const QString cartella = cartellaProgramma();
    const QString nome = nomeFileEsportazione(e.prefisso, e.da, e.a);
    if (!fileLibero(cartella, nome))
        return;
    const QString percorso = cartella + u'/' + nome;
    // A missing template shows when the copy is opened.
    if (QFile::copy(cartella + u"/template.xlsx"_s, percorso))
        QFile::setPermissions(percorso, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
    if (!apriFileExcel(percorso)) {
        impossibileAprire(nome);
        return;
    }

    // A row that cannot be written is skipped; the last error replaces the success message.
    std::exception_ptr errore;
    int riga = 2;
    e.lblNum->setVisible(true);
    Avanzamento avanzamento(e.lblNum);
    for (rs.moveFirst(); !rs.eof(); rs.moveNext(), ++riga) {
        avanzamento.segna(riga - 1);
        try {
            scriviRiga(e.riga(rs), riga);
        } catch (const std::exception&) {
            errore = std::current_exception();
        }
    }
    try {
        foglioExcel()->formattaTesto();
        foglioExcel()->adattaColonne();
    } catch (const std::exception&) {
        errore = std::current_exception();
    }
    if (!salvaFileExcel())
        return;
    if (errore)
        segnala(errore);
    else
        messaggio(u"Esportazione avvenuta con successo...il file si trova nella cartella:\r\n"_s + cartella
                      + u" con il nome \r\n"_s + nome,
                  stile::esclamazione);
}
