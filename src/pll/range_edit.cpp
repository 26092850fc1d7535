#include "pll/range_edit.h"

#include "pll/range_field.h"

#include <QFocusEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace lorvex {

namespace {

bool isControlLetter(const QKeyEvent *event)
{
    return (event->modifiers() & Qt::ControlModifier) && event->key() >= Qt::Key_A && event->key() <= Qt::Key_Z;
}

// The characters a key types. Ctrl with a letter types its control character
// (Ctrl+V 0x16, Ctrl+C 0x03), whatever text the platform reports for it.
// Delete types nothing, although X11 reports U+007F as its text.
QString typedText(const QKeyEvent *event)
{
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
        return QString(QChar(13));
    if (event->key() == Qt::Key_Delete)
        return {};
    if (isControlLetter(event))
        return QString(QChar(event->key() - Qt::Key_A + 1));
    return event->text();
}

// Focus that comes back from another window or a popup is no new entry.
bool isReturnOfFocus(Qt::FocusReason reason)
{
    return reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason;
}

} // namespace

RangeEdit::RangeEdit(pll::RangeBox role, QLocale locale, QWidget *parent)
    : QLineEdit(parent), role_(role), locale_(std::move(locale))
{
}

void RangeEdit::tidyNow()
{
    const QString tidied = pll::tidy(text(), role_, locale_);
    if (tidied != text())
        setText(tidied);
}

bool RangeEdit::event(QEvent *event)
{
    // Ctrl+letter keys (the clipboard's among them) stay with the box, where
    // the key filter discards them, instead of reaching a shortcut.
    if (event->type() == QEvent::ShortcutOverride && isControlLetter(static_cast<QKeyEvent *>(event))) {
        event->accept();
        return true;
    }
    return QLineEdit::event(event);
}

void RangeEdit::keyPressEvent(QKeyEvent *event)
{
    const QString typed = typedText(event);
    // Keys that type nothing (arrows, Delete, Shift+Insert) keep their usual editing.
    if (typed.isEmpty()) {
        QLineEdit::keyPressEvent(event);
        return;
    }

    QString passed;
    for (const QChar c : typed) {
        switch (pll::filterKey(c, locale_)) {
        case pll::KeyDecision::MoveToNext:
            event->accept();
            focusNextChild();
            return;
        case pll::KeyDecision::Pass:
            passed.append(c);
            break;
        case pll::KeyDecision::Discard:
            break;
        }
    }
    if (passed == typed && !(event->modifiers() & Qt::ControlModifier)) {
        QLineEdit::keyPressEvent(event);
        return;
    }
    // Only the digits of a composed text are typed; with Ctrl held, nothing.
    passed.remove(QChar(8));
    if (!passed.isEmpty() && !(event->modifiers() & Qt::ControlModifier))
        insert(passed);
    event->accept();
}

void RangeEdit::inputMethodEvent(QInputMethodEvent *event)
{
    // Composed text (dead keys, compose, an input method) passes the same
    // filter as typed keys; it carries no Enter and no Backspace of its own.
    const QString composed = event->commitString();
    QString passed;
    for (const QChar c : composed) {
        if (c.unicode() != 8 && pll::filterKey(c, locale_) == pll::KeyDecision::Pass)
            passed.append(c);
    }
    if (passed == composed) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(passed, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
    event->accept();
}

void RangeEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    if (isReturnOfFocus(event->reason()))
        return;
    selectAll();
    selectOnRelease_ = event->reason() == Qt::MouseFocusReason;
}

void RangeEdit::focusOutEvent(QFocusEvent *event)
{
    selectOnRelease_ = false;
    QLineEdit::focusOutEvent(event);
    if (!isReturnOfFocus(event->reason()))
        tidyNow();
}

void RangeEdit::mouseReleaseEvent(QMouseEvent *event)
{
    QLineEdit::mouseReleaseEvent(event);
    // A drag that marked part of the text keeps that part.
    if (selectOnRelease_ && !hasSelectedText())
        selectAll();
    selectOnRelease_ = false;
}

} // namespace lorvex
