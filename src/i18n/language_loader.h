#pragma once
// The language loader as the windows call it: loads a file into the shared
// message table and reports a file it cannot read in a critical box.

#include "app/message_box.h"
#include "app/messages.h"
#include "app/shared_state.h"

#include <QString>

class QWidget;

namespace lorvex {

// Refills state.Mesajlar (and the header texts in state.DilBilgileri) from the
// file at path. A file that cannot be read shows the critical box over parent
// in the file's own words; afterwards every slot holds a text, never empty.
void DilDosyasiYükle(SharedState &state, MessagePresenter &boxes, QWidget *parent, const QString &path,
                     int count = MessageTable::count);

// The same for a language name, looked for in state.DilKlasoru. The built-in
// "Türkçe" and names that are not plain names load the built-in texts.
// DilAdi is left to the caller.
void loadLanguageByName(SharedState &state, MessagePresenter &boxes, QWidget *parent, const QString &name);

} // namespace lorvex
