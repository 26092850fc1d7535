#include "i18n/language_loader.h"

#include "i18n/language_file.h"

namespace lorvex {

void DilDosyasiYükle(SharedState &state, MessagePresenter &boxes, QWidget *parent, const QString &path, int count)
{
    const auto failure = language_file::Load(path, count, state.Mesajlar, state.DilBilgileri);
    if (!failure)
        return;
    boxes.show(parent, {language_file::failureText(state.DilBilgileri, *failure), defaultBoxTitle(),
                        QMessageBox::Critical, QMessageBox::Ok, QMessageBox::Ok});
}

void loadLanguageByName(SharedState &state, MessagePresenter &boxes, QWidget *parent, const QString &name)
{
    DilDosyasiYükle(state, boxes, parent, languageFilePath(state.DilKlasoru, name));
    language_file::LoadCompanion(companionFilePath(state.DilKlasoru, name), state.Mesajlar);
}

} // namespace lorvex
