// The main window as plain data: every widget and menu property the game's
// rules read or write, with the values the window is designed with. The Qt
// window builds its widgets from this and shows whatever the rules put here;
// tests read it directly.
#pragma once

#include <array>
#include <string>

#include "game/arith.h"
#include "game/colors.h"
#include "game/commands.h"

namespace pet {

enum class WidgetKind { Shape, Bevel, Label, Button, RadioButton, ProgressBar, PageControl, TabSheet, GroupBox, StatusBar };
enum class ShapeType { Rectangle, Circle, Ellipse, RoundRect };
enum class FontFace { Window, Comic };  // the window's font, or the bubble's bold hand-written one
enum class Parent { Window, PageControl, Tab1, Tab2, Tab3, Tab4, GroupBox1 };

struct Widget {
    const char* name = "";
    WidgetKind kind = WidgetKind::Label;
    Parent parent = Parent::Window;
    i32 left = 0, top = 0, width = 0, height = 0;
    std::string caption;
    std::string hint;
    TColor fontColor = clWindowText;
    bool bold = false;
    FontFace face = FontFace::Window;
    i32 fontHeight = 11;            // pixels
    TColor color = clBtnFace;       // background of an opaque label
    bool transparent = true;        // labels: draw on what lies below
    bool visible = true;
    bool enabled = true;
    bool autoSize = true;           // labels grow to the width of their text
    bool centered = false;          // labels: text centred in the box
    i32 tabOrder = -1;
    ShapeType shape = ShapeType::Rectangle;
    TColor brush = clWhite;
    TColor pen = clBlack;
    bool penClear = false;          // a shape without outline
    bool lowered = false;           // a bevel drawn as a sunken frame
    i32 position = 0;               // progress bars: 0 to 100 shown, beyond clipped
    bool checked = false;           // radio buttons
    Command onClick = Command::None;
};

struct MenuItem {
    const char* name = "";
    int level = 0;              // 0 for the menu bar, 1 for its menus, 2 for submenus
    std::string caption;        // "&" marks the accelerator; "-" is a separator
    const char* shortcut = "";  // in the notation "Ctrl+Shift+C"; "`" is the grave-accent key
    std::string hint;
    bool checked = false;
    i32 tag = 0;
    bool isDefault = false;     // drawn bold
    Command command = Command::None;
    bool radio = false;         // one of the speed items
};

// The mouth: two elliptic arcs from (x0, y0) to (x0 + 40, y0), the first of
// depth d1, the second of depth d2; lower halves (a smile) or upper halves
// (a frown). Kept here so that every repaint draws it again.
struct Mouth {
    bool visible = false;  // not before the first animation step
    i32 x0 = 0, y0 = 0;
    i32 d1 = 0, d2 = 0;
    bool smile = false;
};

struct Timer {
    bool enabled = false;
    i32 interval = 0;
};

// The widgets in the order the window paints them: graphic ones (shapes,
// labels, bevels) first, each over the ones before it, then the windowed
// ones, which always lie above them.
#define PET_WIDGETS(X)                                                                            \
    X(ShapeBublL) X(Shape2) X(Shape1) X(ShapeBoubles0) X(Face) X(LEye) X(REye) X(LEyeX) X(REyeX)  \
    X(Bevel2) X(Label2) X(Label3) X(Label4) X(Label5) X(Label6) X(Label1) X(TimeLabel) X(Money)   \
    X(Label7) X(Label8) X(Label9) X(Label10) X(Label11) X(Label12) X(Labelx13) X(Label13)         \
    X(Label15) X(Bevel1) X(RedHole) X(ShapeBublR) X(Thought) X(CurrentProcType)                   \
    X(PageControl1) X(Tab1) X(Tab2) X(Tab3) X(Tab4)                                               \
    X(Feed) X(RB1) X(RB2) X(RB3) X(RB4) X(RB5) X(RB6) X(RB7) X(RB8) X(Fitness) X(Pill) X(Drug)    \
    X(Beer) X(Vodka) X(Cafe) X(Sleep)                                                             \
    X(Punish) X(Teach) X(ReadBook) X(School) X(Label17) X(TotalBookRead)                          \
    X(WorkBegg) X(WorkClean) X(WorkWorker) X(WorkBaker) X(WorkRobber) X(WorkXakep)                \
    X(btPlayGameOnPC) X(btPenthouse) X(btDisco) X(btAnecdot) X(btPlayRussianRoulette)             \
    X(B1) X(B2) X(B3) X(B4) X(B5) X(B6) X(B7)                                                     \
    X(GroupBox1) X(LabelAlco) X(AlcoLabel) X(LabelPharm) X(PharmLabel) X(LabelDrug) X(LabelCafe)  \
    X(DrugLabel) X(CafeLabel) X(lDamage)                                                          \
    X(MaximizeAll) X(sbBar)

// The menu tree in display order.
#define PET_MENU_ITEMS(X)                                                                         \
    X(Game) X(New) X(DifficultyHIGH) X(DifficultyNORM) X(DifficultyLOW) X(Save1) X(Load1) X(N1)   \
    X(Euthanasy) X(Exit1)                                                                         \
    X(Options1) X(StopProc1) X(Pause1) X(AccelerateTime1) X(N12) X(N2000ms1) X(N1000ms1)          \
    X(N750ms1) X(N500ms1) X(N250ms1) X(N100ms1) X(N50ms1) X(N8) X(GuardianAngel) X(N13)           \
    X(HintsOFF) X(HintsBarOFF) X(SaveLoad1)                                                       \
    X(QuickAccess1) X(N2) X(N3) X(N7) X(N6) X(N14) X(N4) X(N5) X(N15) X(N16)                      \
    X(AboutN1) X(N9) X(WebSite1) X(email1) X(N11) X(N10)

#define PET_COUNT(name) +1
inline constexpr int kWidgetCount = 0 PET_WIDGETS(PET_COUNT);
inline constexpr int kMenuItemCount = 0 PET_MENU_ITEMS(PET_COUNT);
#undef PET_COUNT

struct Menu {
#define PET_DECLARE(name) MenuItem name;
    PET_MENU_ITEMS(PET_DECLARE)
#undef PET_DECLARE
    std::array<MenuItem*, kMenuItemCount> all();
    std::array<const MenuItem*, kMenuItemCount> all() const;
    // The seven speed items, slowest first.
    std::array<MenuItem*, 7> speedItems();
};

struct WindowModel {
    WindowModel();  // every design value

    // The window itself.
    std::string caption;
    i32 clientWidth = 618;
    i32 clientHeight = 233;  // changes by the status bar's height when it is hidden or shown
    bool showHint = false;   // pop-up hints
    bool closeRequested = false;  // the player chose to leave
    TColor penColor = clBlack;    // the window's own drawing pen: the mouth

#define PET_DECLARE(name) Widget name;
    PET_WIDGETS(PET_DECLARE)
#undef PET_DECLARE

    Menu menu;
    Mouth mouth;
    Timer GlobalTimer;
    Timer AnimateTimer;

    std::array<Widget*, kWidgetCount> all();
    std::array<const Widget*, kWidgetCount> all() const;
    // The value labels and bars of the seven stats, in the order Fit, Fed,
    // Mod, Int, Wis, Doc, Fat.
    std::array<Widget*, 7> statLabels();
    std::array<Widget*, 7> statBars();
    // The meal radio buttons RB1 to RB8.
    std::array<Widget*, 8> meals();
};

// Whether Tab stops at a widget: at the page control (on its tabs), at a
// button, and of the radio buttons of one parent, which form one group, only
// at the checked one; the arrow keys move within the group. Within a parent
// Tab follows tabOrder. Labels, shapes, bars and the tab pages are no stops.
bool isTabStop(const Widget& w);

// Texts the window shows before anything changes them.
inline constexpr const char* kWelcomeHint =
    "Здесь показывается подсказка ! Нажмите F2 чтобы испечь нового Пухтяша !";
// The makers' addresses, as macros so that texts can be put together at compile time.
#define PET_WEB_SITE "puhtyash.example.org"
#define PET_WEB_ADDRESS "https://" PET_WEB_SITE "/"
#define PET_EMAIL "puhtyash@example.org"
inline constexpr const char* kWebSite = PET_WEB_SITE;  // the address without its scheme
inline constexpr const char* kWebAddress = PET_WEB_ADDRESS;
inline constexpr const char* kEmailAddress = PET_EMAIL;

}  // namespace pet
