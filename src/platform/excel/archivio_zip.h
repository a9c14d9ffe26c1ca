#pragma once
#include <QByteArray>
#include <QString>
#include <memory>
#include <vector>

class ContoLibro;
struct zip;
struct zip_file;

// An entry of a zip file read a piece at a time.
class FlussoZip {
public:
    FlussoZip(std::shared_ptr<zip> sorgente, zip_file* file, QString nome, qint64& gonfiati);
    ~FlussoZip();
    FlussoZip(const FlussoZip&) = delete;
    FlussoZip& operator=(const FlussoZip&) = delete;

    // Up to n bytes into dati; 0 at the end. Throws ErroreExcel when the entry is damaged
    // or goes past the caps.
    qint64 leggi(char* dati, qint64 n);

private:
    std::shared_ptr<zip> sorgente;
    zip_file* file;
    QString nome;
    qint64 letti = 0;
    qint64& gonfiati;
};

// The entries of a zip file in their order. Those of the file read are inflated only when
// asked for, each one and all of them together within a cap; saving copies the untouched
// ones as they are compressed.
class ArchivioZip {
public:
    // Reads the list of entries, their names kept in the account; throws ErroreExcel when the
    // file is no readable zip, or past a limit.
    static ArchivioZip leggi(const QString& percorso, ContoLibro& conto);
    // Writes the entries to a new file that then takes the path's place.
    void scrivi(const QString& percorso) const;

    bool contiene(const QString& nome) const { return trova(nome) != nullptr; }
    // The entry's content; null when there is no such entry. Throws ErroreExcel.
    QByteArray parte(const QString& nome) const;
    // The entry as a stream; null when there is no such entry. Throws ErroreExcel.
    std::unique_ptr<FlussoZip> flusso(const QString& nome) const;
    void poni(const QString& nome, QByteArray contenuto);
    void togli(const QString& nome);

private:
    struct Voce {
        QString nome;
        qint64 indice = -1;  // the entry in the file read; -1 for one put in since
        QByteArray contenuto; // for one put in
    };
    const Voce* trova(const QString& nome) const;

    std::shared_ptr<zip> sorgente;
    std::vector<Voce> voci;
    mutable qint64 gonfiati = 0; // bytes inflated so far
};
