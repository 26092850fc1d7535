#pragma once
// A message-box presenter that answers from a script. A box nobody expected is
// recorded (and answered with its default) instead of hanging the test.

#include "app/message_box.h"

#include <QList>
#include <functional>

namespace lorvex::test {

class ScriptedPresenter final : public MessagePresenter {
public:
    struct Shown {
        BoxRequest request;
        QWidget *parent = nullptr;
    };

    // The next box is answered with button; onShow (if any) runs while it is "open".
    void expect(QMessageBox::StandardButton button, std::function<void(const BoxRequest &)> onShow = {})
    {
        script_.append({button, std::move(onShow)});
    }
    QMessageBox::StandardButton show(QWidget *parent, const BoxRequest &request) override
    {
        shown_.append({request, parent});
        if (script_.isEmpty()) {
            ++unexpected_;
            return request.defaultButton != QMessageBox::NoButton ? request.defaultButton : QMessageBox::Ok;
        }
        const Answer a = script_.takeFirst();
        if (a.onShow)
            a.onShow(request);
        return a.button;
    }

    const QList<Shown> &shown() const { return shown_; }
    int unexpected() const { return unexpected_; }
    int pending() const { return int(script_.size()); }

private:
    struct Answer {
        QMessageBox::StandardButton button;
        std::function<void(const BoxRequest &)> onShow;
    };
    QList<Answer> script_;
    QList<Shown> shown_;
    int unexpected_ = 0;
};

} // namespace lorvex::test
