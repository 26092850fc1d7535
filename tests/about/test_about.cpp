// The About dialog driven through its widgets: the update status and its
// click, the check's warning, what closing saves, the links by keyboard, and
// a refused write.
// The decisions behind them are tested in test_update_rules.

#include "about/about_dialog.h"
#include "app/app_info.h"
#include "support/fakes.h"

#include <QComboBox>
#include <QLabel>
#include <QTest>

using namespace lorvex;
using namespace lorvex::test;
using namespace lorvex::keys;

constexpr int offer = msg::CheckForUpdates, newer = msg::ClickToDownload, current = msg::UpToDate;

// The dialog, shown and active.
struct Harness {
    explicit Harness(const AppContext &c) : ctx(c), dialog(nullptr, ctx, [this] { ++captionCalls; }) {}
    template <class W = QLabel> W *child(const char *name) { return dialog.findChild<W *>(QString::fromUtf8(name)); }
    QString stored(const char *key) const { return ctx.settings.contains(key) ? ctx.settings.read(key) : s("-"); }

    AppContext ctx;
    int captionCalls = 0;
    HakkindaFormu dialog;
    const bool active = (dialog.show(), QTest::qWaitForWindowActive(&dialog));
};

// Stored at opening: "Guncelleme Sonucu", "Surum Bilgisi", the days since the last check; the
// status shown, the checker's answer, the status after a click and the warning it brought; then
// "Guncelleme Sonucu|Surum Bilgisi|Guncelleme Tarihi" as stored ("-" when never written).
using StatusRow = std::tuple<QString, QString, int, int, int, int, int, QStringList>;
// The key that closes (Esc, Enter on OK; none: the close box), DilAdi, the schedule (weekly at opening) and the
// language picked; then "Dil Dosyasi|Guncelleme Zamani|Guncelleme Kontrolu" as stored.
using ClosingRow = std::tuple<int, QString, int, QString, QStringList>;

class TestAbout : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // What one click on each look of the status does (today is 7 December 2026). A wrong look at
    // opening shows after the click too: the click then does another thing.
    void status_data()
    {
        QTest::addColumn<StatusRow>("row");
        QTest::newRow("damaged: the check") << StatusRow{"abc", "", 0, offer, 103, newer, 0, l("1|103|7.12.2026")};
        // Opening writes nothing when nothing changes.
        QTest::newRow("offer, offline: a warning") << StatusRow{"", "", 7, offer, 1, offer, 156, l("||-")};
        QTest::newRow("newer: the installer") << StatusRow{"1", "103", 0, newer, 0, newer, 0, l("1|103|7.12.2026")};
        QTest::newRow("up to date: inert") << StatusRow{"1", "102", 0, current, 103, current, 0, l("2|102|-")};
    }
    void status()
    {
        QFETCH(StatusRow, row);
        const auto &[stored, published, days, shown, answer, after, warning, saved] = row;
        TestContext tc;
        tc.settings.write({{GuncellemeSonucu, stored}, {SurumBilgisi, published}});
        tc.state.SonKontrolTarihi = tc.clock.today().addDays(-days);
        tc.checker.answer = answer;
        Harness h(tc.context());
        QLabel *label = h.child("Etiket_2");
        QTest::mouseClick(label, Qt::LeftButton);
        // Shown again, as a link (blue, underlined, pointing hand) or as the green, inert "up to date".
        const bool link = after != current;
        const int hue = qRound(label->palette().color(QPalette::WindowText).hueF() * 3); // thirds: 2 blue, 1 green
        QCOMPARE(std::tuple(label->text(), label->isVisible(), label->font().underline(), label->cursor().shape(), hue),
                 std::tuple(tc.state.msg(after), true, link, link ? Qt::PointingHandCursor : Qt::ArrowCursor,
                            link ? 2 : 1));
        QCOMPARE(tc.boxes.shown().value(0).request.text, warning ? tc.state.msg(warning) : QString());
        QCOMPARE(tc.opener.opened, shown == newer ? QStringList{app_info::installerUrl()} : QStringList());
        QCOMPARE(QStringList({h.stored(GuncellemeSonucu), h.stored(SurumBilgisi), h.stored(GuncellemeTarihi)}), saved);
    }

    // The language list at opening, and what closing saves: once, whichever way.
    void closing_data()
    {
        QTest::addColumn<ClosingRow>("row");
        QTest::newRow("OK") << ClosingRow{Qt::Key_Return, "Türkçe", 2, "English", l("English|2|7.01.2027")};
        QTest::newRow("Esc, nothing changed") << ClosingRow{Qt::Key_Escape, "Türkçe", 1, "Türkçe", l("-|-|-")};
        QTest::newRow("Esc, to never") << ClosingRow{Qt::Key_Escape, "English", 0, "English", l("-|0|-")};
        QTest::newRow("close box") << ClosingRow{0, "Türkçe", 2, "English", l("English|2|7.01.2027")};
    }
    void closing()
    {
        QFETCH(ClosingRow, row);
        const auto &[how, DilAdi, schedule, language, saved] = row;
        TestContext tc;
        writeFile(tc.state.DilKlasoru + "English.lng", readFile(LORVEX_SOURCE_DIR "/Languages/English.lng"));
        tc.state.DilAdi = DilAdi;
        Harness h(tc.context());
        auto *list = h.child<QComboBox>("DilDosyasiListesi");
        auto *box = h.child<QComboBox>("GüncellemeZamaniKutusu");
        QCOMPARE(std::tuple(list->count(), list->currentText(), box->currentIndex()), std::tuple(2, DilAdi, 1));
        box->setCurrentIndex(schedule);
        list->setCurrentIndex(list->findText(language));
        how ? QTest::keyClick(h.dialog.focusWidget(), Qt::Key(how)) : void(h.dialog.close());
        h.dialog.show(); // and closed once more: nothing more is saved
        h.dialog.close();
        QCOMPARE(QStringList({h.stored(DilDosyasi), h.stored(GuncellemeZamani), h.stored(GuncellemeKontrolu)}), saved);
        QCOMPARE(std::tuple(int(tc.state.GuncellemeAraligi), h.captionCalls,
                            tc.state.msg(msg::NoInternet).startsWith(u"Updates")),
                 std::tuple(schedule, language != DilAdi ? 1 : 0, language != DilAdi));
    }

    // Tab reaches the status and the links, a tint marks the focus, Enter or Space clicks. The
    // store refuses every write: the check Enter starts ends in an error report under "Form-2",
    // with the dialog still open.
    void linksByKeyboard()
    {
        TestContext tc;
        tc.checker.answer = 103;
        writeFile(QFileInfo(tc.settings.filePath()).path(), "x"); // a file where the store's folder belongs
        Harness h(tc.context());
        QTest::keyClick(h.dialog.focusWidget(), Qt::Key_Tab); // from OK round to the status
        QVERIFY(h.child("Etiket_2")->hasFocus() && h.child("Etiket_2")->autoFillBackground());
        QTest::keyClick(h.child("Etiket_2"), Qt::Key_Return);
        QVERIFY(h.dialog.isVisible() && tc.boxes.shown().value(0).request.text.contains(s("Hata Yeri: Form-2")));
        for (int tab = 0; tab < 6 && !h.child("EPostaEtiketi")->hasFocus(); ++tab)
            QTest::keyClick(h.dialog.focusWidget(), Qt::Key_Tab);
        QTest::keyClick(h.dialog.focusWidget(), Qt::Key_Space);
        QCOMPARE(tc.opener.opened, QStringList{QStringLiteral("mailto:") + app_info::supportEmail()});
    }
};

QTEST_MAIN(TestAbout)
#include "test_about.moc"
