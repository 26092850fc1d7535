#include "app/shell.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFont>
#include <QStyleFactory>
#include <QUrl>

namespace lorvex {

void VarsayilanlaAc(const QString &target)
{
    try {
        const bool isAddress = target.startsWith(QLatin1String("mailto:"), Qt::CaseInsensitive)
                               || target.contains(QLatin1String("://"));
        const QUrl url = isAddress ? QUrl(target, QUrl::TolerantMode) : QUrl::fromLocalFile(target);
        if (url.isValid())
            QDesktopServices::openUrl(url);
    } catch (...) {
        // Opening is a courtesy; a missing handler changes nothing.
    }
}

void OrtakDenetimleriBaslat()
{
    try {
        if (QStyle *fusion = QStyleFactory::create(QStringLiteral("Fusion")))
            QApplication::setStyle(fusion);
        // Arial metrics: the layouts' check boxes and labels were sized for them.
        QFont font(QStringLiteral("Liberation Sans"), 8);
        font.setStyleHint(QFont::SansSerif);
        QApplication::setFont(font);
    } catch (...) {
    }
}

} // namespace lorvex
