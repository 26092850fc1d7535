#pragma once
// The process-wide values the startup module fills and every window reads.

#include "app/messages.h"
#include "app/update_choices.h"

#include <QDate>
#include <QString>
#include <array>

namespace lorvex {

struct SharedState {
    QString DilKlasoru;    // languages folder, ends in "/"
    QString DilAdi;        // current language name
    int SurumNumarasi = 0; // 102 for 1.0.2
    UpdateSchedule GuncellemeAraligi = UpdateSchedule::never;
    QDate SonKontrolTarihi;
    QDate SonrakiKontrolTarihi;
    QDate YeniKontrolTarihi;
    MessageTable Mesajlar;
    std::array<QString, 3> DilBilgileri; // the language file's own report texts

    const QString &msg(int n) const { return Mesajlar.text(n); }
};

} // namespace lorvex
