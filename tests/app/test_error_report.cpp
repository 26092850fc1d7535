#include "app/error_report.h"
#include "app/error_text.h"
#include "app/settings.h"
#include "support/scripted_presenter.h"
#include "support/test_env.h"

#include <QProcess>
#include <QTest>
#include <stdexcept>

using namespace lorvex;

class TestErrorReport : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void guardedFailureShowsCriticalBoxAndEnds_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("expectedNumberLine");
        QTest::addColumn<QString>("expectedDescription");
        QTest::newRow("our failure") << 0 << "Hata Kodu: 1001"
                                     << "Hata Açıklaması: store refused";
        QTest::newRow("std::exception") << 1 << "Hata Kodu: 51"
                                        << "Hata Açıklaması: bad thing";
        QTest::newRow("anything else") << 2 << "Hata Kodu: 51"
                                       << "Hata Açıklaması: Unknown failure";
    }
    void guardedFailureShowsCriticalBoxAndEnds()
    {
        QFETCH(int, kind);
        QFETCH(QString, expectedNumberLine);
        QFETCH(QString, expectedDescription);
        MessageTable messages;
        test::ScriptedPresenter boxes;
        boxes.expect(QMessageBox::Ok);
        int status = -1;
        ErrorReporter errors(boxes, messages, [&](int s) { status = s; });
        bool after = false;
        const bool completed = errors.guarded(nullptr, tags::Form3, [&] {
            if (kind == 0)
                throw Failure(failure_code::settingsWrite, QStringLiteral("store refused"));
            if (kind == 1)
                throw std::runtime_error("bad thing");
            throw 7;
            after = true;
        });
        QVERIFY(!completed);
        QVERIFY(!after);
        QVERIFY(status != 0 && status != -1);
        QCOMPARE(boxes.shown().size(), 1);
        const BoxRequest &box = boxes.shown().first().request;
        QCOMPARE(box.icon, QMessageBox::Critical);
        QCOMPARE(box.buttons, QMessageBox::StandardButtons(QMessageBox::Ok));
        const QStringList lines = box.text.split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 4);
        QCOMPARE(lines[0], QStringLiteral("Program aşağıdaki hata nedeniyle devam edemiyor!"));
        QCOMPARE(lines[1], expectedNumberLine);
        QCOMPARE(lines[2], QStringLiteral("Hata Yeri: Form-3"));
        QCOMPARE(lines[3], expectedDescription);
    }

    void successShowsNothingAndStartupReportsDoNotEnd()
    {
        MessageTable messages;
        test::ScriptedPresenter boxes;
        int status = -1;
        ErrorReporter errors(boxes, messages, [&](int s) { status = s; });
        QVERIFY(errors.guarded(nullptr, tags::Form1, [] {}));
        QCOMPARE(boxes.shown().size(), 0);
        boxes.expect(QMessageBox::Ok);
        errors.show(nullptr, QStringLiteral("Module-1"), 5, QStringLiteral("x"));
        QCOMPARE(status, -1);
        QVERIFY(boxes.shown().first().request.text.contains(QStringLiteral("Hata Yeri: Module-1")));
    }

    // The real reporter ends the process at once: no closing steps, nothing saved after it.
    void programReallyEnds()
    {
        test::TestHome home;
        QProcess probe;
        probe.start(QStringLiteral(LORVEX_BINARY_DIR "/tests/app/report_probe"), {home.settingsPath()});
        QVERIFY(probe.waitForFinished(30000));
        QCOMPARE(probe.exitStatus(), QProcess::NormalExit);
        QVERIFY(probe.exitCode() != 0);
        const QString out = QString::fromUtf8(probe.readAllStandardOutput());
        QVERIFY2(out.contains(QStringLiteral("Hata Yeri: Form-1\r\nHata Açıklaması: disk full")), qPrintable(out));
        QVERIFY(out.contains(QStringLiteral("Hata Kodu: 42")));
        Settings s(home.settingsPath(), QLocale(QLocale::Turkish, QLocale::Turkey));
        QCOMPARE(s.read(keys::GirisAdim), QStringLiteral("before"));
        QVERIFY(!s.contains(keys::GirisBitis));
        QVERIFY2(!s.contains(keys::SolBosluk), "the window's closing steps must not run");
    }
};

QTEST_MAIN(TestErrorReport)
#include "test_error_report.moc"
