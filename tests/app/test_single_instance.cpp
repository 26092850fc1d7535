#include "app/single_instance.h"
#include "support/test_env.h"

#include <QTest>

using namespace lorvex;

const QString id = QStringLiteral("example.tavoran.Lorvex");

class TestSingleInstance : public QObject {
    Q_OBJECT
private Q_SLOTS:
    // A killed copy leaves its lock and socket files behind: they block nothing, and the next
    // copy, which cannot take the lock, reaches the running one.
    void laterCopiesReachTheRunningOne()
    {
        test::TestHome home;
        SingleInstance first(id);
        test::writeFile(first.lockPath(), "12345\nlorvex\n");
        test::writeFile(first.serverName(), "junk");
        QVERIFY(first.tryBecomePrimary());
        int requests = 0;
        first.setActivationHandler([&] { ++requests; });
        SingleInstance second(id);
        QVERIFY(!second.tryBecomePrimary());
        QVERIFY(second.askPrimaryToActivate());
        QTRY_COMPARE(requests, 1);
    }

    void locksEndWithTheirHolder()
    {
        test::TestHome home;
        QVERIFY(SingleInstance(id).tryBecomePrimary()); // the lock goes with this copy
        QVERIFY(SingleInstance(id).tryBecomePrimary());
        QVERIFY(!SingleInstance(id).askPrimaryToActivate(200)); // and nobody listens any more
    }
};

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
