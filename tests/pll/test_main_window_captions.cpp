// Every caption of the main window fits its control, with the built-in texts
// and with each shipped language file, in the layout font.

#include "test_main_window_support.h"

#include "i18n/language_file.h"

#include <QComboBox>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QStyleOptionComboBox>
#include <QStyleOptionGroupBox>

using namespace lorvex;
using namespace lorvex::test;

namespace {

QString checkBoxProblem(const QCheckBox *box)
{
    QStyleOptionButton option;
    option.initFrom(box);
    option.text = box->text();
    const QRect contents = box->style()->subElementRect(QStyle::SE_CheckBoxContents, &option, box);
    const int needed = box->fontMetrics().horizontalAdvance(box->text());
    return needed <= contents.width() ? QString() : QStringLiteral("%1 needs %2 of %3").arg(box->objectName()).arg(needed).arg(contents.width());
}

QString buttonProblem(const QPushButton *button)
{
    QStyleOptionButton option;
    option.initFrom(button);
    option.text = button->text();
    const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
    const int needed = button->fontMetrics().horizontalAdvance(button->text());
    return needed <= contents.width() ? QString() : QStringLiteral("%1 needs %2 of %3").arg(button->objectName()).arg(needed).arg(contents.width());
}

// The style draws titles in its own (bold) font and says where.
QString frameProblem(const QGroupBox *frame)
{
    QStyleOptionGroupBox option;
    option.initFrom(frame);
    option.text = frame->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect label = frame->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, frame);
    QFont bold = frame->font();
    bold.setBold(true);
    const int needed = std::max(QFontMetrics(bold).horizontalAdvance(frame->title()), label.width());
    return label.left() + needed <= frame->width() - 4 ? QString()
                                                       : QStringLiteral("%1 title ends at %2 of %3").arg(frame->objectName()).arg(label.left() + needed).arg(frame->width());
}

int right(const QWidget *w) { return w->x() + w->width(); }

QStringList problems(const AnaForm &w)
{
    QStringList found;
    const auto note = [&](const QString &problem) {
        if (!problem.isEmpty())
            found.append(problem);
    };
    for (const QCheckBox *box : w.findChildren<QCheckBox *>())
        note(checkBoxProblem(box));
    for (const QPushButton *button : w.findChildren<QPushButton *>())
        note(buttonProblem(button));
    for (const QGroupBox *frame : w.findChildren<QGroupBox *>())
        note(frameProblem(frame));
    for (const QLabel *label : w.findChildren<QLabel *>()) {
        if (label->x() < 0 || right(label) > label->parentWidget()->width()
            || label->fontMetrics().horizontalAdvance(label->text()) > label->width())
            found.append(label->objectName() + QStringLiteral(" leaves its panel or clips"));
    }
    const auto label = [&](const char *name) { return w.findChild<QLabel *>(QString::fromUtf8(name)); };
    if (right(label("Etiket_0")) >= 98)
        found.append(QStringLiteral("Etiket_0 runs into the input column"));
    if (right(label("Etiket_4")) >= 114)
        found.append(QStringLiteral("Etiket_4 runs into the ratio list"));
    for (const char *row : {"Etiket_7", "Etiket_11"})
        if (right(label(row)) != 105 || label(row)->x() < 0)
            found.append(QString::fromUtf8(row) + QStringLiteral(" does not end at 105"));
    const char *headings[] = {"Etiket_8", "Etiket_9", "Etiket_10"};
    const int centres[] = {140, 200, 255};
    for (int i = 0; i < 3; ++i) {
        if (std::abs(label(headings[i])->x() + label(headings[i])->width() / 2 - centres[i]) > 1)
            found.append(QString::fromUtf8(headings[i]) + QStringLiteral(" is off centre"));
        if (i > 0 && right(label(headings[i - 1])) >= label(headings[i])->x())
            found.append(QString::fromUtf8(headings[i]) + QStringLiteral(" overlaps its neighbour"));
    }
    const auto *ratio = w.findChild<QComboBox *>(QStringLiteral("GirişFrekansiBölListesi"));
    QStyleOptionComboBox comboOption;
    comboOption.initFrom(ratio);
    const QRect field = ratio->style()->subControlRect(QStyle::CC_ComboBox, &comboOption, QStyle::SC_ComboBoxEditField, ratio);
    if (ratio->fontMetrics().horizontalAdvance(QStringLiteral("256")) > field.width())
        found.append(QStringLiteral("the ratio list clips 256"));
    return found;
}

} // namespace

class TestMainWindowCaptions : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase() { OrtakDenetimleriBaslat(); }

    void everyCaptionFits_data()
    {
        QTest::addColumn<QString>("languageFile");
        QTest::newRow("built-in") << QString();
        const QDir folder(QStringLiteral(LORVEX_SOURCE_DIR "/Languages"));
        for (const QString &name : folder.entryList({QStringLiteral("*.lng")}, QDir::Files))
            QTest::newRow(name.toUtf8().constData()) << folder.filePath(name);
    }
    void everyCaptionFits()
    {
        QFETCH(QString, languageFile);
        MainWindowFixture f;
        AnaForm &w = f.open();
        if (!languageFile.isEmpty()) {
            QVERIFY(!language_file::Load(languageFile, MessageTable::count, f.tc.state.Mesajlar, f.tc.state.DilBilgileri));
            QVERIFY(f.tc.state.msg(141) != MessageTable::builtIn(141));
            w.StringYükle();
            QCOMPARE(w.findChild<QPushButton *>(QStringLiteral("ÇikişDüğmesi"))->text(), f.msg(141) + QStringLiteral(" (Esc)"));
        }
        const QStringList found = problems(w);
        QVERIFY2(found.isEmpty(), qPrintable(found.join(QStringLiteral("; "))));
    }

    void screenshotOfFirstRun()
    {
        MainWindowFixture f;
        AnaForm &w = f.open();
        w.show();
        QVERIFY(QTest::qWaitForWindowExposed(&w));
        QVERIFY(w.grab().save(QStringLiteral("/tmp/lorvex-main.png")));
    }
};

QTEST_MAIN(TestMainWindowCaptions)
#include "test_main_window_captions.moc"
