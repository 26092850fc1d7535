#include "i18n/language_file.h"
#include "i18n/language_text.h"
#include "language_fixtures.h"
#include "support/test_env.h"

#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>
#include <unistd.h>

using namespace lorvex;
using namespace lorvex::test;

namespace {

using Info = std::array<QString, 3>;

struct Loaded {
    MessageTable table;
    Info info;
    std::optional<LanguageLoadFailure> failure;
};

// Which messages came from the file (their text is fileText(n)).
QList<int> fromFile(const MessageTable &table)
{
    QList<int> numbers;
    for (int n = MessageTable::first; n <= MessageTable::last; ++n)
        if (table.text(n) == fileText(n))
            numbers.append(n);
    return numbers;
}

QList<int> range(int first, int last)
{
    QList<int> numbers;
    for (int n = first; n <= last; ++n)
        numbers.append(n);
    return numbers;
}

void verifyAllBuiltIn(const MessageTable &table)
{
    for (int n = MessageTable::first; n <= MessageTable::last; ++n)
        QCOMPARE(table.text(n), MessageTable::builtIn(n));
}

} // namespace

class TestLanguageFile : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;
    // Loads bytes into a table that holds leftovers of an earlier language.
    Loaded load(const QByteArray &bytes, int count = MessageTable::count)
    {
        Loaded r;
        for (int n = MessageTable::first; n <= MessageTable::last; ++n)
            r.table.set(n, QStringLiteral("stale"));
        r.info = {QStringLiteral("old 1"), QStringLiteral("old 2"), QStringLiteral("old 3")};
        const QString path = writeFile(dir_.filePath(QStringLiteral("t.lng")), bytes);
        r.failure = language_file::Load(path, count, r.table, r.info);
        return r;
    }

private Q_SLOTS:
    void missingFileOrFolderGivesBuiltInTexts_data()
    {
        QTest::addColumn<QString>("path");
        QTest::newRow("no folder") << dir_.filePath(QStringLiteral("nowhere/English.lng"));
        QTest::newRow("no file") << dir_.filePath(QStringLiteral("English.lng"));
        QTest::newRow("empty path") << QString();
        QTest::newRow("a folder, not a file") << dir_.path();
    }
    void missingFileOrFolderGivesBuiltInTexts()
    {
        QFETCH(QString, path);
        MessageTable table;
        table.set(141, QStringLiteral("Exit"));
        Info info{QStringLiteral("kept")};
        QVERIFY(!language_file::Load(path, 69, table, info));
        verifyAllBuiltIn(table);
        QCOMPARE(table.text(141), QStringLiteral("Çıkış"));
        QCOMPARE(info[0], QStringLiteral("kept"));
    }

    void sizeLimitCountsBytes_data()
    {
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("read");
        QTest::newRow("2999 read") << 2999 << true;
        QTest::newRow("3000 ignored") << 3000 << false;
        QTest::newRow("3001 ignored") << 3001 << false;
    }
    void sizeLimitCountsBytes()
    {
        QFETCH(int, size);
        QFETCH(bool, read);
        // The last text is padded with two-byte letters and one ASCII byte to hit the size exactly.
        QByteArray bytes = languageHeader() + messageLines(1, 68) + "0069=";
        const qsizetype room = size - bytes.size() - 2;
        bytes += QByteArray(room / 2 * 2, 'x').replace("xx", "\xC3\xA7") + QByteArray(room % 2, 'y') + crlf;
        QCOMPARE(bytes.size(), size);
        const Loaded r = load(bytes);
        QVERIFY(!r.failure);
        QCOMPARE(r.table.text(168) == fileText(168), read);
        QCOMPARE(r.table.text(169).size(), read ? room / 2 + room % 2 : MessageTable::builtIn(169).size());
        if (!read)
            verifyAllBuiltIn(r.table);
    }

    void wrongHeaderFallsBackSilently_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Info>("info");
        const QByteArray good = languageHeader("M1", "M2", "M3");
        const Info old{QStringLiteral("old 1"), QStringLiteral("old 2"), QStringLiteral("old 3")};
        QTest::newRow("[bilgiler]") << QByteArray(good).replace("[Bilgiler]", "[bilgiler]") << old;
        QTest::newRow("blank before key") << QByteArray(good).replace("[Bilgiler]", " [Bilgiler]") << old;
        QTest::newRow("language=") << QByteArray(good).replace("Language=", "language=") << old;
        QTest::newRow("Translator:") << QByteArray(good).replace("Translator=", "Translator:") << old;
        QTest::newRow("Message3 missing its =")
            << QByteArray(good).replace("Message3=", "Message3 ")
            << Info{QStringLiteral("M1"), QStringLiteral("M2"), QStringLiteral("old 3")};
        QTest::newRow("lines swapped") << QByteArray(good).replace("Message1=M1", "Message2=M1") << old;
    }
    void wrongHeaderFallsBackSilently()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(Info, info);
        const Loaded r = load(bytes + messageLines(1, 69));
        QVERIFY(!r.failure);
        verifyAllBuiltIn(r.table);
        QCOMPARE(r.info, info);
    }

    void headerKeepsTextFromCharacterTen()
    {
        const Loaded r = load("[Bilgiler] any rest\r\nLanguage=\r\nTranslator=\r\nMessage1=  Could not load!\r\n"
                              "Message2=\r\nMessage3=Nr.:\r\nx\r\ny\r\n" + messageLine(1));
        QVERIFY(!r.failure);
        QCOMPARE(r.info, (Info{QStringLiteral("  Could not load!"), QString(), QStringLiteral("Nr.:")}));
        QCOMPARE(fromFile(r.table), QList<int>{101});
    }

    void fileEndingInItsHeaderIsAFailure_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("failure");
        QTest::addColumn<Info>("info");
        const QByteArray header = languageHeader("M1", "M2", "M3");
        const auto firstLines = [&](int n, const QByteArray &tail = crlf) {
            return header.split('\n').mid(0, n).join('\n').chopped(1) + tail;
        };
        const Info own{QStringLiteral("M1"), QStringLiteral("M2"), QStringLiteral("M3")};
        const Info old{QStringLiteral("old 1"), QStringLiteral("old 2"), QStringLiteral("old 3")};
        QTest::newRow("empty file") << QByteArray() << true << old;
        QTest::newRow("ends after line 4") << firstLines(4) << true << Info{own[0], old[1], old[2]};
        QTest::newRow("ends after line 6") << firstLines(6) << true << own;
        QTest::newRow("line 6 without its end") << firstLines(6, {}) << true << own;
        QTest::newRow("ends after line 7") << firstLines(7) << true << own;
        QTest::newRow("ends after line 8") << firstLines(8) << false << own;
        QTest::newRow("line 8 without its end") << firstLines(8, {}) << false << own;
    }
    void fileEndingInItsHeaderIsAFailure()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, failure);
        QFETCH(Info, info);
        const Loaded r = load(bytes);
        QCOMPARE(bool(r.failure), failure);
        if (failure) {
            QCOMPARE(r.failure->number, 62);
            QVERIFY(!r.failure->description.isEmpty());
        }
        QCOMPARE(r.info, info);
        verifyAllBuiltIn(r.table);
    }

    void messageLinesByPosition_data()
    {
        QTest::addColumn<QByteArray>("third");
        QTest::addColumn<QString>("text"); // message 103, empty for its built-in text
        QTest::newRow("0003=") << QByteArray("0003=Drei") << QStringLiteral("Drei");
        QTest::newRow("three leading blanks") << QByteArray("   3=Drei") << QStringLiteral("Drei");
        QTest::newRow("blank between digits") << QByteArray("0 03=Drei") << QStringLiteral("Drei");
        QTest::newRow("tab") << QByteArray("\t003=Drei") << QStringLiteral("Drei");
        QTest::newRow("only a blank as text") << QByteArray("0003= ") << QStringLiteral(" ");
        QTest::newRow("text with =") << QByteArray("0003==x=") << QStringLiteral("=x=");
        QTest::newRow("CR inside kept") << QByteArray("0003=a\rb") << QStringLiteral("a\rb");
        QTest::newRow("CR at the end kept") << QByteArray("0003=ab\r") << QStringLiteral("ab\r");
        QTest::newRow("no text") << QByteArray("0003=") << QString();
        QTest::newRow("no =") << QByteArray("0003") << QString();
        QTest::newRow("two blanks: = is character 4") << QByteArray("  3=Drei") << QString();
        QTest::newRow("three digits") << QByteArray("003=Drei") << QString();
        QTest::newRow("message number, not position") << QByteArray("0103=Drei") << QString();
        QTest::newRow("next number") << QByteArray("0004=Drei") << QString();
        QTest::newRow("colon") << QByteArray("0003:Drei") << QString();
        QTest::newRow("sign") << QByteArray("+003=Drei") << QString();
        QTest::newRow("empty line") << QByteArray() << QString();
    }
    void messageLinesByPosition()
    {
        QFETCH(QByteArray, third);
        QFETCH(QString, text);
        const Loaded r = load(languageHeader() + messageLines(1, 2) + third + crlf + messageLines(4, 69));
        QVERIFY(!r.failure);
        QCOMPARE(r.table.text(103), text.isEmpty() ? MessageTable::builtIn(103) : text);
        // A bad line does not shift its neighbours.
        QList<int> expected = range(101, 169);
        expected.removeOne(103);
        QList<int> got = fromFile(r.table);
        got.removeOne(103);
        QCOMPARE(got, expected);
    }

    void howFarTheFileReaches_data()
    {
        QTest::addColumn<QByteArray>("messages");
        QTest::addColumn<int>("count");
        QTest::addColumn<QList<int>>("fromFile");
        QTest::newRow("all 69") << messageLines(1, 69) << 69 << range(101, 169);
        QTest::newRow("ends after the 68th") << messageLines(1, 68) << 69 << range(101, 168);
        QTest::newRow("no message lines") << QByteArray() << 69 << QList<int>{};
        QTest::newRow("70th line never read") << messageLines(1, 70) + "junk\r\n" << 69 << range(101, 169);
        QTest::newRow("a missing line spoils the rest")
            << messageLines(1, 2) + messageLines(4, 69) << 69 << range(101, 102);
        QTest::newRow("count 3 reads three") << messageLines(1, 69) << 3 << range(101, 103);
        QTest::newRow("count 0 reads none") << messageLines(1, 69) << 0 << QList<int>{};
        QTest::newRow("count above 69") << messageLines(1, 75) << 100 << range(101, 169);
    }
    void howFarTheFileReaches()
    {
        QFETCH(QByteArray, messages);
        QFETCH(int, count);
        QFETCH(QList<int>, fromFile);
        const Loaded r = load(languageHeader() + messages, count);
        QVERIFY(!r.failure);
        QCOMPARE(::fromFile(r.table), fromFile);
        for (int n = MessageTable::first; n <= MessageTable::last; ++n)
            if (!fromFile.contains(n))
                QCOMPARE(r.table.text(n), MessageTable::builtIn(n));
    }

    void readsEveryFileForm_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("read");
        const QByteArray lines = messageLines(1, 69);
        QTest::newRow("bare LF") << languageHeader("a", "b", "c", "\n") + messageLines(1, 69, "\n") << true;
        QTest::newRow("mixed line ends") << languageHeader("a", "b", "c", "\n") + lines << true;
        QTest::newRow("UTF-8 BOM") << "\xEF\xBB\xBF" + languageHeader() + lines << true;
        QTest::newRow("second BOM is text") << "\xEF\xBB\xBF\xEF\xBB\xBF" + languageHeader() + lines << false;
        QTest::newRow("CR alone ends no line") << QByteArray(languageHeader()).replace("\r\n", "\r") + lines << false;
    }
    void readsEveryFileForm()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, read);
        const Loaded r = load(bytes);
        QCOMPARE(fromFile(r.table), read ? range(101, 169) : QList<int>{});
    }

    void decodesTheFileText_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("UTF-8") << QByteArray("\xC3\x87\xC4\xB1k\xC4\xB1\xC5\x9F") << QStringLiteral("Çıkış");
        QTest::newRow("UTF-8, BOM skipped") << QByteArray("\xEF\xBB\xBF" "a\xC3\xA7") << QStringLiteral("aç");
        QTest::newRow("only one BOM skipped")
            << QByteArray("\xEF\xBB\xBF\xEF\xBB\xBF" "a") << QStringLiteral("\uFEFFa");
        QTest::newRow("Windows-1254 Turkish letters")
            << QByteArray("\xD0\xDD\xDE\xF0\xFD\xFE \xC7\xE7\xD6\xF6\xDC\xFC")
            << QStringLiteral("ĞİŞğış ÇçÖöÜü");
        QTest::newRow("Windows-1254 0x80..0x9F")
            << QByteArray("\x80\x81\x8A\x91\x92\x93\x94\x96\x9F") << QStringLiteral("€\uFFFDŠ‘’“”–Ÿ");
        QTest::newRow("UTF-8 cut off at the end is 1254") << QByteArray("a\xC4") << QStringLiteral("aÄ");
        QTest::newRow("overlong UTF-8 is 1254") << QByteArray("\xC0\x80") << QStringLiteral("À€");
        QTest::newRow("BOM, then 1254") << QByteArray("\xEF\xBB\xBF\xFD") << QStringLiteral("ı");
    }
    void decodesTheFileText()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(decodeLanguageBytes(bytes), text);
    }

    void windows1254FileLoads()
    {
        const Loaded r = load(languageHeader("Dil dosyas\xFD y\xFCklenemedi!")
                              + "0001=Lorvex\r\n0002=\r\n0003=Frekans Bilgileri\r\n"
                              + "0004=G\xFC" "ncel S\xFCr\xFCm\xFC \xDDndir\r\n");
        QVERIFY(!r.failure);
        QCOMPARE(r.info[0], QStringLiteral("Dil dosyası yüklenemedi!"));
        QCOMPARE(r.table.text(104), QStringLiteral("Güncel Sürümü İndir"));
        QCOMPARE(r.table.text(102), MessageTable::builtIn(102));
    }

    void splitsLines_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QStringLiteral("a\r\nb\r\n") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("LF") << QStringLiteral("a\nb\n") << QStringList{QStringLiteral("a"), QStringLiteral("b")};
        QTest::newRow("mixed, last unended")
            << QStringLiteral("a\nb\r\nc")
            << QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};
        QTest::newRow("bare CR is text")
            << QStringLiteral("a\rb\r\n\r") << QStringList{QStringLiteral("a\rb"), QStringLiteral("\r")};
        QTest::newRow("only the CR before LF goes") << QStringLiteral("a\r\r\n") << QStringList{QStringLiteral("a\r")};
        QTest::newRow("empty lines count") << QStringLiteral("\r\n\n") << QStringList{QString(), QString()};
        QTest::newRow("nothing") << QString() << QStringList{};
    }
    void splitsLines()
    {
        QFETCH(QString, text);
        QFETCH(QStringList, lines);
        QCOMPARE(splitLanguageLines(text), lines);
    }

    void randomBytesNeverLeaveASlotEmpty_data()
    {
        QTest::addColumn<quint32>("seed");
        QTest::addColumn<bool>("withHeader");
        for (quint32 seed : {1u, 7u, 42u, 1234u, 99991u})
            for (bool withHeader : {false, true})
                QTest::addRow("seed %u%s", seed, withHeader ? " after a header" : "") << seed << withHeader;
    }
    void randomBytesNeverLeaveASlotEmpty()
    {
        QFETCH(quint32, seed);
        QFETCH(bool, withHeader);
        QRandomGenerator random(seed);
        for (int round = 0; round < 20; ++round) {
            QByteArray bytes = withHeader ? languageHeader() : QByteArray();
            const int size = random.bounded(2999 - int(bytes.size()));
            // Digits, '=', line ends and high bytes are likely, so some lines almost parse.
            static const char alphabet[] = "0123456789=    \r\n\r\nab\xC3\xC4\xFD\x80\x81\xEF\xBB\xBF";
            for (int k = 0; k < size; ++k)
                bytes += random.bounded(2) ? alphabet[random.bounded(int(sizeof alphabet) - 1)]
                                           : char(random.bounded(256));
            const Loaded r = load(bytes);
            for (int n = MessageTable::first; n <= MessageTable::last; ++n)
                QVERIFY2(!r.table.text(n).isEmpty(),
                         qPrintable(QStringLiteral("seed %1 round %2 message %3").arg(seed).arg(round).arg(n)));
            if (r.failure)
                verifyAllBuiltIn(r.table);
        }
    }

    void nothingOfTheEarlierLanguageSurvives()
    {
        MessageTable table;
        Info info;
        const QString path = dir_.filePath(QStringLiteral("a.lng"));
        writeFile(path, languageHeader("A1", "A2", "A3") + messageLines(1, 69));
        QVERIFY(!language_file::Load(path, 69, table, info));
        QCOMPARE(fromFile(table), range(101, 169));

        writeFile(path, languageHeader("B1", "B2", "B3") + "0001=Eins\r\n0002=Zwei\r\n");
        QVERIFY(!language_file::Load(path, 69, table, info));
        QCOMPARE(table.text(101), QStringLiteral("Eins"));
        QCOMPARE(table.text(102), QStringLiteral("Zwei"));
        for (int n = 103; n <= MessageTable::last; ++n)
            QCOMPARE(table.text(n), MessageTable::builtIn(n));

        // A header cut short by a wrong key keeps the older texts it did not reach.
        writeFile(path, QByteArray(languageHeader("C1", "C2", "C3")).replace("Message2=", "Message2:"));
        QVERIFY(!language_file::Load(path, 69, table, info));
        QCOMPARE(info, (Info{QStringLiteral("C1"), QStringLiteral("B2"), QStringLiteral("B3")}));
        verifyAllBuiltIn(table);
    }

    void unreadableFileIsAFailure()
    {
        // Reading process memory at address 0 fails; the file itself exists and opens.
        const QString path = QStringLiteral("/proc/self/mem");
        if (!QFileInfo(path).isFile())
            QSKIP("no /proc here");
        MessageTable table;
        table.set(101, QStringLiteral("stale"));
        Info info;
        const auto failure = language_file::Load(path, 69, table, info);
        QVERIFY(failure);
        QCOMPARE(failure->number, language_file::readFailed);
        QVERIFY(!failure->description.isEmpty());
        verifyAllBuiltIn(table);
    }

    void unopenableFileIsAFailure()
    {
        const QString path =
            writeFile(dir_.filePath(QStringLiteral("locked.lng")), languageHeader() + messageLines(1, 69));
        QFile::setPermissions(path, {});
        if (::geteuid() == 0)
            QSKIP("root opens files without permission");
        MessageTable table;
        Info info;
        const auto failure = language_file::Load(path, 69, table, info);
        QVERIFY(failure);
        QCOMPARE(failure->number, language_file::openFailed);
        verifyAllBuiltIn(table);
    }

    void failureTextUsesTheFilesWords()
    {
        const Info info{QStringLiteral("Could not load!"), QStringLiteral("Description:"), QStringLiteral("Number:")};
        QCOMPARE(language_file::failureText(info, {62, QStringLiteral("Input past end of file")}),
                 QStringLiteral("Could not load!\r\n\r\nDescription: Input past end of file\r\n\r\nNumber: 62"));
        QCOMPARE(language_file::failureText({}, {1005, QStringLiteral("x")}),
                 QStringLiteral("\r\n\r\n x\r\n\r\n 1005"));
    }
};

QTEST_GUILESS_MAIN(TestLanguageFile)
#include "test_language_file.moc"
