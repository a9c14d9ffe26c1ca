#pragma once
#include <QList>
#include <QPageLayout>
#include <QRectF>
#include <QString>
#include <QStringList>

// A report file of stampe/: a JSON object with the base query, the page and the layout.
// Sizes and positions are in mm, measured from the top left corner inside the margins.
struct DefinizioneReport {
    enum class Tipo { Elenco, Etichette, Busta };

    struct Colonna {
        QString titolo;
        QString campo;
        double larghezza;
    };
    struct Gruppo {
        QString campo; // a new group starts where its text changes
        QString etichetta;
        bool nuovaPagina;
    };
    // Labels and envelopes: cells of one size, filled row by row, a text block in each.
    struct Griglia {
        QSizeF cella;
        int colonne;
        int righe;
        QRectF testo; // within the cell
        QStringList campi; // one line each
    };

    QString titolo;
    QStringList tabelle; // the tables of the base query that a formula may name
    QString seleziona;
    QString da;
    QString ordina;
    QPageLayout pagina;
    Tipo tipo;
    double carattere; // points
    QList<Colonna> colonne; // Elenco
    QList<Gruppo> gruppi;   // Elenco, outermost first
    Griglia griglia;        // Etichette, Busta

    // The base query, with the condition (when not empty) as its WHERE clause.
    QString sql(const QString& condizione) const;
    // Every field of the query's result the layout prints.
    QStringList campiUsati() const;
};

// Reads a report file. Throws ErroreDb when it is missing, unreadable or incomplete.
DefinizioneReport leggiDefinizione(const QString& file);
