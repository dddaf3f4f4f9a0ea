// How the pet dies: the four causes, their epitaphs, and what stops.
#include "game/game.h"

namespace pet {

bool Game::IsDead() const {
    return s.Doc <= -10 || s.Mod <= -50 || s.Fit < -5 || s.Fed <= -30 || s.Fat <= -25;
}

void Game::deathStep() {
    if (IsDead()) {
        w.GlobalTimer.enabled = false;
        w.AnimateTimer.enabled = false;
    }
    if (s.Doc <= -10 || s.Mod <= -50) {  // it ran away
        w.GlobalTimer.enabled = false;
        static const char* const epitaphs[] = {
            "†††  Зверьё сбежало и захватило дет. сад. Его подстрелили менты во время штурма.   †††\nНадо было его лучше воспитывать.",
            "†††  Твоё зверьё не знало детской радости   †††\nНадо было чаще на него поглядывать.",
            "†††  Твоё зверьё убежало из дома и сдохло   †††\nНадо лучше относиться к нему.",
        };
        epitaph = epitaphs[r(3)];
    }
    if (s.Fit < -5) {  // disease
        w.GlobalTimer.enabled = false;
        static const char* const epitaphs[] = {
            "†††  Твоё зверьё покрылось пятнами, облезло и сдохло   †††\nБолезни сейчас не редкость....",
            "†††  Твоё зверьё покраснело, надулось и лопнуло   †††\nБолезни сейчас не редкость ... а подлость...",
            "†††  Твоё зверьё придавило рулоном туалетной бумаги   †††\nМммм дааа-а-а...",
        };
        epitaph = epitaphs[r(3)];
        if (s.Fed > 101)
            epitaph =
                "†††  Твоё зверьё пожелтело, обблевалось и захлебнулось продуктами своего пищеварения  †††\nБолезни "
                "сейчас не редкость, к тому же когда жрёшь дофига и немерено.";
        const real substances = 3.0L * s.beer + 3.0L * s.drug + static_cast<real>(s.cafe) + frac(1.8) * s.pill;
        if (substances > 30)
            epitaph = "†††  Твоё зверьё посинело, обблевалось и переколбасилось по полу  †††\nВрачи поставили диагноз : "
                      "Передоз в теле.";
    }
    if (s.Fed <= -30) {  // starvation
        w.GlobalTimer.enabled = false;
        static const char* const epitaphs[] = {
            "†††  Твоё зверьё слишком долго постилось  †††\nЧем не пожертвуешь ради святого праздника.",
            "†††  Твоё зверьё скончалось от истощения  †††\nКушать все хотят, даже звери.",
        };
        epitaph = epitaphs[r(2)];
        if (s.Fat < 20)
            epitaph = "†††  Пухтяш как знал что надо отдыхать в деревянной коробочке  †††\nСпи зверёк сладким сном.";
        if (s.Mod >= 90) epitaph = "†††  Твоё зверьё заигралось и забыло покушать  †††\nКушать надо хотя бы хлеб.";
    }
    if (s.Fat <= -25) {  // exhaustion
        w.GlobalTimer.enabled = false;
        static const char* const epitaphs[] = {
            "†††  Твоё депрессиивное зверьё сдохло †††\nСпать надо хоть пару часов в день.",
            "†††  Устал бедненький, уснул и не проснулся  †††\n... Комбаин подкрался не заметно...",
        };
        epitaph = epitaphs[r(2)];
        if (s.procKind == pkFun)
            epitaph = "†††  Бессонные ночи у экрана монитора после трудового дня сыграли злую шутку  †††\n...Незаметно "
                      "прошла неделя игрального времени...";
        const i32 sum = add(add(add(div(mul(5, s.drug), 3), mul(6, s.beer)), s.cafe), s.pill);
        if (sum > 40)
            epitaph = "†††  Твоё зверьё посинело, обблевалось и переколбасилось по полу  †††\nПить меньше надо!!!.";
    }
    if (!w.GlobalTimer.enabled)
        dialogs().messageBox(epitaph, "        †  †  †   † †   †<-(RIP Зверёк)      † † †    †    †  † †   †",
                             Buttons::Ok);
}

}  // namespace pet
