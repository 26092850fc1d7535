// The About dialog driven through its widgets: the update status and the
// check on demand, the lists and what closing saves, focus and fit.

#include "about/about_dialog.h"
#include "app/app_info.h"
#include "i18n/language_loader.h"
#include "support/fakes.h"
#include "update/http_fixture.h"
#include "update/http_version_checker.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QTest>

using namespace lorvex;
using namespace lorvex::test;

namespace {

const QString offer = QStringLiteral("Güncellemeleri kontrol et");
const QString newer = QStringLiteral("Yeni sürümü indirmek için tıklayınız");
const QString current = QStringLiteral("Uygulama Güncel");

// The dialog shown and active.
struct Harness {
    explicit Harness(TestContext &tc, VersionChecker *checker = nullptr, Settings *settings = nullptr)
        : ctx{tc.state,
              settings ? *settings : tc.settings,
              tc.boxes,
              tc.errors,
              tc.clock,
              tc.opener,
              checker ? *checker : tc.checker,
              tc.context().updateTempPath},
          dialog(nullptr, ctx, [this] { ++captionCalls; })
    {
        dialog.show();
        (void)QTest::qWaitForWindowActive(&dialog);
    }
    template <class W = QLabel> W *child(const char *name) { return dialog.findChild<W *>(QString::fromUtf8(name)); }
    void clickStatus() { QTest::mouseClick(child("Etiket_2"), Qt::LeftButton); }

    AppContext ctx;
    int captionCalls = 0;
    HakkindaFormu dialog;
};

// The status shown as a link (blue, underlined, pointing hand) or as the
// green, inert "up to date".
void verifyStatus(QLabel *label, const QString &text)
{
    const bool link = text != current;
    const QColor c = label->palette().color(QPalette::WindowText);
    QCOMPARE(label->text(), text);
    QCOMPARE(std::tuple(label->isVisible(), label->font().underline(), label->cursor().shape()),
             std::tuple(true, link, link ? Qt::PointingHandCursor : Qt::ArrowCursor));
    QVERIFY(link ? c.blue() > qMax(c.red(), c.green()) + 60 : c.green() > qMax(c.red(), c.blue()) + 60);
}

void ship(TestContext &tc, const QString &file)
{
    writeFile(tc.state.DilKlasoru + file, readFile(QStringLiteral(LORVEX_SOURCE_DIR "/Languages/") + file));
}

// "Guncelleme Sonucu" and "Surum Bilgisi" stored at opening ("" for none), the status shown at
// opening, the status and "Guncelleme Sonucu" after one click; days since the last check, the
// answer to the check a click on the offer starts (1 and 2 come from the real checker) and the
// box that check shows.
struct StatusRow {
    QString stored, published, shown, after, result;
    int daysSinceCheck, answer, warning;
};

// The way of closing, the schedule at opening and the one picked, the languages
// picked in turn, the settings written; DilAdi, the list sorted with "*" on the selected entry,
// and language files beside English.lng.
struct ClosingRow {
    QString how;
    int from, to;
    QStringList picks, written;
    QString DilAdi = QStringLiteral("Türkçe");
    QStringList listed{QStringLiteral("English"), QStringLiteral("Türkçe*")}, extraFiles{};
};

} // namespace

class TestAbout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { OrtakDenetimleriBaslat(); }

    // The status at opening (rules A and B, damaged values), then one click.
    void status_data()
    {
        QTest::addColumn<StatusRow>("row");
        QTest::newRow("first opening, offline") << StatusRow{"", "", offer, offer, "", 7, 1, 156};
        QTest::newRow("first opening, server failure") << StatusRow{"", "", offer, offer, "", 7, 2, 157};
        QTest::newRow("equal version") << StatusRow{"", "", offer, current, "2", 7, 102, 0};
        QTest::newRow("no number") << StatusRow{"", "", offer, current, "2", 7, 0, 0};
        QTest::newRow("newer version") << StatusRow{"", "", offer, newer, "1", 7, 103, 0};
        QTest::newRow("newer known: the link opens the installer") << StatusRow{"1", "103", newer, newer, "1", 3, 0, 0};
        QTest::newRow("up to date today, inert") << StatusRow{"2", "", current, current, "2", 0, 0, 0};
        QTest::newRow("B: up to date yesterday") << StatusRow{"2", "", offer, current, "2", 1, 102, 0};
        QTest::newRow("A: announced today, installed") << StatusRow{"1", "102", current, current, "2", 0, 0, 0};
        QTest::newRow("A: announced today, still newer") << StatusRow{"1", "103", newer, newer, "1", 0, 0, 0};
        QTest::newRow("A only on the day") << StatusRow{"1", "102", newer, newer, "1", 1, 0, 0};
        QTest::newRow("damaged result") << StatusRow{"abc", "", offer, newer, "1", 3, 103, 0};
        QTest::newRow("damaged number: the running one") << StatusRow{"1", "x", current, current, "2", 0, 0, 0};
        QTest::newRow("B: unknown state later") << StatusRow{"3", "", offer, current, "2", 2, 102, 0};
    }
    void status()
    {
        QFETCH(StatusRow, row);
        TestContext tc;
        if (!row.stored.isEmpty())
            tc.settings.write(keys::GuncellemeSonucu, row.stored);
        if (!row.published.isEmpty())
            tc.settings.write(keys::SurumBilgisi, row.published);
        tc.state.SonKontrolTarihi = tc.clock.today().addDays(-row.daysSinceCheck);
        tc.checker.answer = row.answer;
        HttpFixture server;
        server.serve("<html>Not Found</html>", 404);
        HttpVersionChecker http(
            server.url(), [&] { return row.answer == 2; }, 1000);
        Harness h(tc, row.warning ? static_cast<VersionChecker *>(&http) : &tc.checker);
        QCOMPARE(h.child("Etiket_1")->text(), QStringLiteral("Sürüm 1.02"));
        QCOMPARE(QApplication::focusWidget(), h.child<QPushButton>("TamamDüğmesi"));
        verifyStatus(h.child("Etiket_2"), row.shown);
        h.clickStatus();
        verifyStatus(h.child("Etiket_2"), row.after);
        const bool asks = row.shown == offer && !row.warning;
        QCOMPARE(tc.checker.calls, asks ? 1 : 0);
        QCOMPARE(tc.boxes.shown().value(0).request.text, row.warning ? tc.state.msg(row.warning) : QString());
        QCOMPARE(tc.opener.opened, row.shown == newer ? QStringList{app_info::installerUrl()} : QStringList());
        QCOMPARE(tc.settings.read(keys::GuncellemeSonucu, QString()), row.result);
        const QString published = asks && row.after == newer ? QString::number(row.answer) : row.published;
        QCOMPARE(tc.settings.read(keys::SurumBilgisi, QString()), published);
        QCOMPARE(tc.settings.readDate(keys::GuncellemeTarihi), asks || row.shown == newer ? tc.clock.today() : QDate());
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    // The language list at opening and what closing saves, once, whichever way.
    void closing_data()
    {
        QTest::addColumn<ClosingRow>("row");
        // Today is 7 December 2026.
        const QStringList both{"Dil Dosyasi=English", "Guncelleme Zamani=2", "Guncelleme Kontrolu=7.01.2027"};
        QTest::newRow("upper-case extension skipped")
            << ClosingRow{"ok", 1, 1, {}, {}, "English", {"English*", "Türkçe"}, {"Deutsch.LNG"}};
        QTest::newRow("no prefix match")
            << ClosingRow{"ok", 1, 1, {}, {}, "Türkçe", {"English", "Türkçe*", "Türkçe2"}, {"Türkçe2.lng"}};
        QTest::newRow("file removed") << ClosingRow{"ok", 1, 1, {}, {}, "Klingon"};
        QTest::newRow("case counts") << ClosingRow{"ok", 1, 1, {}, {}, "english"};
        QTest::newRow("language there and back") << ClosingRow{"ok", 1, 1, {"English", "Türkçe"}, {}};
        QTest::newRow("weekly to monthly") << ClosingRow{"ok", 1, 2, {}, both.mid(1)};
        QTest::newRow("to never, no due date yet") << ClosingRow{"ok", 1, 0, {}, {"Guncelleme Zamani=0"}};
        QTest::newRow("both by OK") << ClosingRow{"ok", 1, 2, {"English"}, both};
        QTest::newRow("both by Esc") << ClosingRow{"esc", 1, 2, {"English"}, both};
        QTest::newRow("both by the close box") << ClosingRow{"close", 1, 2, {"English"}, both};
    }
    void closing()
    {
        QFETCH(ClosingRow, row);
        const bool english = row.written.contains(QStringLiteral("Dil Dosyasi=English"));
        TestContext tc;
        ship(tc, QStringLiteral("English.lng"));
        for (const QString &file : row.extraFiles)
            writeFile(tc.state.DilKlasoru + file, "[Bilgiler]\r\n");
        tc.state.DilAdi = row.DilAdi;
        tc.state.GuncellemeAraligi = static_cast<UpdateSchedule>(row.from);
        {
            Harness h(tc);
            auto *schedule = h.child<QComboBox>("GüncellemeZamaniKutusu");
            auto *list = h.child<QComboBox>("DilDosyasiListesi");
            QStringList listed;
            for (int i = 0; i < list->count(); ++i)
                listed.append(list->itemText(i) + (i == list->currentIndex() ? QStringLiteral("*") : QString()));
            listed.sort();
            QCOMPARE(listed, row.listed);
            QCOMPARE(schedule->currentIndex(), row.from);
            schedule->setCurrentIndex(row.to);
            for (const QString &language : row.picks)
                list->setCurrentIndex(list->findText(language));
            if (row.how == QLatin1String("ok"))
                QTest::mouseClick(h.child<QPushButton>("TamamDüğmesi"), Qt::LeftButton);
            else if (row.how == QLatin1String("close"))
                h.dialog.close();
            else
                QTest::keyClick(schedule, Qt::Key_Escape);
            h.dialog.close(); // saves nothing more
            QCOMPARE(h.captionCalls, english ? 1 : 0);
        }
        QStringList written; // every stored setting, in the store's key order
        for (const KeyDefault &d : keyDefaults)
            if (tc.settings.contains(d.key))
                written.append(QString::fromUtf8(d.key) + QLatin1Char('=') + tc.settings.read(d.key));
        QCOMPARE(written, row.written);
        QCOMPARE(int(tc.state.GuncellemeAraligi), row.to);
        tc.checker.answer = 1; // opened again: a box in the language now in use
        Harness(tc).clickStatus();
        QCOMPARE(tc.boxes.shown().value(0).request.text.startsWith(QLatin1String("Updates")), english);
    }

    // Tab reaches the status and the links, a tint marks the focus, Enter or Space clicks.
    void linksByKeyboard()
    {
        TestContext tc;
        tc.checker.answer = 102;
        Harness h(tc);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab); // from OK round to the status
        QVERIFY(h.child("Etiket_2")->hasFocus() && h.child("Etiket_2")->autoFillBackground());
        QTest::keyClick(h.child("Etiket_2"), Qt::Key_Return);
        QVERIFY(tc.checker.calls == 1 && h.dialog.isVisible()); // the check, not the OK button
        for (int tab = 0; tab < 6 && !h.child("EPostaEtiketi")->hasFocus(); ++tab)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        QCOMPARE(tc.opener.opened, QStringList{QStringLiteral("mailto:") + app_info::supportEmail()});
    }

    void refusedWriteDuringTheCheck()
    {
        TestContext tc;
        tc.checker.answer = 103;
        // The store's folder cannot be made: its parent is a regular file.
        Settings refusing(writeFile(tc.home.file(QStringLiteral("blocker")), "x") + QStringLiteral("/Lorvex.ini"));
        Harness h(tc, nullptr, &refusing);
        QCOMPARE(tc.exitStatus, -1); // opening wrote nothing
        h.clickStatus();
        QVERIFY(tc.exitStatus != -1);
        QVERIFY(tc.boxes.shown().value(0).request.text.contains(QStringLiteral("Hata Yeri: Form-2")));
    }

    // Every control inside its holder and every caption in its place, in each
    // shipped language, with either link status.
    void nothingClipped()
    {
        for (const char *language : {"Türkçe", "English", "Deutsch"}) {
            TestContext tc;
            ship(tc, QStringLiteral("English.lng"));
            ship(tc, QStringLiteral("Deutsch.lng"));
            loadLanguageByName(tc.state, tc.boxes, nullptr, tc.state.DilAdi = QString::fromUtf8(language));
            tc.checker.answer = 103;
            Harness h(tc);
            for (int pass = 0; pass < 2; ++pass, h.clickStatus()) {
                for (QWidget *w : h.dialog.findChildren<QWidget *>()) {
                    const bool inside = w->parentWidget()->rect().contains(w->geometry());
                    const bool wide = w->sizeHint().width() <= w->width();
                    QVERIFY2(!w->isVisible() || (inside && wide), w->objectName().toUtf8() + ' ' + language);
                }
            }
        }
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
