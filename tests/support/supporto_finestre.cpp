#include "supporto_finestre.h"
#include "platform/db/connessione.h"
#include "platform/ui/griglia.h"
#include "platform/ui/messaggi.h"
#include "registers/modello/elenco_registro.h"
#include <QAbstractButton>
#include <QTest>

QLineEdit* ricerca(ElencoRegistro& l)
{
    return l.forma()->findChild<QLineEdit*>(QStringLiteral("txtNome"));
}

QStringList colonna(ElencoRegistro& l, int indice)
{
    const QAbstractItemModel* m = l.forma()->findChild<Griglia*>(QStringLiteral("griglia"))->model();
    QStringList c;
    for (int i = 0; i < m->rowCount(); ++i)
        c << m->index(i, indice).data().toString();
    return c;
}

QStringList intestazioni(ElencoRegistro& l)
{
    const QAbstractItemModel* m = l.forma()->findChild<Griglia*>(QStringLiteral("griglia"))->model();
    QStringList c;
    for (int i = 0; i < m->columnCount(); ++i)
        c << m->headerData(i, Qt::Horizontal).toString();
    return c;
}

void premi(QWidget* finestra, const QString& nome)
{
    auto* b = finestra->findChild<QAbstractButton*>(nome);
    if (!b)
        qFatal("no button %s", qPrintable(nome));
    QTest::mouseClick(b, Qt::LeftButton);
}

QStringList riga(const QString& sql, const QVariantList& valori)
{
    Recordset rs = connessione.apriAvanti(sql, valori);
    QStringList r;
    if (!rs.eof())
        for (int i = 0; i < rs.numeroCampi(); ++i)
            r << rs.campo(i).toString();
    return r;
}

int conta(const QString& sql, const QVariantList& valori)
{
    return connessione.apriAvanti(sql, valori).campo(0).toInt();
}

QString unicoMessaggio()
{
    const auto& m = seamMessaggi::mostrati();
    if (m.size() != 1) {
        QTest::qFail(qPrintable(QStringLiteral("%1 boxes shown").arg(m.size())), __FILE__, __LINE__);
        return {};
    }
    return m.first().testo;
}
