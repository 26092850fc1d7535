#pragma once
// Watches for modal windows while a test runs. A window the test named gets
// its action once it is open; any other is closed at once and fails the test,
// so a window nobody expected cannot hang the run.

#include <QApplication>
#include <QTest>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace lorvex::test {

class ModalWatch final {
public:
    ModalWatch()
    {
        QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
        timer_.start(10);
    }
    // Fails the test for each window closed unasked and each one named but never opened.
    ~ModalWatch()
    {
        for (const QString &name : std::as_const(surprises_))
            fail(QStringLiteral("a modal window nobody expected opened: ") + name);
        for (const Expected &e : std::as_const(expected_))
            fail(QStringLiteral("an expected modal window never opened: ") + e.name);
    }
    ModalWatch(const ModalWatch &) = delete;
    ModalWatch &operator=(const ModalWatch &) = delete;

    // The next modal window whose object or class name is name gets act, which must close it.
    void on(const QString &name, std::function<void(QWidget *)> act) { expected_.append({name, std::move(act)}); }

private:
    static void fail(const QString &why) { QTest::qFail(qPrintable(why), __FILE__, __LINE__); }
    void look()
    {
        QWidget *modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible())
            return;
        const QString named = modal->objectName(), kind = QString::fromLatin1(modal->metaObject()->className());
        if (!expected_.isEmpty() && (expected_.first().name == named || expected_.first().name == kind))
            return expected_.takeFirst().act(modal);
        surprises_.append(named.isEmpty() ? kind : named);
        modal->close();
    }

    struct Expected {
        QString name;
        std::function<void(QWidget *)> act;
    };
    QTimer timer_;
    QList<Expected> expected_;
    QStringList surprises_;
};

} // namespace lorvex::test
