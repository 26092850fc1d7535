#pragma once
// Watches for modal windows while a test runs. A window the test named gets
// its action once it is open; any other is closed at once and fails the test,
// so a window nobody expected cannot hang the run.

#include <QList>
#include <QStringList>
#include <QTimer>
#include <functional>

class QWidget;

namespace lorvex::test {

class ModalWatch final {
public:
    ModalWatch();
    // Fails the test for each window closed unasked and each one named but never opened.
    ~ModalWatch();
    ModalWatch(const ModalWatch &) = delete;
    ModalWatch &operator=(const ModalWatch &) = delete;

    // The next modal window whose object or class name is name gets act, which must close it.
    void on(const QString &name, std::function<void(QWidget *)> act);
    int handled() const { return handled_; }

private:
    void look();

    struct Expected {
        QString name;
        std::function<void(QWidget *)> act;
    };
    QTimer timer_;
    QList<Expected> expected_;
    QStringList surprises_;
    int handled_ = 0;
};

} // namespace lorvex::test
