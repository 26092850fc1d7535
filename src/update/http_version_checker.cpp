#include "update/http_version_checker.h"

#include "update/bounded_get.h"
#include "update/version_file.h"

#include <QCoreApplication>
#include <QCursor>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QNetworkInformation>
#include <QNetworkInterface>
#include <QSaveFile>
#include <QStandardPaths>

namespace lorvex {

namespace {

// Shows the wait cursor for its lifetime, whatever way the scope is left.
class WaitCursor {
public:
    WaitCursor() : shown_(qobject_cast<QGuiApplication *>(QCoreApplication::instance()) != nullptr)
    {
        if (shown_)
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    }
    ~WaitCursor()
    {
        if (shown_)
            QGuiApplication::restoreOverrideCursor();
    }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;

private:
    bool shown_;
};

// Writes the whole file or nothing: a half-written file never replaces one.
bool storeFile(const QString &path, const QByteArray &bytes)
{
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        return false;
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    if (file.write(bytes) != bytes.size()) {
        file.cancelWriting();
        return false;
    }
    return file.commit();
}

} // namespace

HttpVersionChecker::HttpVersionChecker(QUrl versionFile, OnlineProbe online, int timeoutMs)
    : url_(std::move(versionFile)), online_(std::move(online)), timeoutMs_(timeoutMs > 0 ? timeoutMs : defaultTimeoutMs)
{
}

int HttpVersionChecker::SurumKontrolEt(const QString &path, int product)
{
    // A probe that cannot tell counts as offline.
    bool online = false;
    try {
        online = online_ && online_();
    } catch (...) {
        online = false;
    }
    if (!online)
        return 1;

    bool stored = false;
    {
        const WaitCursor wait;
        const std::optional<QByteArray> body = boundedGet(url_, {timeoutMs_, headCap, sizeCap});
        stored = body && storeFile(path, *body);
    }
    // Let the windows repaint before the file is read. Input that waited
    // during the download keeps waiting: a click must not start a second
    // check on the same temporary file from in here.
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    if (!stored)
        return 2;

    int result = 0;
    QFile file(path);
    if (file.open(QIODevice::ReadOnly)) {
        result = publishedVersion(file.readAll(), product);
        file.close();
    }
    QFile::remove(path);
    return result;
}

bool isOnline()
{
    if (QNetworkInformation::loadBackendByFeatures(QNetworkInformation::Feature::Reachability)) {
        if (const QNetworkInformation *info = QNetworkInformation::instance()) {
            const auto reach = info->reachability();
            if (reach != QNetworkInformation::Reachability::Unknown)
                return reach == QNetworkInformation::Reachability::Online;
        }
    }
    const auto interfaces = QNetworkInterface::allInterfaces();
    for (const QNetworkInterface &nic : interfaces) {
        const auto flags = nic.flags();
        if (flags.testFlag(QNetworkInterface::IsUp) && flags.testFlag(QNetworkInterface::IsRunning)
            && !flags.testFlag(QNetworkInterface::IsLoopBack) && !nic.addressEntries().isEmpty())
            return true;
    }
    return false;
}

QString updateTempPath()
{
    QString folder = QStandardPaths::writableLocation(QStandardPaths::CacheLocation);
    if (folder.isEmpty())
        folder = QDir::homePath() + QStringLiteral("/.cache");
    // The check makes the folder when it first writes there.
    return folder + QStringLiteral("/~tmp.001");
}

} // namespace lorvex
