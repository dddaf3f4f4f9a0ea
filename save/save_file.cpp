#include "save/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>

#include "game/errors.h"
#include "save/cp1251.h"
#include "save/ini_file.h"

namespace pet {

namespace {

constexpr const char* kSection = "V-7700";
constexpr std::size_t kLargestSave = 16u << 20;  // a save is a few hundred bytes; this is plenty

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

[[noreturn]] void cannotWrite() { throw GameError(std::string("Unable to write to ") + kSaveFileName); }

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

bool FileSaveSlot::read(std::string& bytes) {
    const int fd = ::open(kSaveFileName, O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat st {};
    bool ok = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode) && static_cast<std::size_t>(st.st_size) <= kLargestSave;
    bytes.clear();
    char buf[8192];
    while (ok) {
        const ssize_t n = ::read(fd, buf, sizeof buf);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0 || bytes.size() + static_cast<std::size_t>(n) > kLargestSave) ok = false;
        if (n <= 0) break;
        bytes.append(buf, static_cast<std::size_t>(n));
    }
    ::close(fd);
    return ok;
}

void FileSaveSlot::write(const std::string& bytes) {
    // A save the player made read-only stays as it is.
    struct stat old {};
    const bool exists = ::stat(kSaveFileName, &old) == 0;
    if (exists && (!S_ISREG(old.st_mode) || (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0)) cannotWrite();

    char temp[] = ".Puhtyash.sav.XXXXXX";
    const int fd = ::mkstemp(temp);
    if (fd < 0) cannotWrite();
    const auto fail = [&]() {
        ::close(fd);
        ::unlink(temp);
        cannotWrite();
    };
    mode_t mode = 0644;
    if (exists) {
        mode = old.st_mode & 07777;
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (::fchmod(fd, mode) != 0) fail();
    for (std::size_t done = 0; done < bytes.size();) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) fail();
        done += static_cast<std::size_t>(n);
    }
    if (::fsync(fd) != 0) fail();
    if (::close(fd) != 0) {
        ::unlink(temp);
        cannotWrite();
    }
    if (::rename(temp, kSaveFileName) != 0) {
        ::unlink(temp);
        cannotWrite();
    }
    // The new name itself is made durable with the directory.
    if (const int dir = ::open(".", O_RDONLY | O_DIRECTORY | O_CLOEXEC); dir >= 0) {
        ::fsync(dir);
        ::close(dir);
    }
}

}  // namespace pet
