#include "app/message_box.h"

#include "app/app_info.h"

namespace lorvex {

QString defaultBoxTitle() { return app_info::productName(); }

QMessageBox::StandardButton MessagePresenter::warn(QWidget *parent, const QString &text)
{
    return show(parent, {text, defaultBoxTitle(), QMessageBox::Warning, QMessageBox::Ok, QMessageBox::Ok});
}

QMessageBox::StandardButton QtMessagePresenter::show(QWidget *parent, const BoxRequest &request)
{
    QMessageBox box(request.icon, request.title, request.text, request.buttons, parent);
    if (request.defaultButton != QMessageBox::NoButton)
        box.setDefaultButton(request.defaultButton);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace lorvex
