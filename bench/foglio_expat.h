#pragma once
#include <QFile>
#include <QString>
#include <cstdlib>
#include <cstring>
#include <expat.h>
#include <functional>
#include <string>
#include <vector>
#include <zip.h>

// The limit of the benchmarks that read workbooks: the sheet streamed by expat, a parser not
// ours, as libzip inflates it, after its shared strings. Each row is handed over with its
// cells' texts by column (0 for A), a shared string found by its number.
class FoglioExpat {
public:
    using Riga = std::function<void(int numero, const std::vector<std::string>& celle)>;

    static void leggi(const QString& file, const Riga& riga)
    {
        zip_t* z = zip_open(QFile::encodeName(file).constData(), ZIP_RDONLY, nullptr);
        if (!z)
            return;
        FoglioExpat f(riga);
        f.parte(z, "xl/sharedStrings.xml");
        f.parte(z, "xl/worksheets/sheet1.xml");
        zip_discard(z);
    }

private:
    explicit FoglioExpat(const Riga& riga) : consegna(riga) {}

    void parte(zip_t* z, const char* nome)
    {
        zip_file_t* f = zip_fopen(z, nome, 0);
        if (!f)
            return;
        XML_Parser p = XML_ParserCreate(nullptr);
        XML_SetUserData(p, this);
        XML_SetElementHandler(p, inizio, fine);
        XML_SetCharacterDataHandler(p, caratteri);
        static char buffer[256 * 1024];
        for (zip_int64_t n; (n = zip_fread(f, buffer, sizeof buffer)) > 0;)
            XML_Parse(p, buffer, int(n), 0);
        XML_Parse(p, nullptr, 0, 1);
        XML_ParserFree(p);
        zip_fclose(f);
    }

    static bool e(const char* elemento, const char* atteso)
    {
        const char* dopo = std::strchr(elemento, ':');
        return std::strcmp(dopo ? dopo + 1 : elemento, atteso) == 0;
    }

    static void XMLCALL inizio(void* dati, const char* elemento, const char** attributi)
    {
        auto* f = static_cast<FoglioExpat*>(dati);
        if (e(elemento, "t") || e(elemento, "v")) {
            f->inTesto = true;
        } else if (e(elemento, "si")) {
            f->testo.clear();
        } else if (e(elemento, "row")) {
            for (std::string& c : f->celle)
                c.clear();
            for (const char** a = attributi; *a; a += 2)
                if (std::strcmp(a[0], "r") == 0)
                    f->riga = std::atoi(a[1]);
        } else if (e(elemento, "c")) {
            f->testo.clear();
            f->condiviso = false;
            f->colonna = 0;
            for (const char** a = attributi; *a; a += 2) {
                if (std::strcmp(a[0], "t") == 0)
                    f->condiviso = std::strcmp(a[1], "s") == 0;
                if (std::strcmp(a[0], "r") == 0)
                    for (const char* l = a[1]; *l >= 'A' && *l <= 'Z'; ++l)
                        f->colonna = f->colonna * 26 + (*l - 'A' + 1);
            }
            --f->colonna;
        }
    }

    static void XMLCALL fine(void* dati, const char* elemento)
    {
        auto* f = static_cast<FoglioExpat*>(dati);
        if (e(elemento, "t") || e(elemento, "v")) {
            f->inTesto = false;
        } else if (e(elemento, "si")) {
            f->condivisi.push_back(f->testo);
        } else if (e(elemento, "c") && f->colonna >= 0) {
            if (f->celle.size() <= std::size_t(f->colonna))
                f->celle.resize(std::size_t(f->colonna) + 1);
            const std::size_t n = std::strtoul(f->testo.c_str(), nullptr, 10);
            f->celle[std::size_t(f->colonna)] = f->condiviso && n < f->condivisi.size() ? f->condivisi[n] : f->testo;
        } else if (e(elemento, "row")) {
            f->consegna(f->riga, f->celle);
        }
    }

    static void XMLCALL caratteri(void* dati, const char* testo, int lunghezza)
    {
        auto* f = static_cast<FoglioExpat*>(dati);
        if (f->inTesto)
            f->testo.append(testo, std::size_t(lunghezza));
    }

    const Riga& consegna;
    std::vector<std::string> condivisi, celle;
    std::string testo;
    bool inTesto = false, condiviso = false;
    int riga = 0, colonna = -1;
};
