#include "i18n/language_file.h"
#include "i18n/language_loader.h"
#include "i18n/languages_folder.h"
#include "support/scripted_presenter.h"
#include "support/test_env.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTest>
#include <QWidget>
#include <numeric>
#include <unistd.h>

using namespace lorvex;
using namespace lorvex::test;
using namespace Qt::StringLiterals;

// Every file text holds Turkish letters and a bare CR, which is text and no line end.
QString fileText(int n) { return u"Şı\r%1"_s.arg(n); }

// Message lines first..last: "000i=" and the file's text of message base + i
// (a companion file's line 1 carries 170).
QByteArray lines(int first, int last, const QByteArray &eol = "\r\n", int base = 100)
{
    QByteArray bytes;
    for (int i = first; i <= last; ++i)
        bytes += QByteArray::number(i).rightJustified(4, '0') + '=' + fileText(base + i).toUtf8() + eol;
    return bytes;
}

// Lines 1 to 8: the header, then two ignored lines, the second one carrying any padding.
QByteArray header(const QByteArray &eol = "\r\n", const QByteArray &pad = {})
{
    return "[Bilgiler]" + eol + "Language=Test" + eol + "Translator=T" + eol + "Message1=M1" + eol + "Message2=M2" + eol
           + "Message3=M3" + eol + eol + pad + eol;
}

// A valid file of exactly size bytes, padded with two-byte letters: bytes count, not characters.
QByteArray sized(int size)
{
    const qsizetype room = size - (header() + lines(1, 69)).size();
    return header("\r\n", QByteArray(room / 2 * 2, 'x').replace("xx", "\xC3\xA7") + QByteArray(room % 2, 'y'))
           + lines(1, 69);
}

QList<int> range(int first, int last)
{
    QList<int> numbers(last - first + 1);
    std::iota(numbers.begin(), numbers.end(), first);
    return numbers;
}

class TestI18n : public QObject {
    Q_OBJECT
    QTemporaryDir dir_;

private Q_SLOTS:
    void loadsAFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<int>>("fromFile"); // every other message holds its built-in text
        QTest::addColumn<QString>("box");         // the failure box text, none when empty
        const QByteArray h = header(), all = lines(1, 69), t103 = fileText(103).toUtf8();
        const auto third = [&](const QByteArray &line) { return h + lines(1, 2) + line + "\r\n" + lines(4, 69); };
        const QList<int> every = range(101, 169), no103 = range(101, 102) + range(104, 169), none;
        QTest::newRow("all 69 valid") << h + all << every << QString();
        QTest::newRow("2999 bytes read") << sized(2999) << every << QString();
        QTest::newRow("3000 bytes ignored") << sized(3000) << none << QString();
        QTest::newRow("[bilgiler]") << QByteArray(h).replace("[Bilgiler]", "[bilgiler]") + all << none << QString();
        QTest::newRow("ends after line 6")
            << h.left(h.indexOf("\r\n\r\n") + 2) << none << u"M1\r\n\r\nM2 Input past end of file\r\n\r\nM3 62"_s;
        // Before any header line the box takes the words an earlier file left.
        QTest::newRow("empty") << QByteArray("") << none << u"o1\r\n\r\no2 Input past end of file\r\n\r\no3 62"_s;
        QTest::newRow("last valid line the 68th") << h + lines(1, 68) << range(101, 168) << QString();
        QTest::newRow("0003= without text") << third("0003=") << no103 << QString();
        QTest::newRow("   3= blanks skipped") << third("   3=" + t103) << every << QString();
        QTest::newRow("0 03= blank between digits") << third("0 03=" + t103) << every << QString();
        QTest::newRow("  3=: '=' as 4th character") << third("  3=" + t103) << no103 << QString();
        QTest::newRow("0103=: position, not message") << third("0103=" + t103) << no103 << QString();
        QTest::newRow("line 3 missing") << h + lines(1, 2) + lines(4, 69) << range(101, 102) << QString();
        QTest::newRow("70th line never read") << h + lines(1, 70) + "junk\r\n" << every << QString();
        QTest::newRow("Windows-1254") << QByteArray(h + all).replace("\xC5\x9E", "\xDE").replace("\xC4\xB1", "\xFD")
                                      << every << QString();
        QTest::newRow("UTF-8 BOM") << "\xEF\xBB\xBF" + h + all << every << QString();
        QTest::newRow("bare LF") << header("\n") + lines(1, 69, "\n") << every << QString();
    }
    void loadsAFile()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<int>, fromFile);
        QFETCH(QString, box);
        SharedState state; // an earlier language fills every slot and the header texts
        for (int n = 101; n <= 169; ++n)
            state.Mesajlar.set(n, u"earlier"_s);
        state.DilBilgileri = {u"o1"_s, u"o2"_s, u"o3"_s};
        ScriptedPresenter boxes;
        QWidget owner;
        DilDosyasiYükle(state, boxes, &owner, writeFile(dir_.filePath(u"t.lng"_s), bytes));
        QCOMPARE(boxes.shown().size(), box.isEmpty() ? 0 : 1);
        for (const auto &[request, parent] : boxes.shown()) {
            QCOMPARE(request.text, box);
            QCOMPARE(request.icon, QMessageBox::Critical);
            QCOMPARE(parent, &owner);
        }
        for (int n = 101; n <= 169; ++n)
            QCOMPARE(state.msg(n), fromFile.contains(n) ? fileText(n) : MessageTable::builtIn(n));
    }

    void unreadableFilesAreReported()
    {
        // /proc/self/mem opens but cannot be read at its start; a file without permissions does not open.
        const QString locked = writeFile(dir_.filePath(u"locked.lng"_s), header() + lines(1, 69));
        QFile::setPermissions(locked, {});
        for (const auto &[path, number] : {std::pair{u"/proc/self/mem"_s, 1005}, {locked, 1006}}) {
            if (number == 1006 && ::geteuid() == 0)
                QSKIP("root opens files without permission");
            SharedState state;
            ScriptedPresenter boxes;
            DilDosyasiYükle(state, boxes, nullptr, path);
            QCOMPARE(boxes.shown().size(), 1);
            QVERIFY(boxes.shown()[0].request.text.endsWith(u" %1"_s.arg(number)));
        }
    }

    void randomBytesNeverLeaveASlotEmpty()
    {
        // Digits, '=', line ends and high bytes are likely, so some lines almost parse.
        static const QByteArray alphabet = "0123456789=    \r\n\r\nab\xC3\xC4\xFD\x80\x81\xEF\xBB\xBF";
        QRandomGenerator random(20261207);
        for (int round = 0; round < 200; ++round) {
            QByteArray bytes = round % 2 ? header() : QByteArray();
            for (int k = random.bounded(2999 - int(bytes.size())); k > 0; --k)
                bytes += random.bounded(2) ? alphabet.at(random.bounded(alphabet.size())) : char(random.bounded(256));
            SharedState state;
            ScriptedPresenter boxes;
            DilDosyasiYükle(state, boxes, nullptr, writeFile(dir_.filePath(u"random.lng"_s), bytes));
            for (int n = 101; n <= 169; ++n)
                QVERIFY2(!state.msg(n).isEmpty(), qPrintable(u"round %1 message %2"_s.arg(round).arg(n)));
        }
    }

    void namesWithoutAFileGiveTheBuiltInsSilently()
    {
        // Valid files wait where the path-like names would lead.
        for (const char *file : {"Languages/English.lng", "x.lng", "Languages/a/b.lng"})
            writeFile(dir_.filePath(QString::fromUtf8(file)), header() + lines(1, 69));
        for (const auto &[folder, name] : {std::pair{u"/nowhere/"_s, u"English"_s},
                                           {u"/Languages/"_s, u"Klingon"_s},
                                           {u"/Languages/"_s, u"../x"_s},
                                           {u"/Languages/"_s, u"a/b"_s}}) {
            SharedState state;
            ScriptedPresenter boxes;
            state.DilKlasoru = dir_.path() + u"/Languages/"_s;
            loadLanguageByName(state, boxes, nullptr, u"English"_s);
            QCOMPARE(state.msg(169), fileText(169)); // a second load must reset every slot
            state.DilKlasoru = dir_.path() + folder;
            loadLanguageByName(state, boxes, nullptr, name);
            QVERIFY(boxes.shown().isEmpty());
            for (int n = 101; n <= 169; ++n)
                QCOMPARE(state.msg(n), MessageTable::builtIn(n));
        }
    }

    void listsLanguages()
    {
        const QString folder = dir_.path() + u"/list/"_s;
        for (const char *name : {"Deutsch.v2.lng", "English.LNG", "en.us.lng", ".x.lng", "notes.txt", "Sv.lng.bak"})
            writeFile(folder + QString::fromUtf8(name), "x");
        QVERIFY(QDir(folder).mkdir(u"Folder.lng"_s));
        QStringList names = listLanguages(folder);
        QCOMPARE(names.takeFirst(), u"Türkçe"_s);
        names.sort();
        QCOMPARE(names, (QStringList{QString(), u"Deutsch"_s, u"en"_s})); // a hidden file lists like any other
        QCOMPARE(languageFilePath(folder, u"Deutsch"_s), folder + u"Deutsch.lng"_s);
    }

    void languagesFolderBesideTheProgramFirst()
    {
        const QString bin = dir_.path() + u"/usr/bin"_s;
        QVERIFY(QDir().mkpath(bin));
        QCOMPARE(resolveLanguagesFolder(bin), dir_.path() + u"/usr/share/lorvex/Languages/"_s);
        QVERIFY(QDir().mkpath(bin + u"/Languages"_s));
        QCOMPARE(resolveLanguagesFolder(bin), bin + u"/Languages/"_s);
    }

    void shippedFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("English") << u"English"_s;
        QTest::newRow("Deutsch") << u"Deutsch"_s;
    }
    void shippedFiles()
    {
        QFETCH(QString, name);
        const QString folder = QStringLiteral(LORVEX_SOURCE_DIR "/Languages/");
        SharedState state;
        ScriptedPresenter boxes;
        state.DilKlasoru = folder;
        loadLanguageByName(state, boxes, nullptr, name);
        QVERIFY(boxes.shown().isEmpty());
        // The language file carries 101..169, its companion 170 onwards.
        for (const auto &[path, count, first] : {std::tuple{languageFilePath(folder, name), 69, 101},
                                                 {companionFilePath(folder, name), MessageTable::extraCount, 170}}) {
            const QByteArray bytes = readFile(path);
            QVERIFY2(bytes.size() < 3000, qPrintable(QString::number(bytes.size())));
            QVERIFY(bytes.startsWith("[Bilgiler]\r\nLanguage="));                     // no BOM
            QCOMPARE(bytes.count('\r') + bytes.count('\n'), 2 * bytes.count("\r\n")); // CR LF only
            QStringDecoder utf8(QStringConverter::Utf8);
            const QStringList lines = QString(utf8.decode(bytes)).split(u"\r\n"_s);
            QVERIFY(!utf8.hasError());
            QCOMPARE(lines.size(), 8 + count + 1); // the last line end leaves an empty piece
            for (int i = 1; i <= count; ++i)
                QCOMPARE(lines[7 + i], u"%1="_s.arg(i, 4, 10, QChar(u'0')) + state.msg(first + i - 1));
        }
        QCOMPARE(listLanguages(folder).count(name), 1); // the companion is no language of its own
    }

    void companionFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("lastFromFile"); // 169: none
        const QByteArray h = header();
        const auto c = [](int first, int last) { return lines(first, last, "\r\n", 169); };
        QTest::newRow("all") << h + c(1, MessageTable::extraCount) << MessageTable::extraLast;
        QTest::newRow("third line missing") << h + c(1, 2) + c(4, 20) << 171;
        QTest::newRow("ends before its messages") << h.left(20) << 169;
        QTest::newRow("wrong header") << QByteArray(h).replace("Language=", "language=") + c(1, 20) << 169;
    }
    void companionFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(int, lastFromFile);
        writeFile(dir_.filePath(u"c/T.lng"_s), header() + lines(1, 69));
        writeFile(dir_.filePath(u"c/T.lngx"_s), bytes);
        SharedState state;
        ScriptedPresenter boxes;
        state.DilKlasoru = dir_.filePath(u"c/"_s);
        loadLanguageByName(state, boxes, nullptr, u"T"_s);
        QVERIFY(boxes.shown().isEmpty()); // a companion is never reported
        for (int n = 170; n <= MessageTable::extraLast; ++n)
            QCOMPARE(state.msg(n), n <= lastFromFile ? fileText(n) : MessageTable::builtIn(n));
        loadLanguageByName(state, boxes, nullptr, builtInLanguageName());
        QCOMPARE(state.msg(170), MessageTable::builtIn(170));
    }
};

QTEST_MAIN(TestI18n)
#include "test_i18n.moc"
