#pragma once
// Every test runs in its own temporary home: no real settings or documents are touched.

#include <QList>
#include <QLocale>
#include <QStringList>
#include <QTemporaryDir>

namespace lorvex::test {

// The two regional settings every text test runs under.
inline const QLocale turkish(QLocale::Turkish, QLocale::Turkey);
inline const QLocale english(QLocale::English, QLocale::UnitedStates);

// Short forms for tables: s("…") is the UTF-8 text, l("a|b|c") the texts a, b and c (empty parts stay).
inline QString s(const char *text) { return QString::fromUtf8(text); }
inline QStringList l(const char *texts) { return s(texts).split(QLatin1Char('|')); }

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
    QList<QByteArray> old_;
};

// Writes bytes to a file, creating folders; returns the full path.
QString writeFile(const QString &path, const QByteArray &bytes);
QByteArray readFile(const QString &path);

} // namespace lorvex::test
