// The About dialog's update status, check on demand, links, focus and ways
// of closing, driven through its widgets.

#include "about_support.h"
#include "app/app_info.h"
#include "app/error_text.h"
#include "app/shell.h"
#include "update/http_fixture.h"
#include "update/http_version_checker.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QTimer>

using namespace lorvex;
using namespace lorvex::test;

namespace {

const QColor linkColour(80, 70, 230);
const QColor green(30, 130, 30);

void verifyLink(QLabel *label, const QString &text)
{
    QCOMPARE(label->text(), text);
    QVERIFY(label->font().underline());
    QCOMPARE(label->palette().color(QPalette::WindowText), linkColour);
    QCOMPARE(label->cursor().shape(), Qt::PointingHandCursor);
    QVERIFY(label->isVisible());
}

void verifyUpToDate(QLabel *label)
{
    QCOMPARE(label->text(), QStringLiteral("Uygulama Güncel"));
    QVERIFY(!label->font().underline());
    QCOMPARE(label->palette().color(QPalette::WindowText), green);
    QCOMPARE(label->cursor().shape(), Qt::ArrowCursor);
    QVERIFY(label->isVisible());
}

} // namespace

class TestAboutDialog : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { OrtakDenetimleriBaslat(); }

    void firstOpeningOffersTheCheck()
    {
        TestContext tc;
        AboutHarness h(tc);
        HakkindaFormu &d = h.open();
        verifyLink(h.label("Etiket_2"), QStringLiteral("Güncellemeleri kontrol et"));
        QCOMPARE(d.windowTitle(), QStringLiteral("Hakkında..."));
        QCOMPARE(h.label("Etiket_1")->text(), QStringLiteral("Sürüm 1.02"));
        QCOMPARE(h.label("Etiket_0")->text(), QStringLiteral("Lorvex"));
        QVERIFY(h.label("Etiket_0")->font().bold());
        QCOMPARE(h.label("Etiket_0")->palette().color(QPalette::WindowText), QColor(72, 72, 72));
        QCOMPARE(h.label("Etiket_3")->text(), app_info::legalNotice());
        QVERIFY(!QFile::exists(tc.settings.filePath())); // opening wrote nothing
        QCOMPARE(tc.exitStatus, -1);
    }

    void checkThatCannotRunWarns_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("warning");
        QTest::newRow("offline") << 1 << QStringLiteral("İnternet bağlantınız olmadığı için güncelleme kontrol edilemiyor!");
        QTest::newRow("download failed") << 2 << QStringLiteral("Güncelleme kontrolü başarısız oldu.");
    }
    void checkThatCannotRunWarns()
    {
        QFETCH(int, answer);
        QFETCH(QString, warning);
        TestContext tc;
        tc.checker.answer = answer;
        const QDate lastCheck = tc.state.SonKontrolTarihi;
        AboutHarness h(tc);
        h.open();
        bool hiddenDuringBox = false;
        tc.boxes.expect(QMessageBox::Ok, [&](const BoxRequest &) { hiddenDuringBox = h.label("Etiket_2")->isHidden(); });
        QTest::mouseClick(h.label("Etiket_2"), Qt::LeftButton);
        QCOMPARE(tc.checker.calls, 1);
        QCOMPARE(tc.checker.lastPath, h.ctx.updateTempPath);
        QCOMPARE(tc.checker.lastProduct, 101);
        QCOMPARE(tc.boxes.shown().size(), 1);
        const BoxRequest box = tc.boxes.shown().first().request;
        QCOMPARE(box.text, warning);
        QCOMPARE(box.icon, QMessageBox::Warning);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        QCOMPARE(box.title, QStringLiteral("Lorvex"));
        QVERIFY(hiddenDuringBox);
        verifyLink(h.label("Etiket_2"), QStringLiteral("Güncellemeleri kontrol et"));
        QVERIFY(!QFile::exists(tc.settings.filePath()));
        QCOMPARE(tc.state.SonKontrolTarihi, lastCheck);
        QCOMPARE(QApplication::overrideCursor(), nullptr);
        // Still the offer: a second click checks again.
        tc.boxes.expect(QMessageBox::Ok);
        QTest::mouseClick(h.label("Etiket_2"), Qt::LeftButton);
        QCOMPARE(tc.checker.calls, 2);
    }

    void upToDateAnswer_data()
    {
        QTest::addColumn<int>("answer");
        QTest::newRow("same version") << 102;
        QTest::newRow("older version") << 101;
        QTest::newRow("three is a version, no code") << 3;
        QTest::newRow("no number in the file") << 0;
    }
    void upToDateAnswer()
    {
        QFETCH(int, answer);
        TestContext tc;
        tc.checker.answer = answer;
        AboutHarness h(tc);
        HakkindaFormu &d = h.open();
        QTest::mouseClick(h.label("Etiket_2"), Qt::LeftButton);
        verifyUpToDate(h.label("Etiket_2"));
        QTest::mouseClick(h.label("Etiket_2"), Qt::LeftButton); // inert now
        QCOMPARE(tc.checker.calls, 1);
        QVERIFY(tc.opener.opened.isEmpty());
        const auto values = stored(tc.settings);
        QCOMPARE(values.value(QStringLiteral("Guncelleme Sonucu")), QStringLiteral("2"));
        QCOMPARE(values.value(QStringLiteral("Guncelleme Tarihi")), dateText(tc.clock.today(), turkish));
        QVERIFY(!values.contains(QStringLiteral("Surum Bilgisi")));
        QCOMPARE(tc.state.SonKontrolTarihi, tc.clock.today());
        QVERIFY(d.isVisible());
        QCOMPARE(tc.boxes.shown().size(), 0);
    }

    void newerVersionOffersTheDownload()
    {
        TestContext tc;
        tc.checker.answer = 103;
        AboutHarness h(tc);
        HakkindaFormu &d = h.open();
        QTest::mouseClick(h.label("Etiket_2"), Qt::LeftButton);
        verifyLink(h.label("Etiket_2"), QStringLiteral("Yeni sürümü indirmek için tıklayınız"));
        auto values = stored(tc.settings);
        QCOMPARE(values.value(QStringLiteral("Surum Bilgisi")), QStringLiteral("103"));
        QCOMPARE(values.value(QStringLiteral("Guncelleme Sonucu")), QStringLiteral("1"));

        // The download link, clicked on another day, stamps that day.
        tc.clock.set(tc.clock.today().addDays(1));
        QTest::mouseClick(h.label("Etiket_2"), Qt::LeftButton);
        QCOMPARE(tc.opener.opened, QStringList{app_info::installerUrl()});
        QCOMPARE(tc.checker.calls, 1);
        values = stored(tc.settings);
        QCOMPARE(values.value(QStringLiteral("Guncelleme Tarihi")), dateText(tc.clock.today(), turkish));
        QCOMPARE(values.value(QStringLiteral("Guncelleme Sonucu")), QStringLiteral("1"));
        QVERIFY(d.isVisible());
    }

    void reopeningOnALaterDayOffersTheCheckAgain()
    {
        TestContext tc;
        tc.checker.answer = 102;
        {
            AboutHarness h(tc);
            h.open();
            QTest::mouseClick(h.label("Etiket_2"), Qt::LeftButton);
            h.dialog->close();
        }
        tc.clock.set(tc.clock.today().addDays(1));
        AboutHarness h(tc);
        h.open();
        verifyLink(h.label("Etiket_2"), QStringLiteral("Güncellemeleri kontrol et"));
        QCOMPARE(stored(tc.settings).value(QStringLiteral("Guncelleme Sonucu")), QStringLiteral("0"));
    }

    // Rules A and B at opening, and damaged values that must not stop it.
    void openingRules_data()
    {
        QTest::addColumn<QString>("result");  // stored "Guncelleme Sonucu", "" for absent
        QTest::addColumn<QString>("published"); // stored "Surum Bilgisi", "" for absent
        QTest::addColumn<int>("daysSinceCheck");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<QString>("resultAfter");
        const QString offer = QStringLiteral("Güncellemeleri kontrol et");
        const QString newer = QStringLiteral("Yeni sürümü indirmek için tıklayınız");
        const QString current = QStringLiteral("Uygulama Güncel");
        QTest::newRow("A: announced today, installed") << "1" << "102" << 0 << current << "2";
        QTest::newRow("A: announced today, absent number") << "1" << "" << 0 << current << "2";
        QTest::newRow("A: announced today, still newer") << "1" << "103" << 0 << newer << "1";
        QTest::newRow("newer stays on later days") << "1" << "103" << 3 << newer << "1";
        QTest::newRow("A only on the day") << "1" << "102" << 1 << newer << "1";
        QTest::newRow("up to date today") << "2" << "" << 0 << current << "2";
        QTest::newRow("B: up to date yesterday") << "2" << "" << 1 << offer << "0";
        QTest::newRow("offer today") << "0" << "" << 0 << offer << "0";
        QTest::newRow("damaged result") << "abc" << "" << 3 << offer << "abc";
        QTest::newRow("result above 255") << "300" << "" << 0 << offer << "300";
        QTest::newRow("damaged number") << "1" << "x" << 0 << current << "2";
        QTest::newRow("unknown state keeps the design") << "3" << "" << 0 << "" << "3";
        QTest::newRow("B: unknown state later") << "3" << "" << 2 << offer << "0";
    }
    void openingRules()
    {
        QFETCH(QString, result);
        QFETCH(QString, published);
        QFETCH(int, daysSinceCheck);
        QFETCH(QString, shown);
        QFETCH(QString, resultAfter);
        TestContext tc;
        if (!result.isEmpty())
            tc.settings.write(keys::GuncellemeSonucu, result);
        if (!published.isEmpty())
            tc.settings.write(keys::SurumBilgisi, published);
        tc.state.SonKontrolTarihi = tc.clock.today().addDays(-daysSinceCheck);
        AboutHarness h(tc);
        h.open();
        QCOMPARE(h.label("Etiket_2")->text(), shown);
        QCOMPARE(stored(tc.settings).value(QStringLiteral("Guncelleme Sonucu")), resultAfter);
        QCOMPARE(tc.exitStatus, -1);
        QCOMPARE(tc.boxes.shown().size(), 0);
    }

    void unknownStateClickOnlyStampsTheDay()
    {
        TestContext tc;
        tc.settings.write(keys::GuncellemeSonucu, QStringLiteral("7"));
        tc.state.SonKontrolTarihi = tc.clock.today();
        AboutHarness h(tc);
        h.open();
        tc.clock.set(tc.clock.today().addDays(1));
        QTest::mouseClick(h.label("Etiket_2"), Qt::LeftButton);
        QCOMPARE(tc.checker.calls, 0);
        QVERIFY(tc.opener.opened.isEmpty());
        QCOMPARE(stored(tc.settings).value(QStringLiteral("Guncelleme Tarihi")), dateText(tc.clock.today(), turkish));
        QCOMPARE(stored(tc.settings).value(QStringLiteral("Guncelleme Sonucu")), QStringLiteral("7"));
    }

    void refusedWriteDuringTheCheckIsReported()
    {
        TestContext tc;
        tc.checker.answer = 103;
        // A folder that cannot be made: its parent is a regular file.
        const QString blocker = writeFile(tc.home.file(QStringLiteral("blocker")), "x");
        Settings refusing(blocker + QStringLiteral("/Tavoran/Lorvex.ini"), turkish);
        AppContext c = tc.context();
        AboutHarness h(AppContext{c.state, refusing, c.boxes, c.errors, c.clock, c.opener, c.checker, c.updateTempPath});
        h.open();
        QCOMPARE(tc.exitStatus, -1); // opening itself wrote nothing
        tc.boxes.expect(QMessageBox::Ok);
        QTest::mouseClick(h.label("Etiket_2"), Qt::LeftButton);
        QVERIFY(tc.exitStatus != -1);
        QCOMPARE(tc.boxes.shown().size(), 1);
        QCOMPARE(tc.boxes.shown().first().request.icon, QMessageBox::Critical);
        QVERIFY(tc.boxes.shown().first().request.text.contains(QStringLiteral("Hata Yeri: Form-2")));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }

    void linksOpenTheMakersAddresses()
    {
        TestContext tc;
        AboutHarness h(tc);
        h.open();
        const char *links[] = {"WebSayfasiEtiketi", "TavoranDosyasiEtiketi", "EPostaEtiketi"};
        for (const char *name : links) {
            QLabel *link = h.label(name);
            QVERIFY(link->font().underline());
            QCOMPARE(link->palette().color(QPalette::WindowText), linkColour);
            QCOMPARE(link->cursor().shape(), Qt::PointingHandCursor);
            QTest::mouseClick(link, Qt::LeftButton);
        }
        QCOMPARE(h.label("EPostaEtiketi")->text(), app_info::supportEmail());
        QCOMPARE(tc.opener.opened, (QStringList{app_info::webPageUrl(), app_info::installerUrl(),
                                                QStringLiteral("mailto:") + app_info::supportEmail()}));
        // Plain labels are no links.
        QTest::mouseClick(h.label("Etiket_1"), Qt::LeftButton);
        QTest::mouseClick(h.label("Etiket_6"), Qt::LeftButton);
        QCOMPARE(tc.opener.opened.size(), 3);
        QVERIFY(!QFile::exists(tc.settings.filePath()));
    }

    void okButtonHasTheFocusWheneverActive()
    {
        TestContext tc;
        AboutHarness h(tc);
        HakkindaFormu &d = h.open();
        auto *ok = child<QPushButton>(&d, "TamamDüğmesi");
        QCOMPARE(QApplication::focusWidget(), ok);
        QVERIFY(ok->isDefault());
        child<QComboBox>(&d, "DilDosyasiListesi")->setFocus();
        QWidget other;
        other.show();
        other.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&other));
        d.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&d));
        QCOMPARE(QApplication::focusWidget(), ok);
    }

    // Every way of closing saves the same way, once.
    void everyCloseSaves_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("OK button") << "ok";
        QTest::newRow("Enter") << "enter";
        QTest::newRow("Esc") << "esc";
        QTest::newRow("close box") << "close";
    }
    void everyCloseSaves()
    {
        QFETCH(QString, how);
        TestContext tc;
        shipLanguage(tc, QStringLiteral("English"));
        AboutHarness h(tc);
        HakkindaFormu &d = h.open();
        auto *schedule = child<QComboBox>(&d, "GüncellemeZamaniKutusu");
        schedule->setFocus();
        QTest::keyClick(schedule, Qt::Key_Down);
        QCOMPARE(schedule->currentIndex(), 2);
        child<QComboBox>(&d, "DilDosyasiListesi")->setCurrentIndex(1);
        if (how == QLatin1String("ok"))
            QTest::mouseClick(child<QPushButton>(&d, "TamamDüğmesi"), Qt::LeftButton);
        else if (how == QLatin1String("enter"))
            QTest::keyClick(schedule, Qt::Key_Return);
        else if (how == QLatin1String("esc"))
            QTest::keyClick(schedule, Qt::Key_Escape);
        else
            d.close();
        QVERIFY(!d.isVisible());
        const auto values = stored(tc.settings);
        QCOMPARE(values.value(QStringLiteral("Guncelleme Zamani")), QStringLiteral("2"));
        QCOMPARE(values.value(QStringLiteral("Dil Dosyasi")), QStringLiteral("English"));
        QCOMPARE(h.captionCalls, 1);
        d.close(); // a second close saves nothing more
        QCOMPARE(h.captionCalls, 1);
    }

    void openAboutDialogIsModalAndReturns()
    {
        TestContext tc;
        AppContext ctx = tc.context();
        QWidget owner;
        owner.setGeometry(100, 80, 600, 500);
        owner.show();
        QString seenTitle;
        bool modal = false;
        bool centred = false;
        auto *poll = new QTimer(&owner);
        QObject::connect(poll, &QTimer::timeout, &owner, [&] {
            if (QWidget *w = QApplication::activeModalWidget()) {
                poll->stop();
                seenTitle = w->windowTitle();
                modal = w->isModal();
                centred = (w->geometry().center() - owner.geometry().center()).manhattanLength() <= 2;
                QTest::keyClick(w, Qt::Key_Escape);
            }
        });
        poll->start(10);
        int calls = 0;
        openAboutDialog(&owner, ctx, [&] { ++calls; });
        QCOMPARE(seenTitle, QStringLiteral("Hakkında..."));
        QVERIFY(modal);
        QVERIFY(centred);
        QCOMPARE(calls, 0);
    }

    // The real checker against a loopback server: the codes reach the boxes.
    void realCheckerCodes_data()
    {
        QTest::addColumn<bool>("online");
        QTest::addColumn<int>("message");
        QTest::newRow("offline probe") << false << 156;
        QTest::newRow("server answers 404") << true << 157;
    }
    void realCheckerCodes()
    {
        QFETCH(bool, online);
        QFETCH(int, message);
        HttpFixture server;
        server.notFound();
        HttpVersionChecker checker(server.url(), [online] { return online; }, 2000);
        TestContext tc;
        AppContext c = tc.context();
        AboutHarness h(AppContext{c.state, c.settings, c.boxes, c.errors, c.clock, c.opener, checker, c.updateTempPath});
        h.open();
        tc.boxes.expect(QMessageBox::Ok);
        QTest::mouseClick(h.label("Etiket_2"), Qt::LeftButton);
        QCOMPARE(tc.boxes.shown().size(), 1);
        QCOMPARE(tc.boxes.shown().first().request.text, tc.state.msg(message));
        QCOMPARE(server.requestCount(), online ? 1 : 0);
        QVERIFY(!QFile::exists(tc.settings.filePath()));
        QCOMPARE(QApplication::overrideCursor(), nullptr);
    }
};

QTEST_MAIN(TestAboutDialog)
#include "test_about_dialog.moc"
