#include "app/error_report.h"
#include "app/settings.h"
#include "support/scripted_presenter.h"
#include "support/test_env.h"

#include <QProcess>
#include <QTest>
#include <stdexcept>

using namespace lorvex;

// Set in the copy of this test that lets the real reporter end it; names the copy's settings file.
const char childMode[] = "LORVEX_REPORT_CHILD";

// Closing saves a setting, as the main window saves its place.
struct SavingWindow : QWidget {
    Settings settings{qEnvironmentVariable(childMode), test::turkish};
    void closeEvent(QCloseEvent *) override { settings.write(keys::GirisAdim, "closed"); }
};

class TestErrorReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void failuresAreReported_data()
    {
        QTest::addColumn<std::exception_ptr>("thrown");
        QTest::addColumn<QString>("report"); // after "A\r\nB ": the language's words are A to D
        QTest::newRow("Failure") << std::make_exception_ptr(Failure(1001, "full")) << "1001\r\nC Form-1\r\nD full";
        QTest::newRow("exception") << std::make_exception_ptr(std::runtime_error("bad")) << "51\r\nC Form-1\r\nD bad";
        QTest::newRow("other") << std::make_exception_ptr(7) << "51\r\nC Form-1\r\nD Unknown failure";
    }
    // Inside a guarded operation the real reporter shows the report in the loaded language's words,
    // then ends the process at once: no closing steps, nothing saved after it. A copy of this test
    // lets it do so, and is watched.
    void failuresAreReported()
    {
        QFETCH(std::exception_ptr, thrown);
        QFETCH(QString, report);
        if (qEnvironmentVariableIsSet(childMode)) {
            MessageTable words;
            for (int k = 0; k < 4; ++k)
                words.set(msg::CannotContinue + k, QString(QChar(u'A' + k)));
            SavingWindow window;
            window.show();
            test::ScriptedPresenter boxes; // the box's text is the last thing saved
            boxes.expect(QMessageBox::Ok, [&](auto &box) { window.settings.write(keys::GirisAdim, box.text); });
            ErrorReporter(boxes, words).guarded(&window, "Form-1", [&] { std::rethrow_exception(thrown); });
            return;
        }
        test::TestHome home;
        QProcess child;
        child.setEnvironment(QProcess::systemEnvironment() << QString(childMode) + '=' + home.settingsPath());
        child.start(qApp->applicationFilePath(),
                    {QString::fromUtf8(QTest::currentTestFunction() + QByteArray(":") + QTest::currentDataTag())});
        QVERIFY(child.waitForFinished(60000) && child.exitCode() != 0); // it ended, and not as a success
        QCOMPARE(Settings(home.settingsPath()).read(keys::GirisAdim), QStringLiteral("A\r\nB ") + report);
    }
};

QTEST_MAIN(TestErrorReport)
#include "test_error_report.moc"
