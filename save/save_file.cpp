#include "save/save_file.h"

#include <charconv>
#include <cstdio>

#include "game/errors.h"
#include "save/cp1251.h"
#include "save/ini_file.h"

namespace pet {

namespace {

constexpr const char* kSection = "V-7700";

struct Field {
    const char* key;
    i32 PetState::*field;
};

// The saved integers, in the order they are read.
constexpr Field kFields[] = {
    {"Fit", &PetState::Fit},     {"Fed", &PetState::Fed},     {"Mod", &PetState::Mod},   {"Int", &PetState::Int},
    {"Wis", &PetState::Wis},     {"Doc", &PetState::Doc},     {"Fat", &PetState::Fat},   {"timer", &PetState::timer},
    {"money", &PetState::money}, {"pill", &PetState::pill},   {"drug", &PetState::drug}, {"cafe", &PetState::cafe},
    {"beer", &PetState::beer},   {"book", &PetState::book},   {"robb", &PetState::robb},
};

std::string decimal(i32 v) {
    char buf[16];
    const auto end = std::to_chars(buf, buf + sizeof buf, v).ptr;
    return std::string(buf, end);
}

}  // namespace

i32 saveChecksum(const PetState& s) {
    const i32 t = div(mul(s.timer, 17), 7);
    i32 p1 = 1;
    for (i32 v : {s.Fit, s.Fed, s.Mod, s.Int, s.Wis, s.Doc, s.Fat, s.money}) p1 = mul(p1, add(v, 1));
    i32 p2 = 1;
    for (i32 v : {s.pill, s.drug, s.cafe, s.beer, s.book, s.robb}) p2 = mul(p2, add(v, 1));
    return add(add(add(t, p1), p2), s.pistol ? 33 : 0);
}

std::string renderSave(std::string_view existing, const PetState& s) {
    IniFile ini = IniFile::parse(existing);
    const auto text = [&](const char* key, const char* utf8) { ini.set(kSection, key, utf8ToCp1251(utf8)); };
    text("Game_Name", "Puhtyash");
    text("Author", "Puhtyash team");
    text("Development", "Puhtyash team");
    text("Contact", "puhtyash@example.org");
    text("HomePage", "https://puhtyash.example.org/");
    text("a", "========================");
    text("b", "==НЕНАДО ЗДЕСЬ НИЧЕГО===");
    text("c", "===РЕДАКТИРОВАТЬ=:)=====");
    text("d", "========================");
    for (const Field& f : kFields) ini.set(kSection, f.key, decimal(s.*f.field));
    ini.set(kSection, "pistol", s.pistol ? "1" : "0");
    ini.set(kSection, "GrowthNotice", decimal(s.GrowthNotice));
    ini.set(kSection, "Save CRC", decimal(saveChecksum(s)));
    return ini.text();
}

SavedValues readSave(std::string_view bytes) {
    const IniFile ini = IniFile::parse(bytes);
    const auto number = [&](const char* key) -> i32 {
        const auto value = ini.get(kSection, key);
        if (!value) return 0;
        return parseInt32(*value).value_or(0);
    };
    SavedValues out;
    for (const Field& f : kFields) out.state.*f.field = number(f.key);
    out.state.pistol = number("pistol") != 0;
    out.state.GrowthNotice = number("GrowthNotice");
    out.storedChecksum = number("Save CRC");
    return out;
}

}  // namespace pet
