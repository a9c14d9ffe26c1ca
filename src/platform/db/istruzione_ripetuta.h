#pragma once
#include <QByteArray>
#include <QByteArrayView>
#include <QList>
#include <QString>
#include <QVariantList>
#include <span>

class Connessione;
struct sqlite3;
struct sqlite3_stmt;

// A statement prepared once and run many times with other values (a long series of inserts),
// its values bound straight into SQLite: Qt's binding by position costs more than the insert.
// It lives inside the connection's use: the connection stays open while it exists.
class IstruzioneRipetuta {
public:
    IstruzioneRipetuta(Connessione& c, const QString& sql);
    ~IstruzioneRipetuta();
    IstruzioneRipetuta(const IstruzioneRipetuta&) = delete;
    IstruzioneRipetuta& operator=(const IstruzioneRipetuta&) = delete;

    // Runs it with `valori` bound to its `?` in order (as the connection binds them); the
    // rows it touched. A failure throws ErroreDb as the connection's statements do.
    int esegui(const QVariantList& valori);
    // The same with `primi` bound first, then `testi`: UTF-8, bound without copying, a null
    // view as Null. They must stay alive until the next run.
    int esegui(const QVariantList& primi, std::span<const QByteArrayView> testi);
    // Runs a query with `valori`: the first field of its first row, Null when it gives none.
    QVariant valore(const QVariantList& valori);

private:
    // Binds the values from the first `?` on.
    void lega(const QVariantList& valori);
    // Takes the first step; true when it gave a row.
    bool passo();
    [[noreturn]] void fallimento();

    sqlite3* db = nullptr;
    sqlite3_stmt* st = nullptr;
    QList<QByteArray> testi; // the bound texts, alive until the next run
};
