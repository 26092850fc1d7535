#pragma once
// One running copy per user, whatever its window title or language. The first
// copy holds a lock and listens; a later copy asks it to come forward and then ends.

#include <QString>
#include <functional>
#include <memory>

class QLocalServer;

namespace lorvex {

class SingleInstance {
public:
    // The names come from the application's identity and the user, never from
    // the title, which changes with the language.
    explicit SingleInstance(const QString &identity);
    ~SingleInstance();
    SingleInstance(const SingleInstance &) = delete;
    SingleInstance &operator=(const SingleInstance &) = delete;

    // True when this copy is the first one; it then listens for requests.
    bool tryBecomePrimary();
    // From a later copy: ask the first one to show its window. Returns whether it was reached.
    bool askPrimaryToActivate(int timeoutMs = 1000) const;
    // What the first copy does when asked.
    void setActivationHandler(std::function<void()> handler);

    QString lockPath() const { return base_ + QStringLiteral(".lock"); }
    QString serverName() const { return base_ + QStringLiteral(".sock"); }

private:
    QString base_;
    int lockFd_ = -1;
    std::unique_ptr<QLocalServer> server_;
    std::function<void()> onActivate_;
};

} // namespace lorvex
