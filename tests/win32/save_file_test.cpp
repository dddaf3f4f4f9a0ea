// The save file's faults that only Windows has, against the real file in a
// folder of the test's own.
#include <windows.h>

#include <filesystem>
#include <string>

#include <gtest/gtest.h>

#include "game/errors.h"
#include "save/save_file.h"

namespace pet::test {
namespace {

namespace fs = std::filesystem;

class SaveFileOnWindows : public ::testing::Test {
protected:
    void SetUp() override {
        home_ = fs::current_path();
        dir_ = fs::temp_directory_path() / ("puhtyash-win-" + std::to_string(GetCurrentProcessId()) + "-" +
                                            ::testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::remove_all(dir_);
        fs::create_directories(dir_);
        fs::current_path(dir_);
    }
    void TearDown() override {
        fs::current_path(home_);
        fs::remove_all(dir_);
    }
    std::size_t entries() const { return static_cast<std::size_t>(std::distance(fs::directory_iterator(dir_), {})); }

    fs::path home_, dir_;
    FileSaveSlot slot;
};

// Another program has the save open and shares it with nobody: it cannot be
// read, the new save cannot take its place, the game says so each time, and
// the old one is there after.
TEST_F(SaveFileOnWindows, ASaveHeldOpenByAnotherProgramIsAnErrorAndStaysAsItWas) {
    slot.write("the last good save");
    const HANDLE held = CreateFileW(L"Puhtyash.sav", GENERIC_READ, 0, nullptr, OPEN_EXISTING, 0, nullptr);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
    std::string bytes;
    EXPECT_THROW(slot.read(bytes), GameError);
    try {
        slot.write("new");
        ADD_FAILURE() << "no error";
    } catch (const GameError& e) {
        EXPECT_STREQ(e.what(), "Unable to write to Puhtyash.sav");
    }
    CloseHandle(held);
    ASSERT_TRUE(slot.read(bytes));
    EXPECT_EQ(bytes, "the last good save");
    EXPECT_EQ(entries(), 1u);  // no temporary file left
}

// Explorer's "Read-only" box keeps the save as it is; a hidden save is saved
// over like any other.
TEST_F(SaveFileOnWindows, TheReadOnlyAttributeKeepsTheSaveAndAHiddenOneIsSavedOver) {
    slot.write("one");
    ASSERT_TRUE(SetFileAttributesW(L"Puhtyash.sav", FILE_ATTRIBUTE_READONLY));
    EXPECT_THROW(slot.write("two"), GameError);
    std::string bytes;
    ASSERT_TRUE(slot.read(bytes));
    EXPECT_EQ(bytes, "one");
    ASSERT_TRUE(SetFileAttributesW(L"Puhtyash.sav", FILE_ATTRIBUTE_HIDDEN));
    slot.write("three");
    ASSERT_TRUE(slot.read(bytes));
    EXPECT_EQ(bytes, "three");
    EXPECT_EQ(entries(), 1u);
}

// A temporary file that a killed save left behind goes with the next save;
// one that another game is writing at that moment stays.
TEST_F(SaveFileOnWindows, ASaveRemovesTheLeftoversOfKilledSavesButNotABusyOne) {
    const HANDLE stale = CreateFileW(L".Puhtyash.sav.AbC123.tmp", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    ASSERT_NE(stale, INVALID_HANDLE_VALUE);
    CloseHandle(stale);
    const HANDLE busy = CreateFileW(L".Puhtyash.sav.Zz9999.tmp", GENERIC_WRITE | DELETE, FILE_SHARE_DELETE, nullptr,
                                    CREATE_NEW, 0, nullptr);
    ASSERT_NE(busy, INVALID_HANDLE_VALUE);
    slot.write("one");
    EXPECT_FALSE(fs::exists(".Puhtyash.sav.AbC123.tmp"));
    EXPECT_TRUE(fs::exists(".Puhtyash.sav.Zz9999.tmp"));
    CloseHandle(busy);
    slot.write("two");
    EXPECT_EQ(entries(), 1u);
    std::string bytes;
    ASSERT_TRUE(slot.read(bytes));
    EXPECT_EQ(bytes, "two");
}

}  // namespace
}  // namespace pet::test
