// The About dialog's lists and what closing it saves; its fixed layout.

#include "about_support.h"
#include "app/shell.h"
#include "i18n/language_loader.h"

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

using namespace lorvex;
using namespace lorvex::test;

namespace {

QStringList entries(QComboBox *list)
{
    QStringList texts;
    for (int i = 0; i < list->count(); ++i)
        texts.append(list->itemText(i));
    return texts;
}

// Picks an entry the way a user does: the list's own activation.
void pick(QComboBox *list, const QString &text)
{
    const int i = list->findText(text);
    QVERIFY(i >= 0);
    list->setCurrentIndex(i);
    Q_EMIT list->activated(i);
}

QString where(const QWidget *w) { return w->objectName(); }

// Nothing clipped, nothing outside its holder, no two siblings overlapping.
void verifyLayout(QWidget *dialog)
{
    for (QWidget *w : dialog->findChildren<QWidget *>()) {
        if (!w->isVisible() || w->isWindow())
            continue;
        QVERIFY2(w->parentWidget()->rect().contains(w->geometry()), qPrintable(where(w)));
        if (auto *label = qobject_cast<QLabel *>(w))
            QVERIFY2(label->sizeHint().width() <= label->width() && label->sizeHint().height() <= label->height(),
                     qPrintable(where(w) + QLatin1Char(' ') + label->text()));
        if (auto *button = qobject_cast<QPushButton *>(w))
            QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(where(w)));
        if (auto *list = qobject_cast<QComboBox *>(w))
            QVERIFY2(list->sizeHint().width() <= list->width(), qPrintable(where(w)));
        if (auto *frame = qobject_cast<QGroupBox *>(w)) {
            QVERIFY2(frame->fontMetrics().horizontalAdvance(frame->title()) + 16 <= frame->width(), qPrintable(where(w)));
            // The panel covers neither the title nor the border.
            for (QWidget *panel : frame->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
                QVERIFY2(frame->contentsRect().contains(panel->geometry()), qPrintable(where(panel)));
        }
        for (QWidget *sibling : w->parentWidget()->findChildren<QWidget *>(Qt::FindDirectChildrenOnly))
            if (sibling != w && sibling->isVisible() && !sibling->isWindow())
                QVERIFY2(!sibling->geometry().intersects(w->geometry()), qPrintable(where(w) + QLatin1Char('/') + where(sibling)));
    }
}

} // namespace

class TestAboutClosing : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { OrtakDenetimleriBaslat(); }

    void languageList_data()
    {
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("DilAdi");
        QTest::addColumn<QStringList>("listed"); // sorted after "Türkçe"
        QTest::addColumn<QString>("selected");
        QTest::newRow("upper-case extension skipped")
            << QStringList{"English.lng", "Deutsch.LNG"} << "English" << QStringList{"Türkçe", "English"} << "English";
        QTest::newRow("no prefix match")
            << QStringList{"English.lng", "Türkçe2.lng"} << "Türkçe" << QStringList{"Türkçe", "English", "Türkçe2"} << "Türkçe";
        QTest::newRow("file removed") << QStringList{"English.lng"} << "Klingon" << QStringList{"Türkçe", "English"} << "Türkçe";
        QTest::newRow("case counts") << QStringList{"English.lng"} << "english" << QStringList{"Türkçe", "English"} << "Türkçe";
        QTest::newRow("no folder") << QStringList{} << "Türkçe" << QStringList{"Türkçe"} << "Türkçe";
    }
    void languageList()
    {
        QFETCH(QStringList, files);
        QFETCH(QString, DilAdi);
        QFETCH(QStringList, listed);
        QFETCH(QString, selected);
        TestContext tc;
        for (const QString &file : files)
            writeFile(tc.state.DilKlasoru + file, "[Bilgiler]\r\n");
        tc.state.DilAdi = DilAdi;
        const MessageTable before = tc.state.Mesajlar;
        AboutHarness h(tc);
        HakkindaFormu &d = h.open();
        auto *list = child<QComboBox>(&d, "DilDosyasiListesi");
        QStringList shown = entries(list);
        std::sort(shown.begin() + 1, shown.end());
        QCOMPARE(shown, listed);
        QCOMPARE(list->currentText(), selected);
        d.close();
        QVERIFY(!QFile::exists(tc.settings.filePath()));
        QCOMPARE(tc.state.DilAdi, DilAdi);
        QCOMPARE(tc.state.Mesajlar.text(141), before.text(141));
        QCOMPARE(h.captionCalls, 0);
        QCOMPARE(tc.boxes.shown().size(), 0);
    }

    void closingWithoutChangesWritesNothing()
    {
        TestContext tc;
        shipLanguage(tc, QStringLiteral("English"));
        tc.settings.write(keys::GirisAdim, QStringLiteral("500"));
        tc.settings.write(keys::GuncellemeSonucu, QStringLiteral("0"));
        const QByteArray bytes = readFile(tc.settings.filePath());
        AboutHarness h(tc);
        HakkindaFormu &d = h.open();
        // Looking at the lists and going back changes nothing.
        auto *list = child<QComboBox>(&d, "DilDosyasiListesi");
        pick(list, QStringLiteral("English"));
        pick(list, QStringLiteral("Türkçe"));
        QTest::mouseClick(child<QPushButton>(&d, "TamamDüğmesi"), Qt::LeftButton);
        QCOMPARE(readFile(tc.settings.filePath()), bytes);
        QCOMPARE(h.captionCalls, 0);
    }

    void changedSchedule_data()
    {
        QTest::addColumn<QDate>("today");
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QDate>("due");        // YeniKontrolTarihi before
        QTest::addColumn<QString>("written");  // "Guncelleme Kontrolu", "" for none
        QTest::newRow("weekly to monthly, short month")
            << QDate(2027, 1, 31) << 1 << 2 << QDate() << dateText(QDate(2027, 2, 28), turkish);
        QTest::newRow("monthly to weekly") << QDate(2026, 12, 7) << 2 << 1 << QDate() << dateText(QDate(2026, 12, 14), turkish);
        QTest::newRow("to never keeps the due date")
            << QDate(2026, 12, 7) << 1 << 0 << QDate(2026, 12, 20) << dateText(QDate(2026, 12, 20), turkish);
        QTest::newRow("to never, no due date yet") << QDate(2026, 12, 7) << 2 << 0 << QDate() << QString();
        QTest::newRow("damaged schedule, user picks") << QDate(2026, 12, 7) << 7 << 1 << QDate() << dateText(QDate(2026, 12, 14), turkish);
    }
    void changedSchedule()
    {
        QFETCH(QDate, today);
        QFETCH(int, from);
        QFETCH(int, to);
        QFETCH(QDate, due);
        QFETCH(QString, written);
        TestContext tc(today);
        tc.state.GuncellemeAraligi = from;
        tc.state.YeniKontrolTarihi = due;
        AboutHarness h(tc);
        HakkindaFormu &d = h.open();
        auto *schedule = child<QComboBox>(&d, "GüncellemeZamaniKutusu");
        QCOMPARE(entries(schedule), (QStringList{"Hiçbir Zaman", "Haftada Bir", "Ayda Bir"}));
        QCOMPARE(schedule->currentIndex(), from <= 2 ? from : -1);
        pick(schedule, schedule->itemText(to));
        d.close();
        const auto values = stored(tc.settings);
        QCOMPARE(values.value(QStringLiteral("Guncelleme Zamani")), QString::number(to));
        QCOMPARE(values.value(QStringLiteral("Guncelleme Kontrolu")), written);
        QCOMPARE(values.size(), written.isEmpty() ? 1 : 2);
        QCOMPARE(tc.state.GuncellemeAraligi, to);
        QCOMPARE(tc.state.Mesajlar.text(141), QStringLiteral("Çıkış"));
        QCOMPARE(h.captionCalls, 0);
        QCOMPARE(tc.exitStatus, -1);
    }

    void damagedScheduleSelectsNothingAndKeepsIt()
    {
        TestContext tc;
        tc.state.GuncellemeAraligi = 7;
        AboutHarness h(tc);
        HakkindaFormu &d = h.open();
        QCOMPARE(child<QComboBox>(&d, "GüncellemeZamaniKutusu")->currentIndex(), -1);
        d.close();
        QCOMPARE(tc.exitStatus, -1);
        QVERIFY(!QFile::exists(tc.settings.filePath()));
        QCOMPARE(tc.state.GuncellemeAraligi, 7);
    }

    void pickingEnglishSwitchesAtOnce()
    {
        TestContext tc;
        shipLanguage(tc, QStringLiteral("English"));
        {
            AboutHarness h(tc);
            HakkindaFormu &d = h.open();
            auto *list = child<QComboBox>(&d, "DilDosyasiListesi");
            list->setFocus();
            QTest::keyClick(list, Qt::Key_Down); // the keyboard, as a user picks
            QCOMPARE(list->currentText(), QStringLiteral("English"));
            QTest::keyClick(list, Qt::Key_Escape);
            QCOMPARE(tc.state.DilAdi, QStringLiteral("English"));
            QCOMPARE(stored(tc.settings), (QMap<QString, QString>{{QStringLiteral("Dil Dosyasi"), QStringLiteral("English")}}));
            QCOMPARE(tc.state.msg(141), QStringLiteral("Exit"));
            QCOMPARE(h.captionCalls, 1);
        }
        // Opened again: English captions, boxes and the selection.
        tc.checker.answer = 1;
        AboutHarness h(tc);
        HakkindaFormu &d = h.open();
        QCOMPARE(d.windowTitle(), QStringLiteral("About..."));
        QCOMPARE(child<QComboBox>(&d, "DilDosyasiListesi")->currentText(), QStringLiteral("English"));
        tc.boxes.expect(QMessageBox::Ok);
        QTest::mouseClick(h.label("Etiket_2"), Qt::LeftButton);
        QCOMPARE(tc.boxes.shown().first().request.text,
                 QStringLiteral("Updates cannot be checked because there is no internet connection!"));
        d.close();
        QCOMPARE(h.captionCalls, 0);
    }

    void geometry()
    {
        TestContext tc;
        AboutHarness h(tc);
        HakkindaFormu &d = h.open();
        QCOMPARE(d.size(), QSize(474, 444));
        QCOMPARE(d.minimumSize(), d.maximumSize());
        QVERIFY(!(d.windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QVERIFY((d.geometry().center() - h.owner.geometry().center()).manhattanLength() <= 2);
        const struct {
            const char *name;
            QRect rect;
        } places[] = {
            {"SimgeKutusu", {28, 28, 48, 48}},      {"TamamDüğmesi", {370, 380, 83, 23}},
            {"Çerçeve_0", {94, 16, 257, 115}},      {"Çerçeve_1", {94, 144, 257, 79}},
            {"Çerçeve_2", {94, 236, 257, 79}},      {"Çerçeve_3", {94, 328, 257, 95}},
            {"GüncellemeZamaniKutusu", {16, 26, 189, 21}}, {"DilDosyasiListesi", {16, 26, 189, 21}},
        };
        for (const auto &p : places)
            QCOMPARE(child(&d, p.name)->geometry(), p.rect);
        QCOMPARE(child(&d, "GüncellemeZamaniKutusu")->parentWidget(), child(&d, "Altlik_1"));
        QCOMPARE(child(&d, "DilDosyasiListesi")->parentWidget(), child(&d, "Altlik_2"));
        for (int i = 0; i < 4; ++i) {
            QWidget *panel = child(&d, qPrintable(QStringLiteral("Altlik_%1").arg(i)));
            QCOMPARE(panel->parentWidget(), child(&d, qPrintable(QStringLiteral("Çerçeve_%1").arg(i))));
            QVERIFY(panel->autoFillBackground());
            QCOMPARE(panel->palette().color(QPalette::Window), d.palette().color(QPalette::Window));
        }
        QCOMPARE(h.label("SimgeKutusu")->pixmap().deviceIndependentSize(), QSizeF(48, 48));
        QCOMPARE(child<QGroupBox>(&d, "Çerçeve_2")->title(), QStringLiteral("Dil Dosyası Bilgileri"));
        QCOMPARE(h.label("Etiket_7")->text(), QStringLiteral("Tavoran dosyası:"));
        QCOMPARE(h.label("Etiket_8")->text(), QStringLiteral("E-posta:"));
    }

    // Every caption fits, in every shipped language and every status.
    void nothingClipped_data()
    {
        QTest::addColumn<QString>("language");
        QTest::addColumn<int>("answer");
        for (const char *language : {"Türkçe", "English", "Deutsch"}) {
            QTest::addRow("%s, offer", language) << QString::fromUtf8(language) << 1;
            QTest::addRow("%s, newer", language) << QString::fromUtf8(language) << 103;
            QTest::addRow("%s, current", language) << QString::fromUtf8(language) << 102;
        }
    }
    void nothingClipped()
    {
        QFETCH(QString, language);
        QFETCH(int, answer);
        TestContext tc;
        shipLanguage(tc, QStringLiteral("English"));
        shipLanguage(tc, QStringLiteral("Deutsch"));
        tc.state.DilAdi = language;
        loadLanguageByName(tc.state, tc.boxes, nullptr, language);
        tc.checker.answer = answer;
        AboutHarness h(tc);
        HakkindaFormu &d = h.open();
        tc.boxes.expect(QMessageBox::Ok);
        QTest::mouseClick(h.label("Etiket_2"), Qt::LeftButton);
        verifyLayout(&d);
    }
};

QTEST_MAIN(TestAboutClosing)
#include "test_about_closing.moc"
