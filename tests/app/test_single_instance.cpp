#include "app/single_instance.h"
#include "support/test_env.h"

#include <QFile>
#include <QTest>
#include <QWidget>

using namespace lorvex;

namespace {
const QString id = QStringLiteral("example.tavoran.Lorvex");
}

class TestSingleInstance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void secondCopyReachesTheFirstWindow()
    {
        test::TestHome home;
        QWidget window;
        window.showMinimized();
        QVERIFY(window.windowState() & Qt::WindowMinimized);

        SingleInstance first(id);
        QVERIFY(first.tryBecomePrimary());
        int requests = 0;
        first.setActivationHandler([&] {
            ++requests;
            window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
            window.show();
            window.raise();
            window.activateWindow();
        });

        SingleInstance second(id);
        QVERIFY(!second.tryBecomePrimary());
        QVERIFY(second.askPrimaryToActivate());
        QTRY_COMPARE(requests, 1);
        QVERIFY(window.isVisible());
        QVERIFY(!(window.windowState() & Qt::WindowMinimized));
        QTRY_VERIFY(window.isActiveWindow());
    }

    void locksEndWithTheirHolder()
    {
        test::TestHome home;
        {
            SingleInstance first(id);
            QVERIFY(first.tryBecomePrimary());
        }
        SingleInstance next(id);
        QVERIFY(next.tryBecomePrimary());
        QVERIFY(!SingleInstance(QStringLiteral("nobody listens")).askPrimaryToActivate(200));
    }

    // A copy that crashed leaves its lock and socket files behind.
    void staleLeftoversDoNotBlock()
    {
        test::TestHome home;
        SingleInstance probe(id);
        test::writeFile(probe.lockPath(), "12345\nlorvex\n");
        test::writeFile(probe.serverName(), "junk");
        SingleInstance next(id);
        QVERIFY(next.tryBecomePrimary());
        // And it listens again, so a later copy can find it.
        int requests = 0;
        next.setActivationHandler([&] { ++requests; });
        SingleInstance later(id);
        QVERIFY(!later.tryBecomePrimary());
        QVERIFY(later.askPrimaryToActivate());
        QTRY_COMPARE(requests, 1);
    }
};

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
