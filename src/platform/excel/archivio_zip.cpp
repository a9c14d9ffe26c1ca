#include "platform/excel/archivio_zip.h"
#include "platform/excel/dati_binari.h"
#include "platform/excel/errore_excel.h"
#include "platform/excel/limiti_libro.h"
#include <QFile>
#include <QFileInfo>
#include <zip.h>
#include <memory>

namespace {

// The entries an end record claims (the zip64 one when it points to one), for the record at
// `dove` in the file's tail.
quint64 vociDelRecord(QFile& file, std::string_view coda, size_t dove)
{
    if (dove + 22 > coda.size())
        return 0;
    const uint16_t voci = u16(coda, dove + 10);
    if (voci != 0xFFFF || dove < 20 || coda.substr(dove - 20, 4) != std::string_view("PK\x06\x07", 4))
        return voci;
    const quint64 zip64 = quint64(u32(coda, dove - 20 + 8)) | quint64(u32(coda, dove - 20 + 12)) << 32;
    if (!file.seek(qint64(std::min<quint64>(zip64, quint64(file.size())))))
        return voci;
    const QByteArray record = file.read(40);
    if (record.size() < 40 || !record.startsWith("PK\x06\x06"))
        return voci;
    const std::string_view d(record.constData(), 40);
    return quint64(u32(d, 32)) | quint64(u32(d, 36)) << 32;
}

// The most entries any end record in the zip file's tail claims, read before the list of
// entries is: libzip takes one of them (not always the last: a comment may hold another).
quint64 vociDichiarate(const QString& percorso)
{
    QFile file(percorso);
    if (!file.open(QIODevice::ReadOnly))
        return 0;
    const qint64 lunghezza = std::min<qint64>(file.size(), 65535 + 22);
    file.seek(file.size() - lunghezza);
    const QByteArray fine = file.read(lunghezza);
    const std::string_view coda(fine.constData(), size_t(fine.size()));
    const std::string_view firma("PK\x05\x06", 4);
    quint64 voci = 0;
    for (size_t dove = coda.rfind(firma); dove != std::string_view::npos;
         dove = dove == 0 ? std::string_view::npos : coda.rfind(firma, dove - 1))
        voci = std::max(voci, vociDelRecord(file, coda, dove));
    return voci;
}

struct ChiudiZip {
    void operator()(zip_t* z) const { zip_discard(z); }
};

QString erroreZip(zip_t* z)
{
    return QString::fromLocal8Bit(zip_strerror(z));
}

} // namespace

FlussoZip::FlussoZip(std::shared_ptr<zip> sorgente, zip_file* file, QString nome, qint64& gonfiati)
    : sorgente(std::move(sorgente)), file(file), nome(std::move(nome)), gonfiati(gonfiati)
{
}

FlussoZip::~FlussoZip()
{
    zip_fclose(file);
}

qint64 FlussoZip::leggi(char* dati, qint64 n)
{
    const zip_int64_t quanti = zip_fread(file, dati, zip_uint64_t(n));
    if (quanti < 0)
        throw ErroreExcel(QStringLiteral("la parte %1 non è leggibile (%2)")
                              .arg(nome, QString::fromLocal8Bit(zip_error_strerror(zip_file_get_error(file)))));
    letti += quanti;
    gonfiati += quanti;
    if (letti > massimoParteDecompressa)
        throw superaLimiteMb(massimoParteDecompressa, "una parte dell'archivio, decompressa");
    if (gonfiati > massimoTotaleDecompresso)
        throw superaLimiteMb(massimoTotaleDecompresso, "le parti lette dell'archivio, decompresse");
    return quanti;
}

ArchivioZip ArchivioZip::leggi(const QString& percorso, ContoLibro& conto)
{
    // Each entry takes memory when libzip lists them: too many are refused before, and the
    // number libzip found is the one that counts.
    if (vociDichiarate(percorso) > quint64(massimoPartiArchivio))
        throw superaLimite(massimoPartiArchivio, "parti", "parti dell'archivio");
    int codice = 0;
    zip_t* aperto = zip_open(QFile::encodeName(percorso).constData(), ZIP_RDONLY, &codice);
    if (!aperto) {
        zip_error_t errore;
        zip_error_init_with_code(&errore, codice);
        const QString testo = QString::fromLocal8Bit(zip_error_strerror(&errore));
        zip_error_fini(&errore);
        throw ErroreExcel(QStringLiteral("l'archivio non è leggibile (%1)").arg(testo));
    }
    ArchivioZip archivio;
    archivio.sorgente.reset(aperto, ChiudiZip());
    const zip_int64_t quante = zip_get_num_entries(aperto, 0);
    if (quante > massimoPartiArchivio)
        throw superaLimite(massimoPartiArchivio, "parti", "parti dell'archivio");
    for (zip_int64_t i = 0; i < quante; ++i) {
        const char* nome = zip_get_name(aperto, zip_uint64_t(i), 0);
        if (!nome)
            throw ErroreExcel(QStringLiteral("l'archivio non è leggibile (%1)").arg(erroreZip(aperto)));
        Voce voce{QString::fromUtf8(nome), i, {}};
        conto.tieni(costoVoceTesti + byteTesto(voce.nome), "nomi delle parti dell'archivio");
        archivio.voci.push_back(std::move(voce));
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
    for (const Voce& voce : voci) {
        // An untouched entry is copied compressed as it is.
        zip_source_t* fonte = voce.indice >= 0
                                  ? zip_source_zip(z.get(), sorgente.get(), zip_uint64_t(voce.indice), 0, 0, -1)
                                  : zip_source_buffer(z.get(), voce.contenuto.constData(),
                                                      zip_uint64_t(voce.contenuto.size()), 0);
        const zip_int64_t indice =
            fonte ? zip_file_add(z.get(), voce.nome.toUtf8().constData(), fonte, ZIP_FL_ENC_UTF_8) : -1;
        if (indice < 0) {
            zip_source_free(fonte);
            throw ErroreExcel(QStringLiteral("il file %1 non si può scrivere (%2)").arg(percorso, erroreZip(z.get())));
        }
        // Level 1: a large sheet compresses several times faster, a little less tightly.
        if (voce.indice < 0)
            zip_set_file_compression(z.get(), zip_uint64_t(indice), ZIP_CM_DEFLATE, 1);
    }
    if (zip_close(z.get()) != 0)
        throw ErroreExcel(QStringLiteral("il file %1 non si può scrivere (%2)").arg(percorso, erroreZip(z.get())));
    z.release();
}

const ArchivioZip::Voce* ArchivioZip::trova(const QString& nome) const
{
    for (const Voce& v : voci)
        if (v.nome == nome)
            return &v;
    return nullptr;
}

std::unique_ptr<FlussoZip> ArchivioZip::flusso(const QString& nome) const
{
    const Voce* voce = trova(nome);
    if (!voce || voce->indice < 0)
        return nullptr;
    zip_stat_t stato;
    if (zip_stat_index(sorgente.get(), zip_uint64_t(voce->indice), 0, &stato) != 0)
        throw ErroreExcel(QStringLiteral("la parte %1 non è leggibile (%2)").arg(nome, erroreZip(sorgente.get())));
    if (stato.size > zip_uint64_t(massimoParteDecompressa))
        throw superaLimiteMb(massimoParteDecompressa, "una parte dell'archivio, decompressa");
    zip_file_t* file = zip_fopen_index(sorgente.get(), zip_uint64_t(voce->indice), 0);
    if (!file)
        throw ErroreExcel(QStringLiteral("la parte %1 non è leggibile (%2)").arg(nome, erroreZip(sorgente.get())));
    return std::make_unique<FlussoZip>(sorgente, file, nome, gonfiati);
}

QByteArray ArchivioZip::parte(const QString& nome) const
{
    const Voce* voce = trova(nome);
    if (!voce)
        return {};
    if (voce->indice < 0)
        return voce->contenuto.isNull() ? QByteArray("") : voce->contenuto;
    const std::unique_ptr<FlussoZip> f = flusso(nome);
    QByteArray dati("");
    for (qint64 letti = 0;;) {
        if (dati.size() - letti < 65536)
            dati.resize(dati.size() + std::max<qsizetype>(65536, dati.size() / 2));
        const qint64 n = f->leggi(dati.data() + letti, dati.size() - letti);
        if (n == 0) {
            dati.truncate(letti);
            return dati;
        }
        letti += n;
    }
}

void ArchivioZip::poni(const QString& nome, QByteArray contenuto)
{
    for (Voce& v : voci)
        if (v.nome == nome) {
            v.indice = -1;
            v.contenuto = std::move(contenuto);
            return;
        }
    voci.push_back({nome, -1, std::move(contenuto)});
}

void ArchivioZip::togli(const QString& nome)
{
    std::erase_if(voci, [&](const Voce& voce) { return voce.nome == nome; });
}
