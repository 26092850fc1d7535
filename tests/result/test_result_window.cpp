#include "result/picture_files.h"
#include "result/report_picture.h"
#include "result/result_window.h"
#include "support/fakes.h"

#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

using namespace lorvex;
using lorvex::test::TestContext;

namespace {

ResultInputs workedExample()
{
    ResultInputs in;
    in.inputFrequency = QStringLiteral("145.000");
    in.divisionRatio = QStringLiteral("1");
    in.referenceOscillator = QStringLiteral("10.240");
    in.referenceFrequency = QStringLiteral("10");
    in.raChecked = {true, true, false};
    for (int i = 0; i < pll::nBitCount; ++i)
        in.nChecked[i] = ((14500 >> i) & 1) == 0;
    return in;
}

template <class W = QWidget> W *child(QWidget &form, const char *name)
{
    W *w = form.findChild<W *>(QString::fromUtf8(name));
    if (!w)
        qFatal("no control %s", name);
    return w;
}

QPushButton *saveButton(QWidget &form) { return child<QPushButton>(form, "GörüntüOlarakKaydetDüğmesi"); }
QString tag(QWidget &form) { return saveButton(form)->property("tag").toString(); }
void clickSave(QWidget &form) { QTest::mouseClick(saveButton(form), Qt::LeftButton); }

QString imagesFolder(const TestContext &t) { return t.home.path() + QStringLiteral("/Documents/Tavoran/Lorvex/Images/"); }

QStringList savedFiles(const TestContext &t)
{
    return QDir(imagesFolder(t)).entryList(QDir::Files, QDir::Name);
}

QImage rgb32(const QImage &image) { return image.convertToFormat(QImage::Format_RGB32); }

} // namespace

class TestResultWindow : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase()
    {
        // The program's own layout font.
        QApplication::setFont(QFont(QStringLiteral("Liberation Sans"), 8));
    }

    void layoutAndCaptions()
    {
        TestContext t;
        AppContext ctx = t.context();
        t.state.Mesajlar.set(119, QStringLiteral("Close"));
        QWidget owner;
        owner.setGeometry(60, 40, 600, 500);
        owner.show();
        SonuçFormu form(&owner, ctx, workedExample());
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));

        QCOMPARE(form.size(), QSize(407, 400));
        QCOMPARE(form.minimumSize(), form.maximumSize());
        QVERIFY(!(form.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY(form.isModal());
        QCOMPARE(form.geometry().center(), owner.geometry().center());
        QCOMPARE(form.windowTitle(), QStringLiteral("Sonuç Bilgileri"));

        const struct {
            const char *name;
            QRect place;
            QString caption;
        } controls[] = {
            {"SimgeKutusu", QRect(22, 30, 48, 48), {}},
            {"Etiket", QRect(92, 20, 294, 29), t.state.msg(116)},
            {"SonuçKutusu", QRect(92, 56, 294, 285), {}},
            {"KopyalaDüğmesi", QRect(92, 356, 97, 23), QStringLiteral("Panoya Kopyala")},
            {"GörüntüOlarakKaydetDüğmesi", QRect(192, 356, 109, 23), QStringLiteral("BMP Olarak Kaydet")},
            {"KapatDüğmesi", QRect(303, 356, 83, 23), QStringLiteral("Close (Esc)")},
        };
        for (const auto &c : controls) {
            QWidget *w = child(form, c.name);
            QCOMPARE(w->geometry(), c.place);
            if (auto *b = qobject_cast<QPushButton *>(w))
                QCOMPARE(b->text(), c.caption);
            else if (!c.caption.isEmpty())
                QCOMPARE(qobject_cast<QLabel *>(w)->text(), c.caption);
        }
        QVERIFY(child<QLabel>(form, "Etiket")->wordWrap());
        QVERIFY(!child<QLabel>(form, "SimgeKutusu")->pixmap().isNull());
        QCOMPARE(tag(form), QString());

        // An owner half off the screen still gets a dialog the user can see.
        owner.move(owner.screen()->availableGeometry().right() - 100, 40);
        SonuçFormu edge(&owner, ctx, workedExample());
        QVERIFY(owner.screen()->availableGeometry().contains(edge.geometry()));
    }

    void focusOrder()
    {
        TestContext t;
        AppContext ctx = t.context();
        SonuçFormu form(nullptr, ctx, workedExample());
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        for (const char *name : {"SonuçKutusu", "KopyalaDüğmesi", "GörüntüOlarakKaydetDüğmesi", "KapatDüğmesi", "SonuçKutusu"}) {
            QCOMPARE(QApplication::focusWidget(), child(form, name));
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
    }

    void pictureIsTheReport()
    {
        TestContext t;
        AppContext ctx = t.context();
        SonuçFormu form(nullptr, ctx, workedExample());
        QCOMPARE(form.picture().size(), QSize(294, 285));
        QCOMPARE(form.picture().format(), QImage::Format_RGB32);
        QCOMPARE(rgb32(child<QLabel>(form, "SonuçKutusu")->pixmap().toImage()), form.picture());
        QCOMPARE(form.picture(), result::drawReportPicture(workedExample(), t.state.Mesajlar, QSize(294, 285)));

        // The last pin line is not cut off: the bottom rows are background.
        const QRgb background = QApplication::palette().color(QPalette::Base).rgb();
        for (int x = 0; x < 294; ++x)
            QCOMPARE(form.picture().pixel(x, 284), background);
        QVERIFY(form.picture().copy(0, 250, 100, 30) != QImage(100, 30, QImage::Format_RGB32)); // something is drawn there
    }

    void eachOpeningDrawsAfresh()
    {
        TestContext t;
        AppContext ctx = t.context();
        ResultInputs other = workedExample();
        other.inputFrequency = QStringLiteral("146.000");
        other.nChecked.fill(false);
        SonuçFormu first(nullptr, ctx, workedExample());
        SonuçFormu second(nullptr, ctx, other);
        QVERIFY(first.picture() != second.picture());
        QCOMPARE(second.picture(), result::drawReportPicture(other, t.state.Mesajlar, QSize(294, 285)));
    }

    void copy()
    {
        TestContext t;
        AppContext ctx = t.context();
        SonuçFormu form(nullptr, ctx, workedExample());
        form.show();
        const QString expected = result::joinedReport(result::reportBlocks(workedExample(), t.state.Mesajlar));
        QVERIFY(expected.startsWith(QStringLiteral("Giriş Frekansı\t: 145.000 Khz\r\n")));
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        QVERIFY(QTest::qWaitForWindowActive(&form));
        QTest::keyClick(child(form, "SonuçKutusu"), Qt::Key_Return); // Enter on the picture presses nothing
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));
        for (int i = 0; i < 2; ++i) {
            QTest::mouseClick(child<QPushButton>(form, "KopyalaDüğmesi"), Qt::LeftButton);
            QCOMPARE(QGuiApplication::clipboard()->text(), expected);
        }
        QCOMPARE(tag(form), QString());
        QVERIFY(t.boxes.shown().isEmpty());
        QVERIFY(form.isVisible());
    }

    void escClosesLikeTheCloseButton_data()
    {
        QTest::addColumn<bool>("useEsc");
        QTest::newRow("Esc") << true;
        QTest::newRow("close button") << false;
    }
    void escClosesLikeTheCloseButton()
    {
        QFETCH(bool, useEsc);
        TestContext t;
        AppContext ctx = t.context();
        SonuçFormu form(nullptr, ctx, workedExample());
        form.setResult(-1);
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        if (useEsc)
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        else
            QTest::mouseClick(child<QPushButton>(form, "KapatDüğmesi"), Qt::LeftButton);
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Rejected));
        QVERIFY(!QFileInfo::exists(t.home.path() + QStringLiteral("/Documents")));
        QVERIFY(t.boxes.shown().isEmpty());
    }

    void openResultWindowIsModal()
    {
        TestContext t;
        AppContext ctx = t.context();
        QWidget owner;
        owner.show();
        QString seenTitle;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            if (QWidget *modal = QApplication::activeModalWidget()) {
                seenTitle = modal->windowTitle();
                QTest::keyClick(modal, Qt::Key_Escape);
            }
        });
        poll.start(20);
        openResultWindow(&owner, ctx, workedExample());
        QCOMPARE(seenTitle, QStringLiteral("Sonuç Bilgileri"));
        QCOMPARE(QApplication::activeModalWidget(), nullptr);
    }

    void firstSaveCreatesTheFolders()
    {
        TestContext t;
        AppContext ctx = t.context();
        QVERIFY(!QFileInfo::exists(t.home.path() + QStringLiteral("/Documents")));
        SonuçFormu form(nullptr, ctx, workedExample());
        form.show();
        const QString path = imagesFolder(t) + QStringLiteral("PLL (0).bmp");
        t.boxes.expect(QMessageBox::Yes);
        clickSave(form);

        QCOMPARE(t.boxes.shown().size(), 1);
        const BoxRequest &box = t.boxes.shown()[0].request;
        QCOMPARE(box.text, t.state.msg(122) + QStringLiteral("\r\n\r\n") + path);
        QCOMPARE(box.title, QStringLiteral("Lorvex"));
        QCOMPARE(box.icon, QMessageBox::Question);
        QCOMPARE(box.buttons, QMessageBox::Yes | QMessageBox::No);
        QCOMPARE(box.defaultButton, QMessageBox::Yes);
        QCOMPARE(t.opener.opened, QStringList{path});
        QCOMPARE(tag(form), QStringLiteral("1"));
        QCOMPARE(savedFiles(t), QStringList{QStringLiteral("PLL (0).bmp")});

        QImage reloaded(path);
        QCOMPARE(reloaded.size(), QSize(294, 285));
        QCOMPARE(rgb32(reloaded), rgb32(form.picture()));
    }

    void lowestFreeNumber_data()
    {
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QString>("expected");
        QTest::newRow("0 and 1") << QStringList{QStringLiteral("PLL (0).bmp"), QStringLiteral("PLL (1).bmp")} << "PLL (2).bmp";
        QTest::newRow("only 1") << QStringList{QStringLiteral("PLL (1).bmp")} << "PLL (0).bmp";
        QTest::newRow("0 and 2") << QStringList{QStringLiteral("PLL (0).bmp"), QStringLiteral("PLL (2).bmp")} << "PLL (1).bmp";
        QTest::newRow("a folder named 0") << QStringList{QStringLiteral("PLL (0).bmp/x")} << "PLL (1).bmp";
    }
    void lowestFreeNumber()
    {
        QFETCH(QStringList, present);
        QFETCH(QString, expected);
        TestContext t;
        AppContext ctx = t.context();
        for (const QString &name : present)
            test::writeFile(imagesFolder(t) + name, "old");
        SonuçFormu form(nullptr, ctx, workedExample());
        t.boxes.expect(QMessageBox::No);
        clickSave(form);
        QVERIFY(QFileInfo(imagesFolder(t) + expected).isFile());
        QVERIFY(t.boxes.shown()[0].request.text.endsWith(expected));
        for (const QString &name : present)
            QCOMPARE(test::readFile(imagesFolder(t) + name), QByteArray("old"));
    }

    void secondSaveAndReopening()
    {
        TestContext t;
        AppContext ctx = t.context();
        {
            SonuçFormu form(nullptr, ctx, workedExample());
            form.show();
            t.boxes.expect(QMessageBox::No);
            clickSave(form);
            QCOMPARE(tag(form), QStringLiteral("1")); // No keeps file and flag
            QVERIFY(t.opener.opened.isEmpty());

            t.boxes.expect(QMessageBox::Ok);
            clickSave(form);
            const BoxRequest &again = t.boxes.shown().last().request;
            QCOMPARE(again.text, QStringLiteral("Görüntü dosyası daha önce kaydedilmiş!"));
            QCOMPARE(again.icon, QMessageBox::Warning);
            QCOMPARE(again.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
            QCOMPARE(savedFiles(t), QStringList{QStringLiteral("PLL (0).bmp")});
            QTest::mouseClick(child<QPushButton>(form, "KapatDüğmesi"), Qt::LeftButton);
        }
        SonuçFormu reopened(nullptr, ctx, workedExample());
        QCOMPARE(tag(reopened), QString());
        t.boxes.expect(QMessageBox::No);
        clickSave(reopened);
        QCOMPARE(savedFiles(t), (QStringList{QStringLiteral("PLL (0).bmp"), QStringLiteral("PLL (1).bmp")}));
        QCOMPARE(t.boxes.unexpected(), 0);
    }

    void failuresAreReportedAsForm3_data()
    {
        QTest::addColumn<bool>("blockFolder");
        QTest::addColumn<bool>("writerFails");
        QTest::newRow("folder cannot be made") << true << false;
        QTest::newRow("writer fails") << false << true;
    }
    void failuresAreReportedAsForm3()
    {
        QFETCH(bool, blockFolder);
        QFETCH(bool, writerFails);
        TestContext t;
        AppContext ctx = t.context();
        if (blockFolder) // the Images folder's parent is a regular file
            test::writeFile(t.home.path() + QStringLiteral("/Documents/Tavoran/Lorvex"), "file");
        SonuçFormu::PictureWriter writer = SonuçFormu::writeBmp;
        if (writerFails)
            writer = [](const QImage &, const QString &) { return false; };
        SonuçFormu form(nullptr, ctx, workedExample(), writer);
        t.boxes.expect(QMessageBox::Ok);
        clickSave(form);

        QCOMPARE(t.exitStatus, EXIT_FAILURE);
        QCOMPARE(t.boxes.shown().size(), 1);
        const BoxRequest &report = t.boxes.shown()[0].request;
        QCOMPARE(report.icon, QMessageBox::Critical);
        QVERIFY2(report.text.contains(QStringLiteral("Hata Yeri: Form-3")), qPrintable(report.text));
        QCOMPARE(tag(form), QString());
        QVERIFY(!QFileInfo::exists(imagesFolder(t) + QStringLiteral("PLL (0).bmp")));
    }

    void silentWriteFailure()
    {
        TestContext t;
        AppContext ctx = t.context();
        int calls = 0;
        auto writer = [&](const QImage &picture, const QString &path) {
            return ++calls == 1 ? true : SonuçFormu::writeBmp(picture, path);
        };
        SonuçFormu form(nullptr, ctx, workedExample(), writer);
        t.boxes.expect(QMessageBox::Ok);
        clickSave(form);
        const BoxRequest &box = t.boxes.shown()[0].request;
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.title, QStringLiteral("Dosya kaydedilemedi!"));
        QCOMPARE(box.text, QString());
        QCOMPARE(tag(form), QString());
        QCOMPARE(t.exitStatus, -1);

        t.boxes.expect(QMessageBox::No); // trying again works
        clickSave(form);
        QCOMPARE(savedFiles(t), QStringList{QStringLiteral("PLL (0).bmp")});
        QCOMPARE(tag(form), QStringLiteral("1"));
    }
};

QTEST_MAIN(TestResultWindow)
#include "test_result_window.moc"
