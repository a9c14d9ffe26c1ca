#pragma once
#include <QByteArray>
#include <QString>
#include <utility>
#include <vector>

// The entries of a zip file, held in memory in their order.
class ArchivioZip {
public:
    // Reads every entry; throws ErroreExcel when the file is no readable zip.
    static ArchivioZip leggi(const QString& percorso);
    // Writes the entries to a new file that then takes the path's place.
    void scrivi(const QString& percorso) const;

    // The entry's content; null when there is no such entry.
    QByteArray parte(const QString& nome) const;
    void poni(const QString& nome, QByteArray contenuto);
    void togli(const QString& nome);

private:
    std::vector<std::pair<QString, QByteArray>> voci;
};
