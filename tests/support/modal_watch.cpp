#include "support/modal_watch.h"

#include <QApplication>
#include <QTest>
#include <QWidget>

namespace lorvex::test {

ModalWatch::ModalWatch()
{
    QObject::connect(&timer_, &QTimer::timeout, [this] { look(); });
    timer_.start(10);
}

ModalWatch::~ModalWatch()
{
    for (const QString &name : std::as_const(surprises_))
        QTest::qFail(qPrintable(QStringLiteral("a modal window nobody expected opened: ") + name), __FILE__, __LINE__);
    for (const Expected &e : std::as_const(expected_))
        QTest::qFail(qPrintable(QStringLiteral("an expected modal window never opened: ") + e.name), __FILE__,
                     __LINE__);
}

void ModalWatch::on(const QString &name, std::function<void(QWidget *)> act)
{
    expected_.append({name, std::move(act)});
}

void ModalWatch::look()
{
    QWidget *modal = QApplication::activeModalWidget();
    if (!modal || !modal->isVisible())
        return;
    const QString named = modal->objectName(), kind = QString::fromLatin1(modal->metaObject()->className());
    if (!expected_.isEmpty() && (expected_.first().name == named || expected_.first().name == kind)) {
        ++handled_;
        expected_.takeFirst().act(modal);
        return;
    }
    surprises_.append(named.isEmpty() ? kind : named);
    modal->close();
}

} // namespace lorvex::test
