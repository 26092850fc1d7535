#include "i18n/language_file.h"
#include "i18n/language_loader.h"
#include "i18n/languages_folder.h"
#include "support/scripted_presenter.h"
#include "support/test_env.h"

#include <QDir>
#include <QFileInfo>
#include <QTest>
#include <QWidget>

using namespace lorvex;
using namespace lorvex::test;
using namespace Qt::StringLiterals;

// Every file text holds a Turkish letter, so a file has more bytes than characters,
// and a bare CR, which is text and no line end.
QString fileText(int n) { return u"Ş\r%1"_s.arg(n); }

// Lines 1 to 8: the header, then two ignored lines.
const QByteArray header("[Bilgiler]\r\nLanguage=\r\nTranslator=\r\nMessage1=1\r\nMessage2=2\r\nMessage3=3\r\n\r\n\r\n");

class TestI18n : public QObject {
    Q_OBJECT
    TestHome home_;

private Q_SLOTS:
    // Loading a language by name: its file, then its companion.
    void loadsALanguage_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("last");    // messages 101..last come from the files, all others are built-in
        QTest::addColumn<QString>("box"); // how the failure box text ends, none when empty
        const QString folder = home_.file(u"Languages/"_s);
        // Message lines first..last: "000i=" and the file's text of message base + i
        // (a companion file's line 1 carries 170).
        const auto lines = [](int first, int last, int base = 100) {
            QByteArray bytes;
            for (int i = first; i <= last; ++i)
                bytes += QByteArray::number(i).rightJustified(4, '0') + '=' + fileText(base + i).toUtf8() + "\r\n";
            return bytes;
        };
        int files = 0; // language k is named "k"; its companion ends early unless given
        const auto file = [&](const QByteArray &bytes, const QByteArray &companion = {}) {
            writeFile(folder + QString::number(++files) + u".lngx"_s, companion);
            return QFileInfo(writeFile(folder + QString::number(files) + u".lng"_s, bytes)).baseName();
        };
        const QByteArray all = header + lines(1, 69), t169 = fileText(169).toUtf8();
        // A bad 69th line costs message 169 only.
        const auto line69 = [&](const QByteArray &line) { return file(header + lines(1, 68) + line + "\r\n"); };
        // Padded by a 70th message line, which is never read.
        QTest::newRow("2999 bytes read") << file((all + "0070=").leftJustified(2999, 'y')) << 169 << QString();
        QTest::newRow("3000 bytes ignored") << file((all + "0070=").leftJustified(3000, 'y')) << 100 << QString();
        QTest::newRow("[bilgiler]") << file(QByteArray(all).replace("[Bilgiler]", "[bilgiler]")) << 100 << QString();
        QTest::newRow("6 lines") << file(header.chopped(4)) << 100 << "1\r\n\r\n2 Input past end of file\r\n\r\n3 62";
        // Before any header line the box takes the words an earlier file left.
        QTest::newRow("empty") << file({}) << 100 << u"o1\r\n\r\no2 Input past end of file\r\n\r\no3 62"_s;
        // /proc/self/mem opens but cannot be read at its start; drop_caches is write-only, even for root.
        QVERIFY(QFile::link(u"/proc/self/mem"_s, folder + u"mem.lng"_s));
        QVERIFY(QFile::link(u"/proc/sys/vm/drop_caches"_s, folder + u"caches.lng"_s));
        QTest::newRow("read fails") << u"mem"_s << 100 << u"\r\n\r\no3 1005"_s;
        QTest::newRow("open fails") << u"caches"_s << 100 << u"\r\n\r\no3 1006"_s;
        QTest::newRow("0069= without text") << line69("0069=") << 168 << QString();
        QTest::newRow("69=: shorter than the line number") << line69("69=") << 168 << QString();
        QTest::newRow(" 6 9=: blanks skipped anywhere") << line69(" 6 9=" + t169) << 169 << QString();
        QTest::newRow(" 69=: '=' as 4th character") << line69(" 69=" + t169) << 168 << QString();
        QTest::newRow("0169=: position, not message") << line69("0169=" + t169) << 168 << QString();
        QTest::newRow("line 3 missing") << file(header + lines(1, 2) + lines(4, 69)) << 102 << QString();
        QTest::newRow("Windows-1254") << file(QByteArray(all).replace("\xC5\x9E", "\xDE")) << 169 << QString();
        QTest::newRow("UTF-8 BOM") << file("\xEF\xBB\xBF" + all) << 169 << QString();
        QTest::newRow("bare LF") << file(QByteArray(all).replace("\r\n", "\n")) << 169 << QString();
        QTest::newRow("with its companion") << file(all, header + lines(1, 34, 169)) << 203 << QString();
        QTest::newRow("no such language") << u"Klingon"_s << 100 << QString();
        QTest::newRow("a name leading out and back") << u"../Languages/1"_s << 100 << QString();
    }
    void loadsALanguage()
    {
        QFETCH(QString, name);
        QFETCH(int, last);
        QFETCH(QString, box);
        SharedState state; // an earlier language fills every slot and the header texts
        for (int n = MessageTable::first; n <= MessageTable::extraLast; ++n)
            state.Mesajlar.set(n, u"earlier"_s);
        state.DilBilgileri = {u"o1"_s, u"o2"_s, u"o3"_s};
        state.DilKlasoru = home_.file(u"Languages/"_s);
        ScriptedPresenter boxes;
        QWidget owner;
        loadLanguageByName(state, boxes, &owner, name);
        QCOMPARE(boxes.shown().size(), box.isEmpty() ? 0 : 1);
        for (const auto &[request, parent] : boxes.shown())
            QVERIFY(request.text.endsWith(box) && request.icon == QMessageBox::Critical && parent == &owner);
        for (int n = MessageTable::first; n <= MessageTable::extraLast; ++n)
            QCOMPARE(state.msg(n), n <= last ? fileText(n) : MessageTable::builtIn(n));
    }

    // The folder beside the program comes first. It lists "Türkçe", then every "*.lng" file, a hidden
    // one too, named up to its first ".".
    void languagesFolder()
    {
        const QString bin = home_.path() + u"/usr/bin"_s, folder = bin + u"/Languages/"_s;
        QCOMPARE(resolveLanguagesFolder(bin), home_.path() + u"/usr/share/lorvex/Languages/"_s);
        for (const QString &name : l(".x.lng|English.LNG|notes.txt|Sv.lng.bak"))
            writeFile(folder + name, "x");
        QCOMPARE(resolveLanguagesFolder(bin), folder);
        QVERIFY(QDir(folder).mkdir(u"Folder.lng"_s));
        QCOMPARE(listLanguages(folder), l("Türkçe|"));
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
        SharedState state;
        ScriptedPresenter boxes;
        state.DilKlasoru = QStringLiteral(LORVEX_SOURCE_DIR "/Languages/");
        loadLanguageByName(state, boxes, nullptr, name);
        // The language file carries 101..169, its companion 170 onwards; every line of theirs is taken.
        for (const auto &[ending, count, first] :
             {std::tuple{".lng", 69, 101}, {".lngx", MessageTable::extraCount, 170}}) {
            const QByteArray bytes = readFile(state.DilKlasoru + name + QLatin1String(ending));
            QVERIFY(bytes.startsWith("[Bilgiler]\r\nLanguage="));                     // no BOM
            QCOMPARE(bytes.count('\r') + bytes.count('\n'), 2 * bytes.count("\r\n")); // CR LF only
            const QStringList lines = QString::fromUtf8(bytes).split(u"\r\n"_s);
            QCOMPARE(lines.size(), 8 + count + 1); // the last line end leaves an empty piece
            for (int i = 1; i <= count; ++i)
                QCOMPARE(lines[7 + i], u"%1="_s.arg(i, 4, 10, QChar(u'0')) + state.msg(first + i - 1));
        }
    }
};

QTEST_MAIN(TestI18n)
#include "test_i18n.moc"
