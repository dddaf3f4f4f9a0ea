#include "save_check.h"

#include "app/headless.h"
#include "game/game.h"
#include "save/save_file.h"

namespace pet::test {

namespace {

class Bytes final : public SaveSlot {
public:
    explicit Bytes(std::string_view b) : content(b) {}
    bool read(std::string& out) override {
        out = content;
        return true;
    }
    void write(const std::string& b) override { content = b; }
    std::string content;
};

class Quiet final : public Dialogs {
public:
    Answer messageBox(std::string_view, std::string_view, Buttons) override { return Answer::Ok; }
};

bool sameSaved(const PetState& a, const PetState& b) {
    return a.Fit == b.Fit && a.Fed == b.Fed && a.Mod == b.Mod && a.Int == b.Int && a.Wis == b.Wis && a.Doc == b.Doc &&
           a.Fat == b.Fat && a.timer == b.timer && a.money == b.money && a.pill == b.pill && a.drug == b.drug &&
           a.cafe == b.cafe && a.beer == b.beer && a.book == b.book && a.robb == b.robb && a.pistol == b.pistol &&
           a.GrowthNotice == b.GrowthNotice;
}

// The byte-order mark a text starts with, if any.
std::string_view encodingMark(std::string_view bytes) {
    for (std::string_view mark : {"\xFF\xFE", "\xFE\xFF", "\xEF\xBB\xBF"})
        if (bytes.substr(0, mark.size()) == mark) return mark;
    return {};
}

}  // namespace

bool checkSaveBytes(std::string_view bytes) {
    const SavedValues loaded = readSave(bytes);
    // Saved over, the file reads back exactly what was saved, with a checksum that matches.
    const std::string rewritten = renderSave(bytes, loaded.state);
    const SavedValues back = readSave(rewritten);
    if (!sameSaved(back.state, loaded.state) || back.storedChecksum != saveChecksum(loaded.state)) return false;
    if (renderSave(rewritten, loaded.state) != rewritten) return false;
    // It stays in its encoding, and grows by no more than the game's own
    // lines: every other line keeps its bytes and its line end.
    if (encodingMark(rewritten) != encodingMark(bytes)) return false;
    if (rewritten.size() > bytes.size() + 4096) return false;

    // The game loads it and plays on.
    SteppingTimeOfDay clock(1234);
    ClockSeededRandom rng(clock);
    Quiet dialogs;
    NoShell shell;
    Bytes slot(bytes);
    Game g({rng, dialogs, shell, nullptr, &slot});
    g.LoadClick();
    if (!sameSaved(g.s, loaded.state)) return false;
    for (int i = 0; i < 40; ++i) {
        g.w.GlobalTimer.enabled = true;
        g.GlobalTimerTimer();
        g.FeelingsClick();
    }
    g.SaveClick();
    return true;
}

}  // namespace pet::test
