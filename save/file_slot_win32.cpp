// The save file on Windows: the same bytes as everywhere, read from and
// written to Puhtyash.sav in the current directory with the Win32 calls.
#include "save/save_file.h"

#include <windows.h>

#include <algorithm>
#include <string>

#include "game/errors.h"

namespace pet {

namespace {

constexpr std::size_t kLargestSave = 16u << 20;  // a save is a few hundred bytes; this is plenty
constexpr const wchar_t* kSaveFileNameW = L"Puhtyash.sav";

[[noreturn]] void cannotWrite() { throw GameError(std::string("Unable to write to ") + kSaveFileName); }

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    ~Handle() {
        if (valid()) ::CloseHandle(h_);
    }
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    bool valid() const { return h_ != INVALID_HANDLE_VALUE; }
    HANDLE get() const { return h_; }
    // Closes it now, telling whether the system took the close.
    bool close() {
        if (!valid()) return false;
        const HANDLE h = h_;
        h_ = INVALID_HANDLE_VALUE;
        return ::CloseHandle(h) != 0;
    }

private:
    HANDLE h_;
};

// A name for the temporary file beside the save that no file has yet, and
// the file itself, created empty.
HANDLE createTemporary(std::wstring& name) {
    const std::wstring stem = L"Puhtyash.sav." + std::to_wstring(::GetCurrentProcessId()) + L".";
    for (unsigned n = 0; n < 100; ++n) {
        name = stem + std::to_wstring(::GetTickCount64() % 100000u + n) + L".tmp";
        const HANDLE h =
            ::CreateFileW(name.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
        if (h != INVALID_HANDLE_VALUE) return h;
        if (::GetLastError() != ERROR_FILE_EXISTS && ::GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    return INVALID_HANDLE_VALUE;
}

}  // namespace

bool FileSaveSlot::read(std::string& bytes) {
    Handle file(::CreateFileW(kSaveFileNameW, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.valid()) return false;
    // Only a file on a disk, not a directory, a pipe or a device.
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(file.get()) != FILE_TYPE_DISK || !::GetFileInformationByHandle(file.get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return false;
    const unsigned long long size = (static_cast<unsigned long long>(info.nFileSizeHigh) << 32) | info.nFileSizeLow;
    if (size > kLargestSave) return false;
    bytes.clear();
    char buf[8192];
    for (;;) {
        DWORD n = 0;
        if (!::ReadFile(file.get(), buf, sizeof buf, &n, nullptr)) return false;
        if (n == 0) return true;
        if (bytes.size() + n > kLargestSave) return false;
        bytes.append(buf, n);
    }
}

void FileSaveSlot::write(const std::string& bytes) {
    // A save the player made read-only stays as it is, and so does whatever
    // is not a file but has its name.
    const DWORD old = ::GetFileAttributesW(kSaveFileNameW);
    if (old != INVALID_FILE_ATTRIBUTES && (old & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) != 0)
        cannotWrite();

    std::wstring temp;
    Handle file(createTemporary(temp));
    if (!file.valid()) cannotWrite();
    const auto fail = [&]() {
        file.close();
        ::DeleteFileW(temp.c_str());
        cannotWrite();
    };
    for (std::size_t done = 0; done < bytes.size();) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - done, 1u << 20));
        DWORD n = 0;
        if (!::WriteFile(file.get(), bytes.data() + done, chunk, &n, nullptr) || n == 0) fail();
        done += n;
    }
    if (!::FlushFileBuffers(file.get())) fail();
    if (!file.close()) {
        ::DeleteFileW(temp.c_str());
        cannotWrite();
    }
    // One step from the old save to the new one, through to the disk.
    if (!::MoveFileExW(temp.c_str(), kSaveFileNameW, MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        ::DeleteFileW(temp.c_str());
        cannotWrite();
    }
}

}  // namespace pet
