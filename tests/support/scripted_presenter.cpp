#include "support/scripted_presenter.h"

namespace lorvex::test {

void ScriptedPresenter::expect(QMessageBox::StandardButton button, std::function<void(const BoxRequest &)> onShow)
{
    script_.append({button, std::move(onShow)});
}

QMessageBox::StandardButton ScriptedPresenter::show(QWidget *parent, const BoxRequest &request)
{
    shown_.append({request, parent});
    if (script_.isEmpty()) {
        ++unexpected_;
        return request.defaultButton != QMessageBox::NoButton ? request.defaultButton : QMessageBox::Ok;
    }
    Answer a = script_.takeFirst();
    if (a.onShow)
        a.onShow(request);
    return a.button;
}

} // namespace lorvex::test
