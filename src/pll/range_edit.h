#pragma once
// One of the six range boxes: selects its text when entered, takes digits
// only (typed or composed), turns Enter into a move to the next control and tidies its text when
// left.

#include "pll/list_builder.h"

#include <QLineEdit>
#include <QLocale>

namespace lorvex {

class RangeEdit : public QLineEdit {
    Q_OBJECT
public:
    RangeEdit(pll::RangeBox role, QLocale locale, QWidget *parent = nullptr);

    pll::RangeBox role() const { return role_; }
    // Leaving the box: the whole-number form, or "0" / "1" for no number.
    void tidyNow();

protected:
    bool event(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void inputMethodEvent(QInputMethodEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    pll::RangeBox role_;
    QLocale locale_;
    // Entered by a mouse press: the press itself drops the selection, so the
    // release selects everything again.
    bool selectOnRelease_ = false;
};

} // namespace lorvex
