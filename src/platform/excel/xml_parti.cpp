#include "platform/excel/xml_parti.h"
#include "platform/excel/errore_excel.h"
#include <cstring>

const char* nomeLocale(pugi::xml_node nodo)
{
    const char* nome = nodo.name();
    const char* due = std::strchr(nome, ':');
    return due ? due + 1 : nome;
}

pugi::xml_node figlio(pugi::xml_node padre, const char* nome)
{
    for (pugi::xml_node n : padre.children())
        if (std::strcmp(nomeLocale(n), nome) == 0)
            return n;
    return {};
}

void caricaParte(pugi::xml_document& doc, const QByteArray& xml, const char* nomeParte)
{
    const pugi::xml_parse_result esito = doc.load_buffer(xml.constData(), size_t(xml.size()));
    if (!esito || !doc.document_element())
        throw ErroreExcel(QStringLiteral("la parte %1 non è XML valido (%2)")
                              .arg(QString::fromUtf8(nomeParte), QString::fromUtf8(esito.description())));
}

QByteArray testoXml(const pugi::xml_document& doc)
{
    struct Scrittore : pugi::xml_writer {
        QByteArray testo;
        void write(const void* dati, size_t n) override { testo.append(static_cast<const char*>(dati), qsizetype(n)); }
    } scrittore;
    doc.save(scrittore, "", pugi::format_raw);
    return scrittore.testo;
}
