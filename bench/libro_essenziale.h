#pragma once
#include <QFile>
#include <QString>
#include <algorithm>
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>
#include <zip.h>

// The limit of the benchmarks that write workbooks: the template's other parts copied as they
// are and the sheet's XML written by a plain loop into one buffer, deflated by libzip at the
// program's own level (1, the fastest). The template's heading row is kept, every cell is an
// inline text in the text style (the template's style 1, "@"), and each column that holds a
// text becomes as wide as its longest one, heading included, as the program fits it.
class LibroEssenziale {
public:
    explicit LibroEssenziale(const QString& modello) : modello(modello)
    {
        zip_t* sorgente = zip_open(QFile::encodeName(modello).constData(), ZIP_RDONLY, nullptr);
        zip_file_t* f = zip_fopen(sorgente, foglio, 0);
        char buffer[64 * 1024];
        for (zip_int64_t n; (n = zip_fread(f, buffer, sizeof buffer)) > 0;)
            scheletro.append(buffer, std::size_t(n));
        zip_fclose(f);
        zip_discard(sorgente);
        // The heading row stays as it is, and its texts count for the widths.
        const std::size_t inizio = scheletro.find("<sheetData>") + 11, fine = scheletro.find("</sheetData>");
        celle.assign(scheletro, inizio, fine - inizio);
        for (std::size_t c = celle.find("<c r=\""); c != std::string::npos; c = celle.find("<c r=\"", c + 1)) {
            const std::size_t testo = celle.find("<t>", c) + 3;
            std::size_t colonna = 0;
            for (std::size_t i = c + 6; celle[i] >= 'A' && celle[i] <= 'Z'; ++i)
                colonna = colonna * 26 + std::size_t(celle[i] - 'A' + 1);
            misura(colonna - 1, std::string_view(celle).substr(testo, celle.find("</t>", testo) - testo));
        }
        scheletro.erase(inizio, fine - inizio);
        celle.reserve(32 << 20);
    }

    // Starts the next row, row 2 first.
    void riga()
    {
        if (numero > 1)
            celle += "</row>";
        ++numero;
        numeroTesto = std::to_string(numero);
        celle += "<row r=\"";
        celle += numeroTesto;
        celle += "\">";
    }

    // A cell of the row, column 0 for A, after the row's cells before it; an empty text writes none.
    void cella(std::size_t colonna, std::string_view testo)
    {
        if (testo.empty())
            return;
        misura(colonna, testo);
        ultimaColonna = std::max(ultimaColonna, colonna);
        celle += "<c r=\"";
        celle += lettere(colonna);
        celle += numeroTesto;
        celle += "\" s=\"1\" t=\"inlineStr\"><is><t>";
        std::size_t scritto = 0;
        for (std::size_t i = 0; i < testo.size(); ++i) {
            const char* sostituto = testo[i] == '&' ? "&amp;" : testo[i] == '<' ? "&lt;" : testo[i] == '>' ? "&gt;" : nullptr;
            if (!sostituto)
                continue;
            celle.append(testo.substr(scritto, i - scritto));
            celle += sostituto;
            scritto = i + 1;
        }
        celle.append(testo.substr(scritto));
        celle += "</t></is></c>";
    }

    // The workbook written into file; the rows end here.
    void salva(const QString& file)
    {
        if (numero > 1)
            celle += "</row>";
        std::string colonne;
        for (std::size_t c = 0; c < larghezze.size(); ++c) {
            if (larghezze[c] == 0)
                continue;
            char larghezza[32];
            std::snprintf(larghezza, sizeof larghezza, "%.10g", std::min(255.0, double(larghezze[c]) * 1.1 + 2));
            colonne += "<col min=\"" + std::to_string(c + 1) + "\" max=\"" + std::to_string(c + 1) + "\" width=\""
                       + larghezza + "\" customWidth=\"1\" style=\"1\"/>";
        }
        // The columns fitted take the place of the template's own (one each, from A); the others stay.
        std::string inizio = scheletro.substr(0, scheletro.find("</sheetData>"));
        const std::size_t inizioCols = inizio.find("<cols>") + 6;
        std::size_t fineAdattate = inizioCols;
        for (std::size_t c = 0; c < larghezze.size(); ++c)
            if (larghezze[c] > 0)
                fineAdattate = inizio.find("/>", inizio.find("<col ", fineAdattate)) + 2;
        inizio.replace(inizioCols, fineAdattate - inizioCols, colonne);
        const std::size_t ref = inizio.find("ref=\"", inizio.find("<dimension")) + 5;
        inizio.replace(ref, inizio.find('"', ref) - ref, "A1:" + lettere(ultimaColonna) + std::to_string(numero));
        const std::string_view fine = std::string_view(scheletro).substr(scheletro.find("</sheetData>"));

        QFile::remove(file);
        zip_t* sorgente = zip_open(QFile::encodeName(modello).constData(), ZIP_RDONLY, nullptr);
        zip_t* libro = zip_open(QFile::encodeName(file).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
        for (zip_int64_t i = 0; i < zip_get_num_entries(sorgente, 0); ++i) {
            const char* nome = zip_get_name(sorgente, zip_uint64_t(i), 0);
            if (std::string_view(nome) != foglio)
                zip_file_add(libro, nome, zip_source_zip(libro, sorgente, zip_uint64_t(i), 0, 0, -1), 0);
        }
        // The sheet as its three pieces, the rows where they were written, not copied.
        zip_buffer_fragment_t pezzi[] = {{reinterpret_cast<zip_uint8_t*>(inizio.data()), inizio.size()},
                                          {reinterpret_cast<zip_uint8_t*>(celle.data()), celle.size()},
                                          {reinterpret_cast<zip_uint8_t*>(const_cast<char*>(fine.data())), fine.size()}};
        const zip_int64_t indice = zip_file_add(libro, foglio, zip_source_buffer_fragment(libro, pezzi, 3, 0), ZIP_FL_OVERWRITE);
        zip_set_file_compression(libro, zip_uint64_t(indice), ZIP_CM_DEFLATE, 1);
        zip_close(libro);
        zip_discard(sorgente);
    }

    // The rows as they are in the sheet (sheetData's content), once saved.
    const std::string& righe() const { return celle; }

private:
    static constexpr const char* foglio = "xl/worksheets/sheet1.xml";

    static std::string lettere(std::size_t colonna)
    {
        std::string l;
        for (std::size_t c = colonna + 1; c > 0; c = (c - 1) / 26)
            l.insert(l.begin(), char('A' + (c - 1) % 26));
        return l;
    }

    // The width of the column counts the text's characters (UTF-8 lead bytes), line by line.
    void misura(std::size_t colonna, std::string_view testo)
    {
        larghezze.resize(std::max(larghezze.size(), colonna + 1));
        std::size_t linea = 0;
        for (const char c : testo) {
            if (c == '\n')
                linea = 0;
            else if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
                larghezze[colonna] = std::max(larghezze[colonna], ++linea);
        }
    }

    QString modello;
    std::string scheletro; // the template's sheet, without rows
    std::string celle;     // the rows, the template's heading row first
    std::vector<std::size_t> larghezze;
    std::size_t ultimaColonna = 0;
    int numero = 1;
    std::string numeroTesto;
};

// The rows of a written workbook's sheet (sheetData's content), for the check that a limit wrote
// what the program wrote.
inline std::string righeScritte(const QString& file)
{
    zip_t* libro = zip_open(QFile::encodeName(file).constData(), ZIP_RDONLY, nullptr);
    if (!libro)
        return {};
    std::string xml;
    if (zip_file_t* f = zip_fopen(libro, "xl/worksheets/sheet1.xml", 0)) {
        char buffer[64 * 1024];
        for (zip_int64_t n; (n = zip_fread(f, buffer, sizeof buffer)) > 0;)
            xml.append(buffer, std::size_t(n));
        zip_fclose(f);
    }
    zip_discard(libro);
    const std::size_t inizio = xml.find("<sheetData>"), fine = xml.find("</sheetData>");
    return inizio == std::string::npos || fine == std::string::npos ? std::string() : xml.substr(inizio + 11, fine - inizio - 11);
}
