#include <sys/stat.h>
#include <unistd.h>

#include <climits>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "game/errors.h"
#include "save/cp1251.h"
#include "save/ini_file.h"
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

TEST(SaveFile, IsTheOriginalsFormat) {
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

TEST(SaveFile, LoadsAFileAsTheOriginalGameWroteIt) {
    // Code page 1251, Windows line ends, as written key by key.
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
    const IniFile ini = IniFile::parse(after);
    EXPECT_EQ(ini.get("V-7700", "extra").value_or(""), "5");
    EXPECT_EQ(ini.get("Mine", "key").value_or(""), "value");
    // A file without the section gets it at its end.
    const std::string appended = renderSave("[Mine]\r\nkey=value\r\n", fields({}, false));
    EXPECT_EQ(appended.rfind("[Mine]\r\nkey=value\r\n\r\n[V-7700]\r\nGame_Name=Puhtyash\r\n", 0), 0u);
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

// The real file, in a directory of the test's own.
class SaveFileOnDisk : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = fs::current_path();
        dir_ = fs::temp_directory_path() / ("puhtyash-save-" + std::to_string(::getpid()) + "-" +
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
    static std::string contents(const fs::path& p) {
        std::ifstream in(p, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
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

TEST_F(SaveFileOnDisk, AReadOnlySaveStaysAsItWas) {
    slot.write("the last good save");
    fs::permissions(kSaveFileName, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    try {
        slot.write("new");
        FAIL() << "no error";
    } catch (const GameError& e) {
        EXPECT_STREQ(e.what(), "Unable to write to Puhtyash.sav");
    }
    EXPECT_EQ(contents(kSaveFileName), "the last good save");
    EXPECT_EQ(entries(), 1u);
}

TEST_F(SaveFileOnDisk, ADirectoryInTheWayIsAnErrorAndNoSave) {
    fs::create_directory(kSaveFileName);
    EXPECT_THROW(slot.write("new"), GameError);
    std::string bytes;
    EXPECT_FALSE(slot.read(bytes));
    EXPECT_EQ(entries(), 1u);
}

TEST_F(SaveFileOnDisk, AReadOnlyDirectoryKeepsTheOldSave) {
#ifdef _WIN32
    GTEST_SKIP() << "a read-only directory still takes new files on Windows";
#else
    if (::geteuid() == 0) GTEST_SKIP() << "permissions do not stop root";
#endif
    slot.write("the last good save");
    fs::permissions(dir_, fs::perms::owner_read | fs::perms::owner_exec);
    EXPECT_THROW(slot.write("new"), GameError);
    EXPECT_EQ(contents(kSaveFileName), "the last good save");
}

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
