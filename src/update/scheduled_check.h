#pragma once
// ZamanliKontrol: the update check the main window runs once per start.

class QWidget;

namespace lorvex {

struct AppContext;

// When a check is due and finds a newer version: saves "Guncelleme Sonucu"
// = "1" and "Surum Bilgisi", then shows the update notice modally over
// mainWindow and returns after it closes. Changes no date itself. A refused
// settings write throws Failure; the caller reports it under "Form-1".
void runScheduledCheck(QWidget *mainWindow, AppContext &ctx);

} // namespace lorvex
