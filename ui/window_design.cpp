#include "ui/window_model.h"

namespace pet {

namespace {

void place(Widget& x, WidgetKind kind, Parent parent, i32 left, i32 top, i32 width, i32 height) {
    x.kind = kind;
    x.parent = parent;
    x.left = left;
    x.top = top;
    x.width = width;
    x.height = height;
}

void shape(Widget& x, i32 left, i32 top, i32 width, i32 height, const char* hint) {
    place(x, WidgetKind::Shape, Parent::Window, left, top, width, height);
    x.hint = hint;
    x.autoSize = false;
}

void bevel(Widget& x, i32 left, i32 top, i32 width, i32 height, const char* hint) {
    place(x, WidgetKind::Bevel, Parent::Window, left, top, width, height);
    x.hint = hint;
    x.autoSize = false;
}

void label(Widget& x, Parent parent, i32 left, i32 top, i32 width, i32 height, const char* caption,
           const char* hint) {
    place(x, WidgetKind::Label, parent, left, top, width, height);
    x.caption = caption;
    x.hint = hint;
}

void bar(Widget& x, i32 left, i32 top, i32 width, i32 height) {
    place(x, WidgetKind::ProgressBar, Parent::Window, left, top, width, height);
    x.autoSize = false;
}

void control(Widget& x, WidgetKind kind, Parent parent, i32 left, i32 top, i32 width, i32 height, i32 tab,
             const char* caption, const char* hint, Command onClick) {
    place(x, kind, parent, left, top, width, height);
    x.tabOrder = tab;
    x.caption = caption;
    x.hint = hint;
    x.autoSize = false;
    x.onClick = onClick;
}

void button(Widget& x, Parent parent, i32 left, i32 top, i32 width, i32 height, i32 tab, const char* caption,
            const char* hint, Command onClick) {
    control(x, WidgetKind::Button, parent, left, top, width, height, tab, caption, hint, onClick);
}

void radio(Widget& x, Parent parent, i32 left, i32 top, i32 width, i32 height, i32 tab, const char* caption,
           const char* hint, Command onClick) {
    control(x, WidgetKind::RadioButton, parent, left, top, width, height, tab, caption, hint, onClick);
}

void designWidgets(WindowModel& w) {
#define PET_NAME(id) w.id.name = #id;
    PET_WIDGETS(PET_NAME)
#undef PET_NAME

    shape(w.ShapeBublL, 272, 1, 15, 23, "");
    shape(w.Shape2, 349, 6, 31, 31, "");
    shape(w.Shape1, 340, 12, 26, 29, "");
    shape(w.ShapeBoubles0, 278, 1, 265, 23, "");
    shape(w.Face, 276, 28, 93, 97, "Пухтяш");
    shape(w.LEye, 300, 44, 21, 21, "Левый глазик Пухтяша");
    shape(w.REye, 328, 44, 21, 21, "Правый глазик Пухтяша");
    shape(w.LEyeX, 308, 52, 9, 9, "Зрачок левого глазика Пухтяша");
    shape(w.REyeX, 332, 52, 9, 9, "Зрачок правого глазика Пухтяша");
    bevel(w.Bevel1, 302, 69, 43, 55, "Матюгальник Пухтяша");
    shape(w.RedHole, 316, 33, 13, 7, "Красивая дырочка от 9mm пульки.");
    shape(w.ShapeBublR, 536, 1, 15, 23, "");
    label(w.Thought, Parent::Window, 279, 0, 258, 19, "Ба-а-абу-у-ушка-аа испеки меня-я-яя", "");
    label(w.CurrentProcType, Parent::Window, 275, 153, 3, 13, "", "Процесс. Показывает то, чем сейчас занят Пухтяш™. Можно прервать нажав <ESC>");
    bevel(w.Bevel2, 276, 172, 101, 41, "");
    label(w.TimeLabel, Parent::Window, 280, 176, 93, 13, "<Press F2>", "Время");
    label(w.Label15, Parent::Window, 280, 196, 9, 13, "$:", "");
    label(w.Money, Parent::Window, 292, 196, 8, 13, "0", "Каждый день в 18:00   [-] 100$ на текужие расходы");
    label(w.Label2, Parent::Window, 376, 28, 49, 13, "Здоровье", "Показывает на сколько здоров Пухтяш. При низком здоровьи нужно лечиться. При высоком качаться в тренажерном зале.");
    bar(w.B1, 444, 25, 150, 16);
    label(w.Label7, Parent::Window, 596, 26, 20, 13, "0", "-5 ... 100");
    label(w.Label3, Parent::Window, 376, 48, 43, 13, "Сытость", "Показывает на сколько сыт Пухтяш. (не путать с ссыт)");
    bar(w.B2, 444, 45, 150, 16);
    label(w.Label8, Parent::Window, 596, 44, 20, 13, "0", "-30 ... 115 ..объедание.. 120");
    label(w.Label4, Parent::Window, 376, 67, 61, 13, "Настроение", "Показывает на сколько высоко настроение Пухтяша.");
    bar(w.B3, 444, 64, 150, 16);
    label(w.Label9, Parent::Window, 596, 64, 20, 13, "0", "-50 ... 120");
    label(w.Label5, Parent::Window, 376, 87, 48, 13, "Интелект", "Показывает на сколько интелектуален Пухтяш и способен получать и запоминать новые знания. Нужно учиться.");
    bar(w.B4, 444, 84, 150, 16);
    label(w.Label10, Parent::Window, 596, 84, 20, 13, "0", "0 ... 100");
    label(w.Label6, Parent::Window, 376, 107, 37, 13, "Энания", "Показывает на сколько эрудирован Пухтяш. Для повышения нужно читать книги и учиться.");
    bar(w.B5, 444, 104, 150, 16);
    label(w.Label11, Parent::Window, 596, 104, 20, 13, "0", "0 ... 120");
    label(w.Label1, Parent::Window, 376, 127, 63, 13, "Послушание", "Показывает на сколько послушен Пухтяш. Для повышения нужно хорошо с ним обращаться. Для понижения - плохо.");
    bar(w.B6, 444, 124, 150, 16);
    label(w.Label12, Parent::Window, 596, 124, 20, 13, "0", "-10 ... 100");
    label(w.Labelx13, Parent::Window, 376, 147, 48, 13, "Бодрость", "Показывает на сколько бодр Пухтяш. Для повышения нужно поспать или попить кофию.");
    bar(w.B7, 444, 144, 150, 16);
    label(w.Label13, Parent::Window, 596, 144, 20, 13, "0", "-25 ... 100");
    label(w.LabelAlco, Parent::GroupBox1, 12, 16, 54, 13, "Алкоголь :", "Степень опьянения.");
    label(w.AlcoLabel, Parent::GroupBox1, 84, 16, 6, 13, "0", "");
    label(w.LabelPharm, Parent::GroupBox1, 12, 30, 63, 13, "Препараты :", "Фармацевтические препараты. Не рекомендуется мешать с алкоголем и др препаратами.");
    label(w.PharmLabel, Parent::GroupBox1, 84, 30, 6, 13, "0", "");
    label(w.LabelDrug, Parent::GroupBox1, 116, 16, 49, 13, "Наркота :", "Степень наркотического опьянения.");
    label(w.LabelCafe, Parent::GroupBox1, 116, 30, 45, 13, "Кофеин :", "Количесво кофеина в тесте.");
    label(w.DrugLabel, Parent::GroupBox1, 172, 16, 6, 13, "0", "");
    label(w.CafeLabel, Parent::GroupBox1, 172, 30, 6, 13, "0", "");
    label(w.lDamage, Parent::GroupBox1, 208, 16, 6, 13, "0", "");
    button(w.Feed, Parent::Tab1, 4, 4, 133, 25, 0, "Съесть :", "Съесть то что выбрано в меню. Цена указана в скобках.", Command::FeedClick);
    radio(w.RB1, Parent::Tab1, 4, 32, 161, 17, 6, "Хлеб и вода (2$)", "длит. 0:21, еда ~30, [--] Послушание, Настроение, Бодрость и Здоровье", Command::None);
    radio(w.RB2, Parent::Tab1, 4, 48, 161, 17, 7, "Бутерброды (8$)", "длит. 0:30, еда ~40 , [-] Послушание и Здоровье", Command::None);
    radio(w.RB3, Parent::Tab1, 4, 64, 161, 17, 8, "Картофель и мясо (12$)", "длит. 0:45, еда ~70 , [-] Послушание и Настроение", Command::None);
    radio(w.RB4, Parent::Tab1, 4, 80, 161, 17, 9, "Мороженое (10$)", "длит. 0:24, еда ~10 , [+] Настроение и Послушание, [-] Здоровье", Command::None);
    radio(w.RB5, Parent::Tab1, 4, 96, 161, 17, 10, "Морские Деликатесы (20$)", "длит. 0:48, еда ~60 , [+] Здоровье и Интелект", Command::None);
    radio(w.RB6, Parent::Tab1, 4, 112, 161, 17, 11, "Похавать в McDonalds (22$)", "длит. 1:00, еда ~55 , [+] Настроение и Послушание, [--] Здоровье", Command::None);
    radio(w.RB7, Parent::Tab1, 4, 128, 161, 17, 12, "Ужин в ресторане (30$)", "длит. 2:00, еда ~110 , [+] Настроение и Послушание", Command::None);
    radio(w.RB8, Parent::Tab1, 4, 144, 161, 17, 13, "Придумать Праздник (60$)", "длит. 2:15, еда ~140 , [++] Настроение и Послушание", Command::None);
    button(w.Fitness, Parent::Tab1, 172, 4, 85, 25, 1, "Тренаж.зал", "10$  длит. 1:30 [+] Здоровье, [-] Бодрость и Сытость", Command::FitnessClick);
    button(w.Pill, Parent::Tab1, 172, 28, 85, 25, 2, "Лекарство", "30$ длит. 6:00/3   [+] Здоровье (чем оно больше тем меньше эффект лекарства) [-] Инт., Настр., Сытость и Посл.", Command::PillClick);
    button(w.Drug, Parent::Tab1, 172, 60, 85, 25, 3, "Колесо", "60$ длит. до 9:00 /3/ (20% что не отпустит) [+] Настроение и Бодрость [-] Здоровье и незначит. остальные", Command::DrugClick);
    button(w.Beer, Parent::Tab1, 172, 84, 43, 25, 4, "Пиво", "12$ длит. до 2:30 [+] Настроение", Command::BeerClick);
    button(w.Vodka, Parent::Tab1, 214, 84, 43, 25, 15, "Водка", "36$ длит. до 12:30 /5.  (эффект 5 пива) [+] Настроение", Command::VodkaClick);
    button(w.Cafe, Parent::Tab1, 172, 118, 85, 25, 14, "Чашечка Кофэ", "6$ длит. до 2 часов [+] Бодрость и тонизирующий эффект, [-] Плохой сон", Command::CafeClick);
    button(w.Sleep, Parent::Tab1, 172, 142, 85, 25, 5, "Баю - Бай", "Сон. длит. 4-6 часов [+] Бодрость [+] Настроение", Command::SleepClick);
    button(w.Punish, Parent::Tab2, 4, 4, 253, 25, 1, "Наказать за всё хорошее", "длит. 30 минут, [+] Послушание (в завис от Инт.). [-] Настроение.", Command::PunishClick);
    button(w.Teach, Parent::Tab2, 4, 32, 253, 25, 0, "Поучить уму разуму", "длит. 2 часа, [+] Послушание (в завис от Инт.). [-] Настроение (в завис от Посл.). Также немного [+] Инт. и [+] Знания.", Command::TeachClick);
    button(w.ReadBook, Parent::Tab2, 4, 60, 253, 25, 3, "Почитать книгу", "5$-40$ Издание в зависимости от Интелекта. В основном [+] Знания.", Command::ReadBookClick);
    button(w.School, Parent::Tab2, 4, 88, 253, 25, 2, "Отправить в школу", "5$ длит. 4-6 часов. [+] Интелект и Знания, [-] Послушание и Настроение.", Command::SchoolClick);
    label(w.Label17, Parent::Tab2, 4, 160, 129, 13, "Объём прочитаных книг :", "");
    label(w.TotalBookRead, Parent::Tab2, 139, 160, 6, 13, "0", "");
    button(w.WorkBegg, Parent::Tab3, 4, 4, 253, 25, 0, "Пойти попрошайничать", "длит 6 часов. Доход от попрошайничества около 20$ в час. (можно прервать с помощью <ESC>)", Command::WorkBeggClick);
    button(w.WorkClean, Parent::Tab3, 4, 32, 253, 25, 1, "Подметать Двор", "По окончании (6 часов) от 120$ до 150$. При хорошом (20) Знании до 1$ за ед.времени. ", Command::WorkCleanClick);
    button(w.WorkWorker, Parent::Tab3, 4, 60, 253, 25, 2, "Разгружать фуры", "По окончании (8 часов) от 200$ до 250$. [+] Здоровье. ", Command::WorkWorkerClick);
    button(w.WorkBaker, Parent::Tab3, 4, 88, 253, 25, 3, "Работа в пекарне", "По окончании (100ед.вр.) от 300$ до 350$. Есть возможность поесть нахаляву :) . ", Command::WorkBakerClick);
    button(w.WorkRobber, Parent::Tab3, 4, 116, 253, 25, 4, "Грабануть магазин", "По окончании (2 часа) до 600$. [+] Знания. Тупой, с плохой физ. подготовкой и не в настроении пухтяш имеет все шансы попастся. :(", Command::WorkRobberClick);
    button(w.WorkXakep, Parent::Tab3, 4, 144, 253, 25, 5, "Компьютерная фирма", "По окончании (5 часов) от 350$ до 500$. [+] Инт. и Знания. Умные получают плюс 2$ за ед. времени.", Command::WorkXakepClick);
    button(w.btPlayGameOnPC, Parent::Tab4, 4, 4, 253, 25, 0, "Погамить в Quake3", "12$  длит. 1:30", Command::btPlayGameOnPCClick);
    button(w.btPenthouse, Parent::Tab4, 4, 32, 253, 25, 1, "Пойти в публичный дом", "100$  длит. 1:30 (+Презервативы 30$).", Command::btPenthouseClick);
    button(w.btDisco, Parent::Tab4, 4, 60, 253, 25, 2, "Пойти на дискотеку", "60$ вход ( +5 пива по 12$)  длит. 4-6 часов (в завис от Здоровья)", Command::btDiscoClick);
    button(w.btAnecdot, Parent::Tab4, 4, 88, 253, 25, 3, "Рассказать Пухтяшу анекдот", "$Free", Command::btAnecdotClick);
    button(w.btPlayRussianRoulette, Parent::Tab4, 4, 116, 253, 25, 4, "Сыграть в \"Русскую Рулетку\"", "6$ за патрон. (+Пистолет 200$). Желательно в Пухтяша не попадать :) Зато весело!", Command::btPlayRussianRouletteClick);
    button(w.MaximizeAll, Parent::Window, 584, 0, 33, 17, -1, "MAX", "", Command::MaximizeAllClick);


    // Shapes: a white brush and a one-pixel black pen unless said otherwise.
    for (Widget* x : {&w.ShapeBublL, &w.Shape2, &w.ShapeBoubles0, &w.ShapeBublR}) {
        x->brush = clCream;
        x->penClear = true;
    }
    w.ShapeBublL.shape = w.Shape2.shape = w.Shape1.shape = w.ShapeBublR.shape = ShapeType::Ellipse;
    w.ShapeBoubles0.shape = ShapeType::RoundRect;
    w.Shape1.brush = clBtnFace;
    w.Shape1.penClear = true;
    w.Face.shape = ShapeType::Ellipse;
    w.Face.brush = clYellow;
    w.LEye.shape = w.REye.shape = w.LEyeX.shape = w.REyeX.shape = ShapeType::Circle;
    w.LEyeX.brush = w.REyeX.brush = clBlack;
    w.RedHole.shape = ShapeType::Circle;
    w.RedHole.brush = w.RedHole.pen = clRed;
    w.RedHole.visible = false;
    w.Bevel2.lowered = true;

    w.Thought.face = FontFace::Comic;
    w.Thought.fontHeight = 13;
    w.Thought.bold = true;
    w.Thought.fontColor = clNavy;
    w.Thought.autoSize = true;

    w.CurrentProcType.fontColor = clBlue;
    w.TimeLabel.autoSize = false;
    w.TimeLabel.centered = true;
    w.TimeLabel.transparent = false;
    w.TimeLabel.fontColor = clBlue;
    w.TimeLabel.bold = true;
    w.Label15.transparent = w.Money.transparent = false;
    w.Label15.color = w.Money.color = clMoneyGreen;
    w.Label15.fontColor = w.Money.fontColor = clGreen;
    w.Money.bold = true;
    for (Widget* x : w.statLabels()) x->autoSize = false;
    for (Widget* x : {&w.AlcoLabel, &w.PharmLabel, &w.DrugLabel, &w.CafeLabel}) x->fontColor = clBtnText;
    w.LabelAlco.onClick = Command::LabelAlcoClick;
    w.TotalBookRead.fontColor = clBlue;
    w.RB5.checked = true;
    w.MaximizeAll.visible = false;

    place(w.PageControl1, WidgetKind::PageControl, Parent::Window, 0, 4, 269, 209);
    w.PageControl1.enabled = false;
    w.PageControl1.autoSize = false;
    const char* tabs[] = {"Состояние", "Обучение", "Работа", "Развлечения"};
    Widget* pages[] = {&w.Tab1, &w.Tab2, &w.Tab3, &w.Tab4};
    for (int i = 0; i < 4; ++i) {
        pages[i]->kind = WidgetKind::TabSheet;
        pages[i]->parent = Parent::PageControl;
        pages[i]->caption = tabs[i];
        pages[i]->tabOrder = i;
        pages[i]->autoSize = false;
    }
    place(w.GroupBox1, WidgetKind::GroupBox, Parent::Window, 384, 166, 233, 48);
    w.GroupBox1.caption = "Действующие в теле вещества";
    w.GroupBox1.autoSize = false;
    place(w.sbBar, WidgetKind::StatusBar, Parent::Window, 0, 214, 618, 19);
    w.sbBar.caption = kWelcomeHint;
    w.sbBar.autoSize = false;
}

void designMenu(Menu& m) {
    const MenuItem items[] = {
    {"Game", 0, "Иг&pа", "", "", false, 0, false, Command::None},
    {"New", 1, "&Hовая Игра", "", "Испечь нового пухтяша", false, 0, false, Command::None},
    {"DifficultyHIGH", 2, "&1 Ещё тёпленький (Сложно)", "Ctrl+F2", "Выбор сложности", false, 0, false, Command::DifficultyHIGHClick},
    {"DifficultyNORM", 2, "&2 Калорийное пироженое (Стандартно)", "F2", "Выбор сложности", false, 0, false, Command::NewGameClick},
    {"DifficultyLOW", 2, "&3 Хозяин тупее меня (Очкарик)", "Shift+F2", "Выбор сложности", false, 0, false, Command::DifficultyLOWClick},
    {"Save1", 1, "&Kлонировать", "F3", "Клонировать Пухтяша и заморозить его в креогенной установке  (Сохранить игру)", false, 0, false, Command::SaveClick},
    {"Load1", 1, "&Bосстановить клон", "F4", "Восстановить Пухтяша из креогенной установки (3агрузить игру)", false, 0, false, Command::LoadClick},
    {"N1", 1, "-", "", "", false, 0, false, Command::None},
    {"Euthanasy", 1, "Эвтаназия", "", "Эвтаназия Пухтяша", false, 0, false, Command::EuthanasyClick},
    {"Exit1", 1, "&Bыход", "Shift+Esc", "Выйти из игры", false, 0, false, Command::ExitClick},
    {"Options1", 0, "&Oпции", "", "", false, 0, false, Command::None},
    {"StopProc1", 1, "Прервать проц&eсс", "Esc", "Останавливает процесс работы, обучения, кормления и т.д.", false, 0, false, Command::StopProc1Click},
    {"Pause1", 1, "Creogen (Пауза)", "F1", "Временно поместить Пухтяша в креогенной установке (Пауза)", false, 0, false, Command::Pause1Click},
    {"AccelerateTime1", 1, "Уcкoрить время", "`", "Ускорить время (Чтобы прервать нужно нажать еще раз ` или ESC)", false, 0, false, Command::AccelerateTime1Click},
    {"N12", 1, "&Cкорость", "", "Скорость игры", false, 0, false, Command::None},
    {"N2000ms1", 2, "2000ms", "Ctrl+0", "Установить скорость игры период обновления времени)", false, 2000, false, Command::N1000ms1Click},
    {"N1000ms1", 2, "1000ms", "Ctrl+1", "Установить скорость игры период обновления времени)", true, 1000, true, Command::N1000ms1Click},
    {"N750ms1", 2, "750ms", "Ctrl+2", "Установить скорость игры период обновления времени)", false, 750, false, Command::N1000ms1Click},
    {"N500ms1", 2, "500ms", "Ctrl+3", "Установить скорость игры период обновления времени)", false, 500, false, Command::N1000ms1Click},
    {"N250ms1", 2, "250ms", "Ctrl+4", "Установить скорость игры период обновления времени)", false, 250, false, Command::N1000ms1Click},
    {"N100ms1", 2, "100ms", "Ctrl+5", "Установить скорость игры период обновления времени)", false, 100, false, Command::N1000ms1Click},
    {"N50ms1", 2, "50ms", "Ctrl+6", "Установить скорость игры период обновления времени)", false, 50, false, Command::N1000ms1Click},
    {"N8", 1, "-", "", "", false, 0, false, Command::None},
    {"GuardianAngel", 1, "Ангел &xранитель", "Ctrl+A", "Восстанавливает скорость игры когда Пухтяш что-то делает, а параметры находятся в критическом состоянии.", true, 0, false, Command::GuardianAngelClick},
    {"N13", 1, "Подсказка (Hints)", "", "Настройки подсказки", false, 0, false, Command::None},
    {"HintsOFF", 2, "Выключить хинты", "Ctrl+H", "", true, 0, false, Command::HintsOFFClick},
    {"HintsBarOFF", 2, "Выключить StatusBar", "Ctrl+S", "", false, 0, false, Command::HintsBarOFFClick},
    {"SaveLoad1", 1, "Подтверждать Save/Load", "Ctrl+Shift+C", "", false, 0, false, Command::SaveLoad1Click},
    {"QuickAccess1", 0, "Бы&cтрый доступ", "", "", false, 0, false, Command::None},
    {"N2", 1, "Поесть", "F5", "Съесть то что выбрано в меню", false, 0, false, Command::FeedClick},
    {"N3", 1, "Лечиться", "F6", "Лечиться, лечиться и ещё раз лечиться", false, 0, false, Command::PillClick},
    {"N7", 1, "Закинуться", "F7", "Наркотики вредны для здоровья !!!", false, 0, false, Command::DrugClick},
    {"N6", 1, "Пивко", "F8", "А вот пиво вполне благородный напиток", false, 0, false, Command::BeerClick},
    {"N14", 1, "Водка", "Ctrl+F8", "Кристально чистый продукт из недр России. Сама природа забототся о вас.™", false, 0, false, Command::VodkaClick},
    {"N4", 1, "Кофе", "F9", "Если хочешь спать™", false, 0, false, Command::CafeClick},
    {"N5", 1, "Поспать", "F10", "Если очень хочешь спать", false, 0, false, Command::SleepClick},
    {"N15", 1, "-", "", "", false, 0, false, Command::None},
    {"N16", 1, "Погамить", "F12", "Поиграть на компьютере", false, 0, false, Command::btPlayGameOnPCClick},
    {"AboutN1", 0, "Про...", "", "", false, 0, false, Command::None},
    {"N9", 1, "Чисто про...", "", "", false, 0, false, Command::N9Click},
    {"WebSite1", 1, kWebAddress, "", std::string("Web сайт проги и её автора ") + kWebAddress, false, 0, false, Command::WebSite1Click},
    {"email1", 1, "e-mail", "", std::string("Шлите коментарии и пожелания на мыло ") + kEmailAddress, false, 0, false, Command::email1Click},
    {"N11", 1, "-", "", "", false, 0, false, Command::None},
    {"N10", 1, "Советы", "", "", false, 0, false, Command::N10Click},

    };
    int i = 0;
    for (MenuItem* item : m.all()) *item = items[i++];
    for (MenuItem* item : m.speedItems()) item->radio = true;
}

}  // namespace

WindowModel::WindowModel() {
    caption = std::string("Пухтяш - V7700   версия 1.2.3     ") + "(c) Puhtyash team, " + kWebAddress;
    designWidgets(*this);
    designMenu(menu);
    GlobalTimer = {false, 600};
    AnimateTimer = {false, 400};
}

std::array<Widget*, kWidgetCount> WindowModel::all() {
#define PET_ADDRESS(name) &name,
    return {PET_WIDGETS(PET_ADDRESS)};
}

std::array<const Widget*, kWidgetCount> WindowModel::all() const {
    return {PET_WIDGETS(PET_ADDRESS)};
}

std::array<MenuItem*, kMenuItemCount> Menu::all() { return {PET_MENU_ITEMS(PET_ADDRESS)}; }
std::array<const MenuItem*, kMenuItemCount> Menu::all() const { return {PET_MENU_ITEMS(PET_ADDRESS)}; }
#undef PET_ADDRESS

std::array<MenuItem*, 7> Menu::speedItems() {
    return {&N2000ms1, &N1000ms1, &N750ms1, &N500ms1, &N250ms1, &N100ms1, &N50ms1};
}

bool isTabStop(const Widget& w) {
    switch (w.kind) {
        case WidgetKind::PageControl:
        case WidgetKind::Button: return true;
        case WidgetKind::RadioButton: return w.checked;
        default: return false;
    }
}

std::array<Widget*, 7> WindowModel::statLabels() {
    return {&Label7, &Label8, &Label9, &Label10, &Label11, &Label12, &Label13};
}

std::array<Widget*, 7> WindowModel::statBars() { return {&B1, &B2, &B3, &B4, &B5, &B6, &B7}; }

std::array<Widget*, 8> WindowModel::meals() { return {&RB1, &RB2, &RB3, &RB4, &RB5, &RB6, &RB7, &RB8}; }

}  // namespace pet
