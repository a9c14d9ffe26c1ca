#pragma once
#include <QApplication>
#include <QComboBox>
#include <QString>
#include <QTemporaryDir>
#include <QTest>

// Prepares the process for a headless test: offscreen platform, a private ODBC folder
// (ODBCSYSINI) with the SQLite3 driver registered, Italian Qt texts, and every seam
// (message boxes, modal shows, file dialogs, display) in its test mode.
// Call before the QApplication exists.
void preparaAmbienteTest();
QString cartellaOdbcTest();

// A fresh database file registered as the data source "corvext", a program folder of
// its own, and the shared connection open on it (with the whole schema when asked).
class DatabaseTest {
public:
    explicit DatabaseTest(bool conSchema = true);
    ~DatabaseTest();
    QString cartella() const { return dir.path(); }
    QString file() const;

private:
    QTemporaryDir dir;
};

// An empty database file in the folder (as the build ships it, before the schema); its path.
QString creaDatabaseVuoto(const QString& cartella);
// Writes the data source "corvext" on the given database file into the test ODBC folder.
void registraDsnTest(const QString& fileDatabase);
// Removes the data source "corvext" from the test ODBC folder.
void rimuoviDsnTest();

// Root reads and writes whatever the permissions say: a test of what a user may not do runs
// as nobody. Makes the process (a child of the test) nobody for good; false when it cannot.
bool diventaNessuno();

// The entries of a combo, top to bottom.
QStringList vociCombo(const QComboBox* c);

#define CORVEXT_TEST_MAIN(Classe)                                                                  \
    int main(int argc, char** argv)                                                                \
    {                                                                                              \
        preparaAmbienteTest();                                                                     \
        QApplication app(argc, argv);                                                              \
        Classe t;                                                                                  \
        return QTest::qExec(&t, argc, argv);                                                       \
    }
