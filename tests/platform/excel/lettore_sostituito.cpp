#include "lettore_sostituito.h"
#include "libri_ostili.h"
#include "platform/excel/processo_lettura.h"
#include <QFile>

LettoreSostituito::LettoreSostituito(const QString& file, const QByteArray& corpo) : vero(programmaDiLettura())
{
    if (!corpo.isEmpty()) {
        scriviFile(file, "#!/bin/sh\nVERO='" + QFile::encodeName(vero) + "'\n" + corpo + '\n');
        QFile::setPermissions(file, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }
    programmaDiLettura() = file;
}

LettoreSostituito::~LettoreSostituito()
{
    programmaDiLettura() = vero;
}

QByteArray leggeAltrove(const QString& percorso, const QString& libro)
{
    return "[ \"$1\" = '" + QFile::encodeName(percorso) + "' ] || exit 3\nexec \"$VERO\" '" + QFile::encodeName(libro) + '\'';
}
