#include "schema/istruzioni_sql.h"
#include <QTest>

class TestIstruzioniSql : public QObject {
    Q_OBJECT

private slots:
    void divide_data()
    {
        QTest::addColumn<QString>("script");
        QTest::addColumn<QStringList>("istruzioni");
        QTest::newRow("one a line") << "CREATE TABLE a (x);\nCREATE TABLE b (y);\n"
                                    << QStringList{"CREATE TABLE a (x)", "CREATE TABLE b (y)"};
        QTest::newRow("last without semicolon") << "SELECT 1;\nSELECT 2" << QStringList{"SELECT 1", "SELECT 2"};
        QTest::newRow("over several lines") << "CREATE TABLE a (\n    x TEXT,\n    y INTEGER\n);"
                                            << QStringList{"CREATE TABLE a (\n    x TEXT,\n    y INTEGER\n)"};
        QTest::newRow("semicolon in a text") << "INSERT INTO a VALUES ('x;y');"
                                             << QStringList{"INSERT INTO a VALUES ('x;y')"};
        QTest::newRow("doubled apostrophe") << "INSERT INTO a VALUES ('it''s; here');SELECT 1;"
                                            << QStringList{"INSERT INTO a VALUES ('it''s; here')", "SELECT 1"};
        QTest::newRow("quoted names") << "SELECT \"a;b\", [c;d], `e;f` FROM t;"
                                      << QStringList{"SELECT \"a;b\", [c;d], `e;f` FROM t"};
        QTest::newRow("line comments dropped")
            << "-- the card's table; first\nCREATE TABLE a (x); -- trailing; note\n-- only a comment;\n"
            << QStringList{"CREATE TABLE a (x)"};
        QTest::newRow("comment inside a statement") << "CREATE TABLE a (\n    x TEXT, -- a; b\n    y TEXT\n);"
                                                    << QStringList{"CREATE TABLE a (\n    x TEXT, \n    y TEXT\n)"};
        QTest::newRow("block comment") << "SELECT /* a; b */ 1;" << QStringList{"SELECT   1"};
        QTest::newRow("dash in a text") << "CREATE TABLE a (m TEXT DEFAULT '-');\nSELECT '--';"
                                        << QStringList{"CREATE TABLE a (m TEXT DEFAULT '-')", "SELECT '--'"};
        QTest::newRow("empty statements") << ";\n  ;\n" << QStringList{};
    }
    void divide()
    {
        QFETCH(QString, script);
        QFETCH(QStringList, istruzioni);
        QCOMPARE(divideIstruzioni(script), istruzioni);
    }
};

QTEST_APPLESS_MAIN(TestIstruzioniSql)
#include "tst_schema_istruzioni.moc"
