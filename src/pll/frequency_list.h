#pragma once
// One of the two frequency lists. It shows that it has the keyboard focus
// even while it is empty: Qt marks only the current line, and an empty list
// has none, so at start the focus would sit on it unseen.

#include <QListWidget>

namespace lorvex {

class FrequencyList final : public QListWidget {
public:
    explicit FrequencyList(QWidget *parent = nullptr);

protected:
    void paintEvent(QPaintEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
};

} // namespace lorvex
