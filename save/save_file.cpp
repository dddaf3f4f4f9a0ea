#include "save/save_file.h"

#include <array>
#include <charconv>

#include "game/errors.h"
#include "save/cp1251.h"
#include "save/ini_file.h"
#include "save/save_disk.h"
#include "save/utf16.h"

namespace pet {

namespace {

constexpr const char* kSection = "V-7700";

// The saved integers, in the order they are read.
constexpr i32 PetState::*kFields[] = {
    &PetState::Fit,   &PetState::Fed,   &PetState::Mod,  &PetState::Int,  &PetState::Wis,
    &PetState::Doc,   &PetState::Fat,   &PetState::timer, &PetState::money, &PetState::pill,
    &PetState::drug,  &PetState::cafe,  &PetState::beer, &PetState::book, &PetState::robb,
};

// The keys read from the file: those of kFields, then the rest.
constexpr std::array<std::string_view, 18> kReadKeys = {
    "Fit", "Fed", "Mod", "Int", "Wis", "Doc", "Fat", "timer", "money", "pill", "drug", "cafe", "beer", "book", "robb",
    "pistol", "GrowthNotice", "Save CRC",
};

struct Decimal {
    char buf[12];
    std::size_t size;
    explicit Decimal(i32 v) : size(static_cast<std::size_t>(std::to_chars(buf, buf + sizeof buf, v).ptr - buf)) {}
    std::string_view view() const { return {buf, size}; }
};

// A file's text as the INI code reads it: code page 1251 as it stands, UTF-8
// after its byte-order mark, UTF-16 turned into UTF-8.
enum class Encoding { Cp1251, Utf8, Utf16LE, Utf16BE };

struct Text {
    Encoding encoding = Encoding::Cp1251;
    std::string_view text;
    std::string decoded;      // the text, where it had to be converted
    std::string_view oddByte;  // an odd last byte of UTF-16, kept at the end
};

void decode(std::string_view bytes, Text& t) {
    const bool le = bytes.substr(0, 2) == "\xFF\xFE", be = bytes.substr(0, 2) == "\xFE\xFF";
    if (le || be) {
        t.encoding = le ? Encoding::Utf16LE : Encoding::Utf16BE;
        bytes.remove_prefix(2);
        t.oddByte = bytes.substr(bytes.size() & ~std::size_t{1});
        t.decoded = utf16ToUtf8(bytes, be);
        t.text = t.decoded;
    } else if (bytes.substr(0, 3) == "\xEF\xBB\xBF") {
        t.encoding = Encoding::Utf8;
        t.text = bytes.substr(3);
    } else {
        t.text = bytes;
    }
}

}  // namespace

std::string cannotWriteSaveMessage() { return std::string("Unable to write to ") + kSaveFileName; }
std::string cannotReadSaveMessage() { return std::string("Unable to read ") + kSaveFileName; }
std::string notASaveFileMessage() { return std::string(kSaveFileName) + " is not a save file"; }

i32 saveChecksum(const PetState& s) {
    const i32 t = div(mul(s.timer, 17), 7);
    i32 p1 = 1;
    for (i32 v : {s.Fit, s.Fed, s.Mod, s.Int, s.Wis, s.Doc, s.Fat, s.money}) p1 = mul(p1, add(v, 1));
    i32 p2 = 1;
    for (i32 v : {s.pill, s.drug, s.cafe, s.beer, s.book, s.robb}) p2 = mul(p2, add(v, 1));
    return add(add(add(t, p1), p2), s.pistol ? 33 : 0);
}

std::string renderSave(std::string_view existing, const PetState& s) {
    Text in;
    decode(existing, in);
    // The game's own texts in the file's encoding.
    const bool cp1251 = in.encoding == Encoding::Cp1251;
    const std::string b = cp1251 ? utf8ToCp1251("==НЕНАДО ЗДЕСЬ НИЧЕГО===") : "==НЕНАДО ЗДЕСЬ НИЧЕГО===";
    const std::string c = cp1251 ? utf8ToCp1251("===РЕДАКТИРОВАТЬ=:)=====") : "===РЕДАКТИРОВАТЬ=:)=====";
    std::array<Decimal, 16> numbers = {
        Decimal(s.Fit),   Decimal(s.Fed),  Decimal(s.Mod),  Decimal(s.Int),  Decimal(s.Wis),  Decimal(s.Doc),
        Decimal(s.Fat),   Decimal(s.timer), Decimal(s.money), Decimal(s.pill), Decimal(s.drug), Decimal(s.cafe),
        Decimal(s.beer),  Decimal(s.book), Decimal(s.robb), Decimal(s.GrowthNotice),
    };
    const Decimal crc(saveChecksum(s));
    std::array<ini::Entry, 27> entries = {{
        {"Game_Name", "Puhtyash"},
        {"Author", "Puhtyash team"},
        {"Development", "Puhtyash team"},
        {"Contact", "puhtyash@example.org"},
        {"HomePage", "https://puhtyash.example.org/"},
        {"a", "========================"},
        {"b", b},
        {"c", c},
        {"d", "========================"},
    }};
    for (std::size_t i = 0; i < 15; ++i) entries[9 + i] = {kReadKeys[i], numbers[i].view()};
    entries[24] = {"pistol", s.pistol ? "1" : "0"};
    entries[25] = {"GrowthNotice", numbers[15].view()};
    entries[26] = {"Save CRC", crc.view()};

    std::string out;
    switch (in.encoding) {
    case Encoding::Cp1251:
        ini::update(in.text, kSection, entries, out);
        return out;
    case Encoding::Utf8:
        out = "\xEF\xBB\xBF";
        ini::update(in.text, kSection, entries, out);
        return out;
    case Encoding::Utf16LE:
    case Encoding::Utf16BE: {
        std::string text;
        ini::update(in.text, kSection, entries, text);
        in.decoded = std::string();  // freed before the file's own copy is made
        const bool be = in.encoding == Encoding::Utf16BE;
        out = be ? "\xFE\xFF" : "\xFF\xFE";
        appendUtf16(out, text, be);
        out.append(in.oddByte);
        return out;
    }
    }
    return out;
}

SavedValues readSave(std::string_view bytes) {
    Text in;
    decode(bytes, in);
    const ini::Found found = ini::find(in.text, kSection, kReadKeys);
    const auto number = [&](std::size_t k) -> i32 {
        if (!found.keys[k]) return 0;
        return ini::parseInt32(ini::value(in.text, *found.keys[k])).value_or(0);
    };
    SavedValues out;
    for (std::size_t i = 0; i < 15; ++i) out.state.*kFields[i] = number(i);
    out.state.pistol = number(15) != 0;
    out.state.GrowthNotice = number(16);
    out.storedChecksum = number(17);
    return out;
}

bool FileSaveSlot::read(std::string& bytes) {
    switch (disk::readFile(kSaveFileName, kLargestSave, bytes)) {
    case disk::ReadResult::Read: return true;
    case disk::ReadResult::Missing: return false;
    case disk::ReadResult::NotAFile: throw GameError(notASaveFileMessage());
    case disk::ReadResult::Failed: break;
    }
    throw GameError(cannotReadSaveMessage());
}

void FileSaveSlot::write(const std::string& bytes) {
    if (bytes.size() > kLargestSave || !disk::replaceFile(kSaveFileName, bytes)) throw GameError(cannotWriteSaveMessage());
}

}  // namespace pet
