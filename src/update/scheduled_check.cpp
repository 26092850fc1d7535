#include "update/scheduled_check.h"

#include "app/app_context.h"
#include "app/app_info.h"
#include "app/clock.h"
#include "app/settings.h"
#include "app/shared_state.h"
#include "update/schedule.h"
#include "update/update_notice.h"
#include "update/version_checker.h"

namespace lorvex {

void runScheduledCheck(QWidget *mainWindow, AppContext &ctx)
{
    const SharedState &s = ctx.state;
    if (!isCheckDue(s.GuncellemeAraligi, s.SonKontrolTarihi, s.SonrakiKontrolTarihi, ctx.clock.today()))
        return;

    // The result codes 0, 1 and 2 are below every real version, so they
    // never count as newer.
    const int published = ctx.checker.SurumKontrolEt(ctx.updateTempPath, app_info::UrunNumarasi);
    if (published <= s.SurumNumarasi)
        return;

    ctx.settings.write(keys::GuncellemeSonucu, storedText(UpdateResult::newerFound));
    ctx.settings.write(keys::SurumBilgisi, QString::number(published));

    GüncellemeFormu notice(mainWindow, ctx);
    notice.exec();
}

} // namespace lorvex
