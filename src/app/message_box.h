#pragma once
// Every message box of the program goes through a presenter, so tests can
// answer boxes from a script instead of a person.

#include <QMessageBox>
#include <QString>

namespace lorvex {

struct BoxRequest {
    QString text;
    QString title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QMessageBox::StandardButtons buttons = QMessageBox::Ok;
    QMessageBox::StandardButton defaultButton = QMessageBox::NoButton;
};

class MessagePresenter {
public:
    virtual ~MessagePresenter() = default;
    // Shows the box modally over parent and returns the button pressed.
    virtual QMessageBox::StandardButton show(QWidget *parent, const BoxRequest &request) = 0;

    // The warning every window uses for wrong input and checks that cannot run.
    QMessageBox::StandardButton warn(QWidget *parent, const QString &text);
};

class QtMessagePresenter final : public MessagePresenter {
public:
    QMessageBox::StandardButton show(QWidget *parent, const BoxRequest &request) override;
};

// The application's default title for boxes that name none.
QString defaultBoxTitle();

} // namespace lorvex
