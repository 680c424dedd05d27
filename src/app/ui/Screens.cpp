#include "app/ui/ScreenRegistry.h"

#include "access/ui/frmpw.h"
#include "access/ui/frmpwkakunin.h"
#include "data/ui/frmjyunbi.h"
#include "data/ui/frmkeisankijyun.h"
#include "data/ui/frmmeibo.h"
#include "maintenance/ui/frmbp.h"
#include "maintenance/ui/frmseiri.h"
#include "punchclock/ui/frmrecoder.h"
#include "tally/ui/frmsyuukei.h"

// One line a screen: word, and how its widget is made.
void registerScreens(ScreenRegistry &registry) {
    registry.add(screenword::recorder, [](ScreenContext &ctx) { return new frmrecoder(ctx); });
    registry.add(screenword::keisankijyun,
                 [](ScreenContext &ctx) { return new frmkeisankijyun(ctx); });
    registry.add(screenword::meibo, [](ScreenContext &ctx) { return new frmmeibo(ctx); });
    registry.add(screenword::cardjyunbi, [](ScreenContext &ctx) { return new frmjyunbi(ctx); });
    registry.add(screenword::pw, [](ScreenContext &ctx) { return new frmpw(ctx); });
    registry.add(screenword::syuukei, [](ScreenContext &ctx) { return new frmsyuukei(ctx); });
    registry.add(screenword::seiri, [](ScreenContext &ctx) { return new frmseiri(ctx); });
    registry.add(screenword::bkup, [](ScreenContext &ctx) { return new frmbp(ctx); });
    registry.setPinPrompt(
        [](QWidget *parent, ScreenContext &ctx) { return runPinPrompt(parent, ctx.services); });
}
