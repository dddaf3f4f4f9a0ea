// A check of the save file's disk operations on Windows, as a program of its
// own until the Windows build has its tests. On Linux, with MinGW and wine:
//
//   x86_64-w64-mingw32-g++-posix -std=c++20 -I. -static tests/save_disk_win32_check.cpp
//       save/save_disk_win32.cpp -o build/save_disk_check.exe
//   wine build/save_disk_check.exe
//
// It works in the folder "wincheck" below the current one and prints "all
// passed" or each failed check.
#include <windows.h>
#include <cstdio>
#include <string>
#include "save/save_disk.h"
using namespace pet::disk;
static int fails = 0;
#define CHECK(x) do { if (!(x)) { std::printf("FAIL %s:%d %s\n", __FILE__, __LINE__, #x); ++fails; } } while (0)
static int countTemps() {
    WIN32_FIND_DATAW f; int n = 0;
    HANDLE h = FindFirstFileW(L".Puhtyash.sav.*", &f);
    if (h == INVALID_HANDLE_VALUE) return 0;
    do ++n; while (FindNextFileW(h, &f));
    FindClose(h); return n;
}
int main() {
    CreateDirectoryW(L"wincheck", nullptr);
    SetCurrentDirectoryW(L"wincheck");
    DeleteFileW(L"Puhtyash.sav");
    std::string b;
    CHECK(readFile("Puhtyash.sav", 100, b) == ReadResult::Missing);
    CHECK(replaceFile("Puhtyash.sav", "one"));
    CHECK(replaceFile("Puhtyash.sav", "two"));
    CHECK(readFile("Puhtyash.sav", 100, b) == ReadResult::Read && b == "two");
    CHECK(readFile("Puhtyash.sav", 2, b) == ReadResult::Failed);
    CHECK(countTemps() == 0);
    // A leftover of a killed save goes; one another game holds open stays.
    HANDLE stale = CreateFileW(L".Puhtyash.sav.AbC123.tmp", GENERIC_WRITE, 0, nullptr, CREATE_NEW, 0, nullptr);
    CloseHandle(stale);
    HANDLE busy = CreateFileW(L".Puhtyash.sav.Zz9999.tmp", GENERIC_WRITE | DELETE, FILE_SHARE_DELETE, nullptr, CREATE_NEW, 0, nullptr);
    CHECK(countTemps() == 2);
    CHECK(replaceFile("Puhtyash.sav", "three"));
    CHECK(countTemps() == 1);
    CloseHandle(busy);
    CHECK(replaceFile("Puhtyash.sav", "four"));
    CHECK(countTemps() == 0);
    // Read-only stays.
    SetFileAttributesW(L"Puhtyash.sav", FILE_ATTRIBUTE_READONLY);
    CHECK(!replaceFile("Puhtyash.sav", "five"));
    CHECK(readFile("Puhtyash.sav", 100, b) == ReadResult::Read && b == "four");
    SetFileAttributesW(L"Puhtyash.sav", FILE_ATTRIBUTE_NORMAL);
    DeleteFileW(L"Puhtyash.sav");
    // A folder in the way.
    CreateDirectoryW(L"Puhtyash.sav", nullptr);
    CHECK(readFile("Puhtyash.sav", 100, b) == ReadResult::NotAFile);
    CHECK(!replaceFile("Puhtyash.sav", "six"));
    RemoveDirectoryW(L"Puhtyash.sav");
    std::printf(fails ? "%d failed\n" : "all passed\n", fails);
    return fails != 0;
}
