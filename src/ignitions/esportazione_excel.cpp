#include "ignitions/esportazione_excel.h"
#include "common/funzioni.h"
#include "ignitions/avanzamento.h"
#include "ignitions/date_accensioni.h"
#include "ignitions/mod_excel.h"
#include "platform/ambiente/ambiente.h"
#include "platform/db/recordset.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/foglio.h"
#include "platform/excel/libro_excel.h"
#include "platform/ui/messaggi.h"
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstring>

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
    for (int colonna = 0; colonna < colonneTracciato; ++colonna)
        if (const auto testo = valori.cella(colonna))
            foglio->scrivi(riga, colonna + 1, *testo);
}

// The workbook being written lies in the program folder under a name no export has, with the
// number of the process that writes it; libzip's own copy while it saves adds a suffix.
const QString inizioTemporaneo = u".esportazione-in-corso-"_s;

QString fileTemporaneo(const QString& cartella)
{
    return cartella + u'/' + inizioTemporaneo + QString::number(QCoreApplication::applicationPid()) + u".tmp"_s;
}

// Removes what an export killed before its end left: the workbooks of processes that are gone.
void rimuoviTemporaneiAbbandonati(const QString& cartella)
{
    const QDir dir(cartella);
    for (const QString& nome : dir.entryList({inizioTemporaneo + u'*'}, QDir::Files | QDir::Hidden | QDir::System)) {
        const qint64 processo = nome.mid(inizioTemporaneo.size()).section(u'.', 0, 0).toLongLong();
        const bool vivo = processo > 0 && processo != QCoreApplication::applicationPid()
                          && (::kill(pid_t(processo), 0) == 0 || errno == EPERM);
        if (!vivo)
            QFile::remove(dir.filePath(nome));
    }
}

// The template copied into the workbook to write, for the export `percorso`. Throws ErroreExcel.
void copiaTemplate(const QString& cartella, const QString& temporaneo, const QString& percorso)
{
    QFile modello(cartella + u"/template.xlsx"_s);
    if (!modello.open(QIODevice::ReadOnly))
        throw ErroreExcel(u"Impossibile aprire il file %1: %2"_s.arg(modello.fileName(), modello.errorString()));
    const QByteArray dati = modello.readAll();
    QFile copia(temporaneo);
    if (!copia.open(QIODevice::WriteOnly | QIODevice::Truncate) || copia.write(dati) != dati.size() || !copia.flush())
        throw ErroreExcel(u"Il file %1 non si può scrivere (%2)"_s.arg(percorso, copia.errorString()));
    copia.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther);
}

// Saves the workbook and gives it the export's name. A failure leaves nothing under that name,
// and the common error box names the file.
bool salvaEsportazione(const QString& temporaneo, const QString& percorso)
{
    try {
        LibroExcel* libro = libroExcel();
        if (!libro)
            throw ErroreExcel(u"Nessuna cartella di lavoro aperta"_s);
        libro->salva();
        if (std::rename(QFile::encodeName(temporaneo).constData(), QFile::encodeName(percorso).constData()) != 0)
            throw ErroreExcel(
                u"Il file %1 non si può scrivere (%2)"_s.arg(percorso, QString::fromLocal8Bit(std::strerror(errno))));
        return true;
    } catch (const ErroreExcel& e) {
        QFile::remove(temporaneo);
        // The operator knows the workbook by the export's name.
        segnalaErrore(ErroreExcel(QString(e.descrizione).replace(temporaneo, percorso) + u": il file non è stato scritto"_s));
    }
    return false;
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
    rimuoviTemporaneiAbbandonati(cartella);
    const QString nome = nomeFileEsportazione(e.prefisso, e.da, e.a);
    if (!fileLibero(cartella, nome))
        return;
    const QString percorso = cartella + u'/' + nome;
    // Mended: the workbook is written under a name of its own and takes the export's name only
    // once it is whole, so that a full disk or a kill never leaves a part of an export behind.
    const QString temporaneo = fileTemporaneo(cartella);
    if (!gestisci([&] { copiaTemplate(cartella, temporaneo, percorso); }) || !apriFileExcel(temporaneo)) {
        QFile::remove(temporaneo);
        impossibileAprire(nome);
        return;
    }

    // A row that cannot be written is skipped; the last error replaces the success message.
    std::exception_ptr errore;
    int riga = 2;
    e.lblNum->setVisible(true);
    Avanzamento avanzamento(e.lblNum);
    RigaTracciato valori;
    for (rs.moveFirst(); !rs.eof(); rs.moveNext(), ++riga) {
        avanzamento.segna(riga - 1);
        try {
            valori.svuota();
            e.riga(rs, valori);
            scriviRiga(valori, riga);
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
    if (!salvaEsportazione(temporaneo, percorso))
        return;
    if (errore)
        segnala(errore);
    else
        messaggio(u"Esportazione avvenuta con successo...il file si trova nella cartella:\r\n"_s + cartella
                      + u" con il nome \r\n"_s + nome,
                  stile::esclamazione);
}
