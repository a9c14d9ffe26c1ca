#include "platform/excel/archivio_zip.h"
#include "platform/excel/errore_excel.h"
#include <QFile>
#include <QFileInfo>
#include <zip.h>
#include <memory>

namespace {

// No part of a workbook this program exchanges comes near this; a larger one is refused
// before it is inflated.
constexpr zip_uint64_t massimoParte = 512ull * 1024 * 1024;

struct ChiudiZip {
    void operator()(zip_t* z) const { zip_discard(z); }
};
struct ChiudiFile {
    void operator()(zip_file_t* f) const { zip_fclose(f); }
};

QString erroreZip(zip_t* z)
{
    return QString::fromLocal8Bit(zip_strerror(z));
}

} // namespace

ArchivioZip ArchivioZip::leggi(const QString& percorso)
{
    int codice = 0;
    std::unique_ptr<zip_t, ChiudiZip> z(zip_open(QFile::encodeName(percorso).constData(), ZIP_RDONLY, &codice));
    if (!z) {
        zip_error_t errore;
        zip_error_init_with_code(&errore, codice);
        const QString testo = QString::fromLocal8Bit(zip_error_strerror(&errore));
        zip_error_fini(&errore);
        throw ErroreExcel(QStringLiteral("l'archivio non è leggibile (%1)").arg(testo));
    }
    ArchivioZip archivio;
    const zip_int64_t quante = zip_get_num_entries(z.get(), 0);
    for (zip_int64_t i = 0; i < quante; ++i) {
        zip_stat_t stato;
        if (zip_stat_index(z.get(), zip_uint64_t(i), 0, &stato) != 0)
            throw ErroreExcel(QStringLiteral("l'archivio non è leggibile (%1)").arg(erroreZip(z.get())));
        const QString nome = QString::fromUtf8(stato.name);
        if (stato.size > massimoParte)
            throw ErroreExcel(QStringLiteral("la parte %1 è troppo grande").arg(nome));
        std::unique_ptr<zip_file_t, ChiudiFile> f(zip_fopen_index(z.get(), zip_uint64_t(i), 0));
        if (!f)
            throw ErroreExcel(QStringLiteral("la parte %1 non è leggibile (%2)").arg(nome, erroreZip(z.get())));
        QByteArray dati(qsizetype(stato.size), Qt::Uninitialized);
        const zip_int64_t letti = zip_fread(f.get(), dati.data(), stato.size);
        if (letti < 0 || zip_uint64_t(letti) != stato.size)
            throw ErroreExcel(QStringLiteral("la parte %1 non è leggibile (%2)")
                                  .arg(nome, QString::fromLocal8Bit(zip_error_strerror(zip_file_get_error(f.get())))));
        archivio.voci.emplace_back(nome, std::move(dati));
    }
    return archivio;
}

void ArchivioZip::scrivi(const QString& percorso) const
{
    const QFileInfo info(percorso);
    constexpr auto scrittura = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    if (info.exists() && (!info.isWritable() || !(info.permissions() & scrittura)))
        throw ErroreExcel(QStringLiteral("il file %1 è di sola lettura").arg(percorso));
    int codice = 0;
    std::unique_ptr<zip_t, ChiudiZip> z(
        zip_open(QFile::encodeName(percorso).constData(), ZIP_CREATE | ZIP_TRUNCATE, &codice));
    if (!z)
        throw ErroreExcel(QStringLiteral("il file %1 non si può scrivere").arg(percorso));
    for (const auto& [nome, dati] : voci) {
        zip_source_t* sorgente = zip_source_buffer(z.get(), dati.constData(), zip_uint64_t(dati.size()), 0);
        const zip_int64_t indice =
            sorgente ? zip_file_add(z.get(), nome.toUtf8().constData(), sorgente, ZIP_FL_ENC_UTF_8) : -1;
        if (indice < 0) {
            zip_source_free(sorgente);
            throw ErroreExcel(QStringLiteral("il file %1 non si può scrivere (%2)").arg(percorso, erroreZip(z.get())));
        }
        // Level 1: a large sheet compresses several times faster, a little less tightly.
        zip_set_file_compression(z.get(), zip_uint64_t(indice), ZIP_CM_DEFLATE, 1);
    }
    if (zip_close(z.get()) != 0)
        throw ErroreExcel(QStringLiteral("il file %1 non si può scrivere (%2)").arg(percorso, erroreZip(z.get())));
    z.release();
}

QByteArray ArchivioZip::parte(const QString& nome) const
{
    for (const auto& [n, dati] : voci)
        if (n == nome)
            return dati.isNull() ? QByteArray("") : dati;
    return {};
}

void ArchivioZip::poni(const QString& nome, QByteArray contenuto)
{
    for (auto& [n, dati] : voci)
        if (n == nome) {
            dati = std::move(contenuto);
            return;
        }
    voci.emplace_back(nome, std::move(contenuto));
}

void ArchivioZip::togli(const QString& nome)
{
    std::erase_if(voci, [&](const auto& voce) { return voce.first == nome; });
}
