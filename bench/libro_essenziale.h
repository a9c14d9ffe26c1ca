#pragma once
#include <QFile>
#include <QString>
#include <algorithm>
#include <string>
#include <vector>
#include <zip.h>

// The limit of the benchmarks that write workbooks: the template's other parts copied as they
// are and the sheet's XML written straight into the zip by libzip, deflated as fast as ours, the template's heading row
// kept, every cell an inline text in the text style (the template's style 1, "@"), each
// column as wide as its longest text.
inline void scriviLibroEssenziale(const QString& modello, const QString& file,
                                  const std::vector<std::vector<std::string>>& righe)
{
    const auto lettere = [](std::size_t colonna) {
        std::string l;
        for (std::size_t c = colonna + 1; c > 0; c = (c - 1) / 26)
            l.insert(l.begin(), char('A' + (c - 1) % 26));
        return l;
    };
    std::vector<std::size_t> larghezze;
    std::string celle;
    for (std::size_t r = 0; r < righe.size(); ++r) {
        const std::string numero = std::to_string(r + 2);
        celle += "<row r=\"" + numero + "\">";
        for (std::size_t c = 0; c < righe[r].size(); ++c) {
            const std::string& testo = righe[r][c];
            larghezze.resize(std::max(larghezze.size(), c + 1));
            larghezze[c] = std::max(larghezze[c], testo.size());
            celle += "<c r=\"" + lettere(c) + numero + "\" s=\"1\" t=\"inlineStr\"><is><t>";
            for (const char ch : testo) {
                if (ch == '&')
                    celle += "&amp;";
                else if (ch == '<')
                    celle += "&lt;";
                else if (ch == '>')
                    celle += "&gt;";
                else
                    celle += ch;
            }
            celle += "</t></is></c>";
        }
        celle += "</row>";
    }
    std::string colonne = "<cols>";
    for (std::size_t c = 0; c < larghezze.size(); ++c)
        colonne += "<col min=\"" + std::to_string(c + 1) + "\" max=\"" + std::to_string(c + 1) + "\" width=\""
                   + std::to_string(larghezze[c] + 2) + "\" customWidth=\"1\" style=\"1\"/>";
    colonne += "</cols>";

    QFile::remove(file);
    zip_t* sorgente = zip_open(QFile::encodeName(modello).constData(), ZIP_RDONLY, nullptr);
    zip_t* libro = zip_open(QFile::encodeName(file).constData(), ZIP_CREATE | ZIP_TRUNCATE, nullptr);
    const char* foglio = "xl/worksheets/sheet1.xml";
    std::string xml;
    for (zip_int64_t i = 0; i < zip_get_num_entries(sorgente, 0); ++i) {
        const char* nome = zip_get_name(sorgente, zip_uint64_t(i), 0);
        if (std::string(nome) != foglio) {
            zip_file_add(libro, nome, zip_source_zip(libro, sorgente, zip_uint64_t(i), 0, 0, -1), 0);
            continue;
        }
        // The template's sheet with its heading row: the columns and the rows go into it.
        zip_file_t* f = zip_fopen_index(sorgente, zip_uint64_t(i), 0);
        char buffer[64 * 1024];
        for (zip_int64_t n; (n = zip_fread(f, buffer, sizeof buffer)) > 0;)
            xml.append(buffer, std::size_t(n));
        zip_fclose(f);
        const std::size_t inizioCols = xml.find("<cols>"), fineCols = xml.find("</cols>");
        if (inizioCols != std::string::npos && fineCols != std::string::npos)
            xml.replace(inizioCols, fineCols + 7 - inizioCols, colonne);
        xml.insert(xml.find("</sheetData>"), celle);
    }
    // Deflated at the program's own level, the fastest.
    const zip_int64_t indice = zip_file_add(libro, foglio, zip_source_buffer(libro, xml.data(), xml.size(), 0), ZIP_FL_OVERWRITE);
    zip_set_file_compression(libro, zip_uint64_t(indice), ZIP_CM_DEFLATE, 1);
    zip_close(libro);
    zip_discard(sorgente);
}
