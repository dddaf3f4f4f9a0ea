// The setups of the disk (links, pipes, permissions, killed saves) are those
// of POSIX systems; the rest holds everywhere.
#ifndef _WIN32
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <sys/wait.h>
#include <unistd.h>
#endif

#include <cerrno>
#include <chrono>
#include <climits>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <map>
#include <optional>
#include <random>
#include <thread>

#include "game/errors.h"
#include "save/cp1251.h"
#include "save/utf16.h"
#include "save/save_file.h"
#include "support.h"

namespace pet::test {
namespace {

namespace fs = std::filesystem;

PetState fields(std::array<i32, 16> v, bool pistol) {
    PetState s;
    i32* f[] = {&s.Fit, &s.Fed, &s.Mod, &s.Int, &s.Wis, &s.Doc, &s.Fat, &s.timer,
                &s.money, &s.pill, &s.drug, &s.cafe, &s.beer, &s.book, &s.robb, &s.GrowthNotice};
    for (std::size_t i = 0; i < 16; ++i) *f[i] = v[i];
    s.pistol = pistol;
    return s;
}

std::array<i32, 16> fieldsOf(const PetState& s) {
    return {s.Fit, s.Fed, s.Mod, s.Int, s.Wis, s.Doc, s.Fat, s.timer,
            s.money, s.pill, s.drug, s.cafe, s.beer, s.book, s.robb, s.GrowthNotice};
}

TEST(Checksum, WrapsEveryProductAndSum) {
    struct Case { PetState state; i32 sum; };
    const Case cases[] = {
        {fields({50, 100, 120, 0, 0, 10, 90, 0, 500, 0, 0, 0, 0, 0, 0, 0}, false), -961582836},
        {fields({}, false), 2},
        {fields({}, true), 35},
        {fields({-1, -1, -1, -1, -1, -1, -1, -10, -1, 0, 0, 0, 0, 0, 0, 0}, false), -24 + 0 + 1},  // -170 / 7
        // 200000000 x 17 wraps to -894967296 before the division by 7
        {fields({-1, 0, 0, 0, 0, 0, 0, 200000000, 0, -1, 0, 0, 0, 0, 0, 0}, false), -127852470},
    };
    for (const Case& c : cases) EXPECT_EQ(saveChecksum(c.state), c.sum);
}

TEST(SaveFile, ReadsBackWhatItWrote) {
    const PetState states[] = {
        fields({50, 100, 120, 0, 0, 10, 90, 0, 500, 0, 0, 0, 0, 0, 0, 0}, false),
        fields({-5, 120, -49, 100, 120, -9, -24, 123456, -300, 12, 3, 7, 9, 21, 2, 6}, true),
        fields({INT_MIN, INT_MAX, INT_MIN, INT_MAX, INT_MIN, INT_MAX, INT_MIN, INT_MAX, INT_MIN, INT_MAX, INT_MIN,
                INT_MAX, INT_MIN, INT_MAX, INT_MIN, INT_MAX},
               true),
        fields({-1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1, -1}, false),
    };
    for (const PetState& s : states) {
        const std::string text = renderSave("", s);
        const SavedValues back = readSave(text);
        EXPECT_EQ(fieldsOf(back.state), fieldsOf(s));
        EXPECT_EQ(back.state.pistol, s.pistol);
        EXPECT_EQ(back.storedChecksum, saveChecksum(s));
        EXPECT_EQ(renderSave(text, s), text);  // saving again changes nothing
    }
}

TEST(SaveFile, IsIniInCodePage1251WithCrLf) {
    const std::string text = renderSave("", fields({50, 100, 120, 0, 0, 10, 90, 0, 500, 0, 0, 0, 0, 0, 0, 0}, false));
    EXPECT_EQ(text.rfind("[V-7700]\r\nGame_Name=Puhtyash\r\n", 0), 0u);
    EXPECT_NE(text.find("\r\nb=" + utf8ToCp1251("==НЕНАДО ЗДЕСЬ НИЧЕГО===") + "\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nc=" + utf8ToCp1251("===РЕДАКТИРОВАТЬ=:)=====") + "\r\n"), std::string::npos);
    EXPECT_NE(text.find("\r\nmoney=500\r\n"), std::string::npos);
    const std::size_t fit = text.find("\r\nFit="), beer = text.find("\r\nbeer="), crc = text.find("\r\nSave CRC=");
    EXPECT_LT(fit, beer);
    EXPECT_LT(beer, crc);
    EXPECT_NE(text.find("\r\nSave CRC=-961582836\r\n"), std::string::npos);
    EXPECT_EQ(text.find('\n', text.size() - 1), text.size() - 1);
}

TEST(SaveFile, LoadsAFileWrittenKeyByKey) {
    // Code page 1251, CR LF line ends, the keys in the order they are written.
    const std::string file = "[V-7700]\r\nGame_Name=Puhtyash\r\nAuthor=Someone\r\nDevelopment=Somewhere\r\n"
                             "Contact=someone@example.org\r\nHomePage=http://example.org\r\na=========================\r\n"
                             "b=" + utf8ToCp1251("==НЕНАДО ЗДЕСЬ НИЧЕГО===") + "\r\nc=" +
                             utf8ToCp1251("===РЕДАКТИРОВАТЬ=:)=====") +
                             "\r\nd========================\r\nFit=77\r\nFed=95\r\nMod=64\r\nInt=31\r\nWis=42\r\n"
                             "Doc=55\r\nFat=70\r\ntimer=5000\r\nmoney=1234\r\npill=2\r\ndrug=0\r\ncafe=1\r\nbeer=3\r\n"
                             "book=4\r\nrobb=1\r\npistol=1\r\nGrowthNotice=3\r\n";
    PetState expected = fields({77, 95, 64, 31, 42, 55, 70, 5000, 1234, 2, 0, 1, 3, 4, 1, 3}, true);
    const std::string withCrc = file + "Save CRC=" + std::to_string(saveChecksum(expected)) + "\r\n";
    const SavedValues v = readSave(withCrc);
    EXPECT_EQ(fieldsOf(v.state), fieldsOf(expected));
    EXPECT_TRUE(v.state.pistol);
    EXPECT_EQ(v.storedChecksum, saveChecksum(v.state));
}

TEST(SaveFile, NamesAndBlanksAndLineEndsAreForgiven) {
    struct Case { std::string text; i32 Fit; };
    const Case cases[] = {
        {"[v-7700]\nFIT=42\n", 42},
        {"  [ V-7700 ]  \r\n   fit  =  42  \r\n", 42},
        {"\xEF\xBB\xBF[V-7700]\r\nFit=42", 42},
        {"[Other]\r\nFit=1\r\n[V-7700]\r\nFit=42\r\nFit=43\r\n", 42},
        {"[V-7700]\r\nFit=\"42\"\r\n", 42},
        {"[V-7700]\r\nFit=+42\r\n", 42},
        {"[V-7700]\r\nFit=-2147483648\r\n", INT_MIN},
    };
    for (const Case& c : cases) EXPECT_EQ(readSave(c.text).state.Fit, c.Fit) << c.text;
}

TEST(SaveFile, WhatIsNoNumberReadsZero) {
    for (const char* value : {"abc", "12abc", "0x10", "$10", "2147483648", "-2147483649", "99999999999999999999", "",
                              "1 2", "--1", "+-1", "4.5"}) {
        const std::string text = std::string("[V-7700]\r\nFit=") + value + "\r\nFed=7\r\n";
        EXPECT_EQ(readSave(text).state.Fit, 0) << value;
        EXPECT_EQ(readSave(text).state.Fed, 7);
    }
}

TEST(SaveFile, KeepsForeignLinesWhenSavingOverAFile) {
    const std::string before = "; notes of my own\r\n[Mine]\r\nkey=value\r\n\r\n[V-7700]\r\nfit=1\r\nextra=5\r\n\r\n"
                               "[Later]\r\nx=y\r\n";
    const std::string after = renderSave(before, fields({42}, false));
    EXPECT_EQ(after.rfind("; notes of my own\r\n[Mine]\r\nkey=value\r\n\r\n[V-7700]\r\nFit=42\r\nextra=5\r\n", 0), 0u);
    EXPECT_NE(after.find("\r\n\r\n[Later]\r\nx=y\r\n"), std::string::npos);
    EXPECT_EQ(readSave(after).state.Fit, 42);
    // A file without the section gets it at its end.
    const std::string appended = renderSave("[Mine]\r\nkey=value\r\n", fields({}, false));
    EXPECT_EQ(appended.rfind("[Mine]\r\nkey=value\r\n\r\n[V-7700]\r\nGame_Name=Puhtyash\r\n", 0), 0u);
}

// Every line the game does not write keeps its bytes and its own line end;
// the lines it writes end in CR LF.
TEST(SaveFile, ForeignLinesKeepTheirOwnLineEnds) {
    const std::string fresh = renderSave("", fields({}, false));
    const std::string keys = fresh.substr(fresh.find("Game_Name"));
    struct Case { std::string before, after; };
    const Case cases[] = {
        // LF lines stay LF; the game's own key lines are CR LF.
        {"; mine\n[V-7700]\nFit=1\nnote=x\n\n[Other]\nk=v\n",
         "; mine\n[V-7700]\nFit=0\r\nnote=x\n" + keys.substr(0, keys.find("Fit=")) + keys.substr(keys.find("Fed=")) +
             "\n[Other]\nk=v\n"},
        // A last line without a line end stays without one where nothing follows it...
        {"[V-7700]\r\n" + keys + "; end", "[V-7700]\r\n" + keys + "; end"},
        // ...and gets one where the section goes on after it.
        {"[Other]\nk=v", "[Other]\nk=v\r\n\r\n[V-7700]\r\n" + keys},
        {"[V-7700]\nnote=x\r", "[V-7700]\nnote=x\r\n" + keys},
        // Lone CRs and NULs inside lines are the line's own bytes.
        {std::string("a\rb\n\0x=\r\r\n", 10), std::string("a\rb\n\0x=\r\r\n\r\n[V-7700]\r\n", 22) + keys},
    };
    for (const Case& c : cases) EXPECT_EQ(renderSave(c.before, fields({}, false)), c.after) << c.before;

    // A large file of LF lines grows only by the game's own lines.
    std::string big;
    for (int i = 0; i < 100000; ++i) big += "line " + std::to_string(i) + "\n";
    const std::string saved = renderSave(big, fields({}, false));
    EXPECT_EQ(saved, big + "\r\n[V-7700]\r\n" + keys);
}

std::string utf16le(std::string_view utf8) {
    std::string out;
    appendUtf16(out, utf8, false);
    return out;
}

// A file with a byte-order mark is read in its encoding and saved in it
// again; its own lines stay as they were.
TEST(SaveFile, UnicodeFilesStayInTheirEncoding) {
    const PetState s = fields({77, 95, 64, 31, 42, 55, 70, 5000, 1234, 2, 0, 1, 3, 4, 1, 3}, true);
    const std::string crc = "Save CRC=" + std::to_string(saveChecksum(s)) + "\r\n";
    const std::string values = "[V-7700]\r\nFit=77\r\nFed=95\r\nMod=64\r\nInt=31\r\nWis=42\r\nDoc=55\r\nFat=70\r\n"
                               "timer=5000\r\nmoney=1234\r\npill=2\r\ndrug=0\r\ncafe=1\r\nbeer=3\r\nbook=4\r\n"
                               "robb=1\r\npistol=1\r\nGrowthNotice=3\r\n" + crc;
    // A note in Cyrillic, and a surrogate without its partner that only
    // UTF-16 can hold.
    const std::string noteLe = utf16le("; заметка\r\n") + std::string("\x00\xD8\r\x00\n\x00", 6);
    struct Case { const char* name; std::string file; std::string mark; std::string b; };
    const Case cases[] = {
        {"UTF-16LE", "\xFF\xFE" + noteLe + utf16le(values), "\xFF\xFE", utf16le("b===НЕНАДО ЗДЕСЬ НИЧЕГО===\r\n")},
        {"UTF-8", "\xEF\xBB\xBF; заметка\r\n" + values, "\xEF\xBB\xBF", "b===НЕНАДО ЗДЕСЬ НИЧЕГО===\r\n"},
        {"code page 1251", utf8ToCp1251("; заметка\r\n") + values, "", utf8ToCp1251("b===НЕНАДО ЗДЕСЬ НИЧЕГО===\r\n")},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const SavedValues v = readSave(c.file);
        EXPECT_EQ(fieldsOf(v.state), fieldsOf(s));
        EXPECT_EQ(v.storedChecksum, saveChecksum(s));
        const std::string saved = renderSave(c.file, v.state);
        EXPECT_EQ(saved.substr(0, c.mark.size()), c.mark);
        EXPECT_NE(saved.find(c.b), std::string::npos);
        EXPECT_EQ(fieldsOf(readSave(saved).state), fieldsOf(s));
        EXPECT_EQ(renderSave(saved, v.state), saved);
    }
    // The UTF-16 file's own lines, the lone surrogate included, stay unit for unit.
    const std::string saved = renderSave(cases[0].file, s);
    EXPECT_EQ(saved.substr(0, 2 + noteLe.size()), "\xFF\xFE" + noteLe);
    // An empty UTF-16 file gets the whole section in UTF-16.
    EXPECT_EQ(renderSave("\xFF\xFE", s), "\xFF\xFE" + utf16le(renderSave("\xEF\xBB\xBF", s).substr(3)));
    // Big-endian UTF-16 too.
    std::string be;
    appendUtf16(be, values, true);
    EXPECT_EQ(fieldsOf(readSave("\xFE\xFF" + be).state), fieldsOf(s));
}

// Saves in memory, for the handlers.
class MemorySlot final : public SaveSlot {
public:
    bool read(std::string& bytes) override {
        if (!present) return false;
        bytes = content;
        return true;
    }
    void write(const std::string& bytes) override {
        if (broken) throw GameError("Unable to write to Puhtyash.sav");
        content = bytes;
        present = true;
    }
    std::string content;
    bool present = false;
    bool broken = false;
};

class SaveLoad : public ::testing::Test {
protected:
    ScriptedRandom rng;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    MemorySlot slot;
    Game g{{rng, dialogs, shell, nullptr, &slot}};
};

TEST_F(SaveLoad, SavesAndLoadsWithTheirRemarks) {
    g.NewGameClick();
    g.SaveClick();
    EXPECT_EQ(g.s.thoughtText, "Клонируемся :)");
    EXPECT_EQ(g.s.thoughtColor, clGradientActiveCaption);
    EXPECT_EQ(g.s.thoughtHold, 1);
    EXPECT_NE(slot.content.find("Save CRC=-961582836\r\n"), std::string::npos);

    g.s.Fit = 7;
    g.s.timer = 99;
    g.startProcess(pkSweep, 50);
    g.s.pillClock = 5;
    g.Pause1Click();
    g.LoadClick();
    EXPECT_EQ(g.s.thoughtText, "Назад в прошлоееее!");
    EXPECT_EQ(g.s.Fit, 50);
    EXPECT_EQ(g.s.timer, 0);
    EXPECT_EQ(g.s.procKind, pkIdle);  // a fresh game under the loaded values
    EXPECT_EQ(g.s.pillClock, 0);
    EXPECT_TRUE(g.w.GlobalTimer.enabled);
    EXPECT_TRUE(g.w.PageControl1.enabled);
}

TEST_F(SaveLoad, AnEditedFileLoadsButIsNoticed) {
    g.NewGameClick();
    g.SaveClick();
    const std::size_t at = slot.content.find("money=500");
    slot.content.replace(at, 9, "money=9000");
    g.LoadClick();
    EXPECT_EQ(g.s.money, 9000);
    EXPECT_EQ(g.s.thoughtText, "Назад в ХАКНУТОЕ прошлоееее! :)");
}

TEST_F(SaveLoad, SavingBeforeTheFirstGameWritesZerosAndLoadsClean) {
    g.SaveClick();
    EXPECT_NE(slot.content.find("\r\nFit=0\r\n"), std::string::npos);
    EXPECT_NE(slot.content.find("\r\nSave CRC=2\r\n"), std::string::npos);
    g.LoadClick();
    EXPECT_EQ(g.s.thoughtText, "Назад в прошлоееее!");
    EXPECT_EQ(g.s.Fit, 0);
}

TEST_F(SaveLoad, NoSaveChangesNothing) {
    g.NewGameClick();
    g.startProcess(pkSweep, 50);
    g.s.Fit = 33;
    g.LoadClick();
    ASSERT_EQ(dialogs.shown.size(), 1u);
    EXPECT_EQ(dialogs.shown[0].buttons, Buttons::Ok);
    EXPECT_EQ(g.s.Fit, 33);
    EXPECT_EQ(g.s.procKind, pkSweep);
    EXPECT_TRUE(g.s.thoughtText.empty());
}

TEST_F(SaveLoad, AnsweringNoChangesNothing) {
    g.NewGameClick();
    g.SaveLoad1Click();
    dialogs.answers = {Answer::No, Answer::No};
    g.startProcess(pkSweep, 50);
    g.SaveClick();
    EXPECT_FALSE(slot.present);
    slot.present = true;
    slot.content = renderSave("", fields({1}, false));
    g.LoadClick();
    EXPECT_EQ(g.s.procKind, pkSweep);
    EXPECT_EQ(g.s.Fit, 50);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].caption, "Сохранение игры");
    EXPECT_EQ(dialogs.shown[0].text, "Клонировать Пухтяша и заморозить его в креогенной установке ?");
    EXPECT_EQ(dialogs.shown[1].caption, "Загрузка игры");
}

TEST_F(SaveLoad, AFailedWriteIsAnErrorAndTheGameGoesOn) {
    g.NewGameClick();
    slot.broken = true;
    EXPECT_THROW(g.SaveClick(), GameError);
    EXPECT_EQ(g.s.thoughtText, "Клонируемся :)");
    EXPECT_TRUE(g.w.GlobalTimer.enabled);
}

std::string contents(const fs::path& p) {
    std::ifstream in(p, std::ios::binary | std::ios::ate);
    std::string bytes(in ? static_cast<std::size_t>(in.tellg()) : 0, '\0');
    in.seekg(0);
    in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    return bytes;
}

[[maybe_unused]] void put(const fs::path& p, std::string_view bytes) {
    std::ofstream out(p, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

#ifndef _WIN32
// Root passes every permission check. Where the tests run as root, the
// steps that need a check to bite run as the ordinary user "nobody", in the
// effective user id only, so that root comes back afterwards.
constexpr uid_t kNobody = 65534;
uid_t ordinaryUser() { return ::geteuid() == 0 ? kNobody : ::geteuid(); }

class AsOrdinaryUser {
public:
    AsOrdinaryUser() : switched_(::geteuid() == 0) {
        if (switched_ && ::seteuid(kNobody) != 0) {
            switched_ = false;
            failed_ = true;
        }
    }
    AsOrdinaryUser(const AsOrdinaryUser&) = delete;
    AsOrdinaryUser& operator=(const AsOrdinaryUser&) = delete;
    ~AsOrdinaryUser() {
        if (switched_) {
            EXPECT_EQ(::seteuid(0), 0);
        }
    }
    bool failed() const { return failed_; }

private:
    bool switched_;
    bool failed_ = false;
};

// Everything under a folder, links not followed: each entry's kind and mode,
// and the bytes of a file or the target of a link.
void snapshot(const fs::path& root, const fs::path& dir, std::map<std::string, std::string>& out) {
    for (const auto& e : fs::directory_iterator(dir)) {
        struct stat st {};
        if (::lstat(e.path().c_str(), &st) != 0) continue;
        std::string what = std::to_string(st.st_mode) + " ";
        if (S_ISREG(st.st_mode)) what += contents(e.path());
        if (S_ISLNK(st.st_mode)) what += fs::read_symlink(e.path()).string();
        out[e.path().lexically_relative(root).string()] = std::move(what);
        if (S_ISDIR(st.st_mode)) snapshot(root, e.path(), out);
    }
}

std::map<std::string, std::string> snapshot(const fs::path& dir) {
    std::map<std::string, std::string> out;
    snapshot(dir, dir, out);
    return out;
}

std::size_t temporaryFiles(const fs::path& dir) {
    std::size_t n = 0;
    for (const auto& e : fs::directory_iterator(dir))
        if (e.path().filename().string().rfind(".", 0) == 0) ++n;
    return n;
}

#endif

// The real file, in a directory of the test's own.
class SaveFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = fs::current_path();
        dir_ = fs::temp_directory_path() / ("puhtyash-save-" + std::to_string(std::random_device()()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(home_);
        fs::permissions(dir_, fs::perms::owner_all, fs::perm_options::add);
        std::error_code ec;  // Windows deletes no read-only file
        fs::permissions(dir_ / kSaveFileName, fs::perms::owner_write, fs::perm_options::add, ec);
        fs::remove_all(dir_);
    }
    std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {})); }

    fs::path home_, dir_;
    FileSaveSlot slot;
};

TEST_F(SaveFileOnDisk, WritesReadsAndReplaces) {
    std::string bytes;
    EXPECT_FALSE(slot.read(bytes));
    slot.write("one");
    slot.write("two");
    ASSERT_TRUE(slot.read(bytes));
    EXPECT_EQ(bytes, "two");
    EXPECT_EQ(entries(), 1u);  // no temporary file left
}

#ifndef _WIN32
// What loading and saving do with each thing that may stand under the save's
// name. Loading never changes the disk; saving writes one file whole or
// leaves everything as it was.
TEST_F(SaveFileOnDisk, EverySetupLoadsAndSavesSafely) {
    enum class Load { Loads, Empty, NotASave, Unreadable };
    struct Setup {
        const char* name;
        // Makes the setup in the current folder; a reason where it cannot be made.
        std::function<std::string()> make;
        Load load;
        const char* writes;  // the file that saving replaces; nullptr where saving must refuse
        bool ordinaryUser = false;
    };
    const PetState saved = fields({77, 95, 64, 31, 42, 55, 70, 5000, 1234, 2, 0, 1, 3, 4, 1, 3}, true);
    const std::string save = renderSave(utf8ToCp1251("; заметка игрока\n"), saved);
    const auto file = [&](const char* path, std::string bytes = {}) {
        return [path, bytes, &save]() {
            fs::create_directories(fs::path(path).parent_path().empty() ? "." : fs::path(path).parent_path());
            put(path, bytes.empty() ? save : bytes);
            return std::string();
        };
    };
    const auto link = [](const char* target, std::function<std::string()> then = {}) {
        return [target, then]() {
            if (then) then();
            std::error_code e;
            fs::create_symlink(target, kSaveFileName, e);
            return e ? "no symbolic links here: " + e.message() : std::string();
        };
    };
    std::string padded = save;
    padded.resize(kLargestSave, '\n');
    std::string utf16 = "\xFF\xFE";
    appendUtf16(utf16, cp1251ToUtf8(save), false);

    const Setup setups[] = {
        {"a plain file", file(kSaveFileName), Load::Loads, kSaveFileName},
        {"a link to a file", link("real.sav", file("real.sav")), Load::Loads, "real.sav"},
        {"a link into another folder", link("other/game.sav", file("other/game.sav")), Load::Loads, "other/game.sav"},
        {"a link to a link given by its full path",
         [&] {
             file("other/game.sav")();
             fs::create_symlink("other/game.sav", "second");
             fs::create_symlink(fs::current_path() / "second", kSaveFileName);
             return std::string();
         },
         Load::Loads, "other/game.sav"},
        {"a dangling link into a folder that exists", link("other/new.sav", file("other/unrelated.sav")), Load::Empty,
         "other/new.sav"},
        {"a dangling link into a folder that does not", link("nowhere/new.sav"), Load::Empty, nullptr},
        {"a link to itself", link(kSaveFileName), Load::Unreadable, nullptr},
        {"a pipe",
         [] { return ::mkfifo(kSaveFileName, 0644) == 0 ? "" : std::string("no pipes here: ") + std::strerror(errno); },
         Load::NotASave, nullptr},
        {"a folder",
         [] {
             fs::create_directory(kSaveFileName);
             return std::string();
         },
         Load::NotASave, nullptr},
        {"a socket",
         [] {
             const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
             sockaddr_un addr{};
             addr.sun_family = AF_UNIX;
             std::strcpy(addr.sun_path, kSaveFileName);
             const bool ok = fd >= 0 && ::bind(fd, reinterpret_cast<const sockaddr*>(&addr), sizeof addr) == 0;
             if (fd >= 0) ::close(fd);
             return ok ? "" : std::string("no sockets here: ") + std::strerror(errno);
         },
         Load::NotASave, nullptr},
        {"a link to a device", link("/dev/zero"), Load::NotASave, nullptr},
        // Unreadable to the ordinary user, who owns it (root reads anything).
        {"a write-only file",
         [&] {
             file(kSaveFileName)();
             if (::chown(kSaveFileName, ordinaryUser(), static_cast<gid_t>(-1)) != 0) return std::string("no chown");
             fs::permissions(kSaveFileName, fs::perms::owner_write);
             fs::permissions(".", fs::perms::all);
             return std::string();
         },
         Load::Unreadable, nullptr, true},
        {"a read-only file",
         [&] {
             file(kSaveFileName)();
             fs::permissions(kSaveFileName, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
             return std::string();
         },
         Load::Loads, nullptr},
        {"a file over the size limit", file(kSaveFileName, padded + "\n"), Load::Unreadable, nullptr},
        // Loads, but saving would make it larger than loading accepts.
        {"a file of the largest size", file(kSaveFileName, padded), Load::Loads, nullptr},
        {"a UTF-16 file", file(kSaveFileName, utf16), Load::Loads, kSaveFileName},
    };

    int row = 0;
    for (const Setup& setup : setups) {
        SCOPED_TRACE(setup.name);
        const fs::path rowDir = dir_ / std::to_string(++row);
        fs::create_directory(rowDir);
        fs::current_path(rowDir);
        const std::string cannot = setup.make();
        if (!cannot.empty()) {
            std::printf("[ SKIPPED ROW ] %s: %s\n", setup.name, cannot.c_str());
            continue;
        }
        const auto before = snapshot(rowDir);
        const std::string writtenBefore = setup.writes ? contents(setup.writes) : "";

        ScriptedRandom rng;
        ScriptedDialogs dialogs;
        RecordingShell shell;
        Game g({rng, dialogs, shell});
        g.NewGameClick();
        g.startProcess(pkSweep, 50);
        g.s.Fit = 33;
        if (setup.ordinaryUser && AsOrdinaryUser().failed()) {
            std::printf("[ SKIPPED ROW ] %s: cannot become an ordinary user to make a file unreadable\n", setup.name);
            continue;
        }
        // Runs a handler, as the ordinary user where the row asks for it; the error it shows, if any.
        const auto run = [&](void (Game::*handler)()) -> std::string {
            std::optional<AsOrdinaryUser> user;
            if (setup.ordinaryUser) user.emplace();
            try {
                (g.*handler)();
            } catch (const GameError& e) {
                return e.what();
            }
            return {};
        };

        // Loading.
        std::string error = run(&Game::LoadClick);
        switch (setup.load) {
        case Load::Loads:
            EXPECT_EQ(error, "");
            EXPECT_EQ(fieldsOf(g.s), fieldsOf(saved));
            EXPECT_EQ(g.s.thoughtText, "Назад в прошлоееее!");
            break;
        case Load::Empty:
            EXPECT_EQ(error, "");
            ASSERT_EQ(dialogs.shown.size(), 1u);
            EXPECT_EQ(dialogs.shown[0].text.rfind("В креогенной установке пусто", 0), 0u);
            break;
        case Load::NotASave:
        case Load::Unreadable:
            EXPECT_EQ(error, setup.load == Load::NotASave ? "Puhtyash.sav is not a save file"
                                                          : "Unable to read Puhtyash.sav");
            EXPECT_TRUE(dialogs.shown.empty());
            break;
        }
        if (setup.load != Load::Loads) {
            EXPECT_EQ(g.s.Fit, 33);  // the running game goes on untouched
            EXPECT_EQ(g.s.procKind, pkSweep);
        }
        EXPECT_EQ(snapshot(rowDir), before);

        // Saving, with values that make the file a few bytes longer.
        g.s.Fit = 12;
        g.s.money = INT_MIN;
        error = run(&Game::SaveClick);
        auto after = snapshot(rowDir);
        if (setup.writes == nullptr) {
            EXPECT_EQ(error, "Unable to write to Puhtyash.sav");
            EXPECT_EQ(after, before);
            continue;
        }
        EXPECT_EQ(error, "");
        EXPECT_TRUE(fs::is_regular_file(fs::symlink_status(setup.writes)));
        const std::string written = contents(setup.writes);
        const SavedValues back = readSave(written);
        EXPECT_EQ(back.state.Fit, 12);
        EXPECT_EQ(back.state.money, INT_MIN);
        EXPECT_EQ(back.storedChecksum, saveChecksum(back.state));
        // The player's own line stays, in the file's encoding.
        if (!writtenBefore.empty()) {
            const std::size_t note = writtenBefore.find('\n') + (writtenBefore[0] == '\xFF' ? 2 : 1);
            EXPECT_EQ(written.substr(0, note), writtenBefore.substr(0, note));
        }
        // Nothing else changed: the links are still links, and no temporary file is left.
        auto expected = before;
        expected.erase(setup.writes);
        after.erase(setup.writes);
        EXPECT_EQ(after, expected);
    }
    fs::current_path(dir_);
}

TEST_F(SaveFileOnDisk, AReadOnlyDirectoryKeepsTheOldSave) {
    slot.write("the last good save");
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read | fs::perms::others_exec);
    const AsOrdinaryUser user;
    if (user.failed()) GTEST_SKIP() << "cannot become an ordinary user, and permissions do not stop root";
    EXPECT_THROW(slot.write("new"), GameError);
    EXPECT_EQ(contents(kSaveFileName), "the last good save");
}

// A game that saves in a loop in a child process, each save one tick later
// than the last, until it is killed or the time is up. Exits 1 on a failed save.
pid_t saveInALoop(std::chrono::seconds limit) {
    const pid_t child = ::fork();
    if (child != 0) return child;
    ScriptedRandom rng;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    Game g({rng, dialogs, shell});
    std::string bytes;
    FileSaveSlot slot;
    const auto end = std::chrono::steady_clock::now() + limit;
    try {
        g.NewGameClick();
        if (slot.read(bytes)) g.s.timer = readSave(bytes).state.timer;
        while (std::chrono::steady_clock::now() < end) {
            g.s.timer = add(g.s.timer, 1);
            g.s.money = sub(g.s.money, 1);
            g.SaveClick();
        }
    } catch (const GameError&) {
        ::_exit(1);
    }
    ::_exit(0);
}

// Whole: it reads back as a save with a matching checksum, saving the same
// values over it changes nothing, and the player's lines are all there.
void expectWhole(const std::string& bytes, const std::string& notes) {
    const SavedValues v = readSave(bytes);
    EXPECT_EQ(v.storedChecksum, saveChecksum(v.state));
    EXPECT_EQ(renderSave(bytes, v.state), bytes);
    EXPECT_EQ(bytes.substr(0, notes.size()), notes);
}

TEST_F(SaveFileOnDisk, AKilledSaveLeavesTheOldOrTheNewFileWholeAndNoLitter) {
    // The player's lines make each save long enough to be killed in the middle.
    std::string notes;
    for (int i = 0; notes.size() < (256u << 10); ++i) notes += "; note " + std::to_string(i) + "\n";
    put(kSaveFileName, renderSave(notes, fields({}, false)));
    std::mt19937 random(::testing::UnitTest::GetInstance()->random_seed());
    int kills = 0, leftBehind = 0;
    i32 lastTimer = 0;
    for (; kills < 60; ++kills) {
        const pid_t child = saveInALoop(std::chrono::seconds(20));
        ASSERT_GT(child, 0);
        std::this_thread::sleep_for(std::chrono::microseconds(std::uniform_int_distribution<int>(0, 15000)(random)));
        ::kill(child, SIGKILL);
        int status = 0;
        ::waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the child's save failed";
        const std::string bytes = contents(kSaveFileName);
        expectWhole(bytes, notes);
        const i32 timer = readSave(bytes).state.timer;
        EXPECT_GE(timer, lastTimer);  // the old save or a newer one
        lastTimer = timer;
        leftBehind += temporaryFiles(dir_) > 0;
        if (HasFailure()) break;
    }
    std::printf("%d kills, %d of them in the middle of a save\n", kills, leftBehind);
    // The next save leaves the one file alone.
    std::string bytes;
    ASSERT_TRUE(slot.read(bytes));
    slot.write(renderSave(bytes, fields({1}, false)));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(SaveFileOnDisk, TwoGamesSavingAtOnceBothEndWithOneWholeFile) {
    put(kSaveFileName, renderSave("; mine\n", fields({}, false)));
    const pid_t a = saveInALoop(std::chrono::seconds(1)), b = saveInALoop(std::chrono::seconds(1));
    ASSERT_GT(a, 0);
    ASSERT_GT(b, 0);
    for (const pid_t child : {a, b}) {
        int status = 0;
        ::waitpid(child, &status, 0);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0) << "a save failed";
    }
    expectWhole(contents(kSaveFileName), "; mine\n");
    EXPECT_EQ(entries(), 1u);
}

#endif  // _WIN32

TEST_F(SaveFileOnDisk, TheGameSavesAndLoadsThroughTheFile) {
    ScriptedRandom rng;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    Game g({rng, dialogs, shell});
    g.DifficultyLOWClick();
    g.s.pistol = true;
    g.SaveClick();
    const std::string saved = contents(kSaveFileName);
    EXPECT_NE(saved.find("\r\nInt=60\r\n"), std::string::npos);
    g.NewGameClick();
    g.LoadClick();
    EXPECT_EQ(g.s.Int, 60);
    EXPECT_EQ(g.s.money, 1000);
    EXPECT_TRUE(g.s.pistol);
    EXPECT_EQ(g.s.thoughtText, "Назад в прошлоееее!");
}

}  // namespace
}  // namespace pet::test
