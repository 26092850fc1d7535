#include "update/version_file.h"

#include <QTest>

using namespace lorvex;

class TestVersionFile : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void lines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("empty") << QByteArray() << QStringList();
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n") << QStringList{"a", "b"};
        QTest::newRow("lone CR") << QByteArray("a\rb\r") << QStringList{"a", "b"};
        QTest::newRow("LF stays in the line") << QByteArray("a\nb\n") << QStringList{"a\nb\n"};
        QTest::newRow("LF CR is LF in a line, then an end") << QByteArray("a\n\rb") << QStringList{"a\n", "b"};
        QTest::newRow("empty lines kept") << QByteArray("\r\n\r\rx") << QStringList{"", "", "", "x"};
        QTest::newRow("8-bit bytes") << QByteArray("\xfc\xe7\r\n") << QStringList{QStringLiteral("üç")};
    }
    void lines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QCOMPARE(versionFileLines(bytes), lines);
    }

    void field_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("value"); // -1: no number
        QTest::newRow("digits") << "103" << 103;
        QTest::newRow("leading blank") << " 99" << 99;
        QTest::newRow("trailing blank") << "99 " << 99;
        QTest::newRow("tab") << "\t42" << 42;
        QTest::newRow("sign") << "+12" << 12;
        QTest::newRow("negative") << "-12" << -12;
        QTest::newRow("blanks only") << "   " << -1;
        QTest::newRow("sign only") << " - " << -1;
        QTest::newRow("inner blank") << "1 2" << -1;
        QTest::newRow("letters") << "abc" << -1;
        QTest::newRow("decimal point") << "1.5" << -1;
        QTest::newRow("LF is no blank") << "04\n" << -1;
    }
    void field()
    {
        QFETCH(QString, text);
        QFETCH(int, value);
        QCOMPARE(readVersionField(text).value_or(-1), value);
    }

    void choice_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("product");
        QTest::addColumn<int>("version");
        QTest::newRow("first match wins") << QByteArray("101 a 103\r\n101 b 109\r\n") << 101 << 103;
        QTest::newRow("other product") << QByteArray("100 a 210\r\n101 b 103\r\n") << 100 << 210;
        QTest::newRow("product with blanks") << QByteArray(" 12 x 104\r\n101 y 200") << 12 << 104;
        QTest::newRow("short line is its own fields") << QByteArray("55\r\n101 x 103") << 55 << 55;
        QTest::newRow("short non-number stops") << QByteArray("x\r\n101 x 103") << 101 << 0;
        QTest::newRow("empty line stops the search") << QByteArray("\r\n101 x 103") << 101 << 0;
        QTest::newRow("only line ends") << QByteArray("\r\n\r\n") << 101 << 0;
        QTest::newRow("negative product field passes") << QByteArray("-10 a 104\r\n101 b 105") << 101 << 105;
    }
    void choice()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, product);
        QFETCH(int, version);
        QCOMPARE(publishedVersion(bytes, product), version);
    }
};

QTEST_APPLESS_MAIN(TestVersionFile)
#include "test_version_file.moc"
