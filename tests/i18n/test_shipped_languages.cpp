#include "i18n/language_file.h"

#include <QFile>
#include <QRegularExpression>
#include <QStringDecoder>
#include <QTest>
#include <algorithm>

using namespace lorvex;

namespace {

const QString folder = QStringLiteral(LORVEX_SOURCE_DIR "/Languages/");

QString digitsOf(QString text) { return text.remove(QRegularExpression(QStringLiteral("[^0-9]"))); }

} // namespace

class TestShippedLanguages : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void shippedFilesAreListed()
    {
        QStringList names = listLanguages(folder);
        QCOMPARE(names.takeFirst(), QStringLiteral("Türkçe"));
        std::sort(names.begin(), names.end());
        QCOMPARE(names, (QStringList{QStringLiteral("Deutsch"), QStringLiteral("English")}));
    }

    void fileBytes_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("English") << QStringLiteral("English");
        QTest::newRow("Deutsch") << QStringLiteral("Deutsch");
    }
    void fileBytes()
    {
        QFETCH(QString, name);
        QFile file(languageFilePath(folder, name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QVERIFY2(bytes.size() < language_file::sizeLimit, qPrintable(QString::number(bytes.size())));
        QVERIFY(!bytes.startsWith("\xEF\xBB\xBF"));
        QStringDecoder utf8(QStringConverter::Utf8, QStringConverter::Flag::Stateless);
        const QString text = utf8.decode(bytes);
        QVERIFY(!utf8.hasError());
        QVERIFY(bytes.endsWith("\r\n"));
        QCOMPARE(bytes.count('\r'), bytes.count("\r\n"));
        QCOMPARE(bytes.count('\n'), bytes.count("\r\n"));
        QVERIFY(text.startsWith(QStringLiteral("[Bilgiler]\r\nLanguage=") + name + QStringLiteral("\r\n")));
    }

    void everyMessageComesFromTheFile_data() { fileBytes_data(); }
    void everyMessageComesFromTheFile()
    {
        QFETCH(QString, name);
        MessageTable table;
        std::array<QString, 3> info;
        QVERIFY(!language_file::Load(languageFilePath(folder, name), MessageTable::count, table, info));
        for (const QString &text : info)
            QVERIFY(!text.isEmpty());

        QFile file(languageFilePath(folder, name));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QStringList lines = QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 8 + MessageTable::count + 1); // the last line end leaves an empty piece
        for (int i = 1; i <= MessageTable::count; ++i) {
            const int n = 100 + i;
            const QString text = table.text(n);
            QVERIFY2(!text.isEmpty() && !text.startsWith(QLatin1Char(' ')) && !text.endsWith(QLatin1Char(' ')),
                     qPrintable(QString::number(n)));
            QCOMPARE(lines.at(7 + i), QStringLiteral("%1=").arg(i, 4, 10, QLatin1Char('0')) + text);
            // Translated throughout: only the product name stays as it is.
            if (n > 102)
                QVERIFY2(text != MessageTable::builtIn(n), qPrintable(QString::number(n)));
        }
        QCOMPARE(table.text(101), QStringLiteral("Lorvex"));
    }

    void numbersUnitsAndButtonNamesSurvive_data() { fileBytes_data(); }
    void numbersUnitsAndButtonNamesSurvive()
    {
        QFETCH(QString, name);
        MessageTable t;
        std::array<QString, 3> info;
        QVERIFY(!language_file::Load(languageFilePath(folder, name), MessageTable::count, t, info));
        QCOMPARE(digitsOf(t.text(132)), QStringLiteral("1000"));
        QCOMPARE(digitsOf(t.text(133)), QStringLiteral("2000020"));
        QVERIFY(t.text(133).contains(QStringLiteral("(20 Mhz)")));
        QCOMPARE(digitsOf(t.text(137)), QStringLiteral("500000500"));
        QVERIFY(t.text(137).contains(QStringLiteral("(500 Mhz)")));
        QCOMPARE(digitsOf(t.text(136)), QStringLiteral("500"));
        QCOMPARE(digitsOf(t.text(139)), QStringLiteral("500"));
        // The notice names its download button, in quotation marks.
        const QRegularExpression quoted(QStringLiteral("[\"„“”«»]") + QRegularExpression::escape(t.text(162))
                                        + QStringLiteral("[\"“”«»]"));
        QVERIFY2(quoted.match(t.text(160)).hasMatch(), qPrintable(t.text(160)));
    }
};

QTEST_GUILESS_MAIN(TestShippedLanguages)
#include "test_shipped_languages.moc"
