#pragma once
// Every test runs in its own temporary home: no real settings or documents are touched.

#include <QTemporaryDir>
#include <QString>

namespace lorvex::test {

class TestHome {
public:
    // Points HOME and the XDG folders at a fresh temporary folder.
    TestHome();
    ~TestHome();
    QString path() const { return dir_.path(); }
    QString settingsPath() const; // where the program's QSettings file lands
    QString file(const QString &relative) const { return dir_.filePath(relative); }

private:
    QTemporaryDir dir_;
    QByteArray oldHome_, oldConfig_, oldCache_, oldData_, oldRuntime_;
};

// Writes bytes to a file, creating folders; returns the full path.
QString writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

} // namespace lorvex::test
