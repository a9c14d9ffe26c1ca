#pragma once
#include <QString>
#include <stdexcept>

// A workbook that cannot be opened, read or saved; the description is the operator's message.
class ErroreExcel : public std::runtime_error {
public:
    explicit ErroreExcel(const QString& descrizione);
    QString descrizione;
};
