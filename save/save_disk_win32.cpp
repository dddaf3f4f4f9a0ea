// The save file's disk operations on Windows.
#ifndef NOMINMAX
#define NOMINMAX
#endif
#ifndef WIN32_LEAN_AND_MEAN
#define WIN32_LEAN_AND_MEAN
#endif
#include <windows.h>
#include <winioctl.h>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <vector>

#include "save/save_disk.h"
#include "save/temp_name.h"

namespace pet::disk {

namespace {

class Handle {
public:
    explicit Handle(HANDLE h) : h_(h) {}
    Handle(const Handle&) = delete;
    Handle& operator=(const Handle&) = delete;
    ~Handle() {
        if (ok()) ::CloseHandle(h_);
    }
    HANDLE get() const { return h_; }
    bool ok() const { return h_ != INVALID_HANDLE_VALUE; }

private:
    HANDLE h_;
};

std::wstring wide(std::string_view utf8) {
    if (utf8.empty()) return {};
    const int n = ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(std::max(n, 0)), L'\0');
    if (n > 0) ::MultiByteToWideChar(CP_UTF8, 0, utf8.data(), static_cast<int>(utf8.size()), out.data(), n);
    return out;
}

bool isMissing(DWORD error) { return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND; }

std::size_t lastSeparator(const std::wstring& path) { return path.find_last_of(L"\\/"); }

std::wstring folderOf(const std::wstring& path) {
    const std::size_t at = lastSeparator(path);
    return at == std::wstring::npos ? L"." : path.substr(0, at == 0 ? 1 : at);
}

std::wstring nameOf(const std::wstring& path) {
    const std::size_t at = lastSeparator(path);
    return at == std::wstring::npos ? path : path.substr(at + 1);
}

// The reparse data of a symbolic link, as the file system hands it out.
struct SymlinkData {
    ULONG tag;
    USHORT dataLength;
    USHORT reserved;
    USHORT substituteOffset, substituteLength, printOffset, printLength;
    ULONG flags;  // 1: the target is relative to the link's folder
};

// The path a symbolic link names; false for anything that is not one.
bool linkTarget(const std::wstring& path, std::wstring& target) {
    const Handle link(::CreateFileW(path.c_str(), FILE_READ_ATTRIBUTES,
                                    FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                    FILE_FLAG_OPEN_REPARSE_POINT | FILE_FLAG_BACKUP_SEMANTICS, nullptr));
    if (!link.ok()) return false;
    std::vector<unsigned char> buffer(MAXIMUM_REPARSE_DATA_BUFFER_SIZE);
    DWORD got = 0;
    if (!::DeviceIoControl(link.get(), FSCTL_GET_REPARSE_POINT, nullptr, 0, buffer.data(),
                           static_cast<DWORD>(buffer.size()), &got, nullptr) ||
        got < sizeof(SymlinkData))
        return false;
    SymlinkData data{};
    std::memcpy(&data, buffer.data(), sizeof data);
    if (data.tag != IO_REPARSE_TAG_SYMLINK ||
        sizeof data + data.substituteOffset + data.substituteLength > got)
        return false;
    std::wstring name(data.substituteLength / sizeof(wchar_t), L'\0');
    std::memcpy(name.data(), buffer.data() + sizeof data + data.substituteOffset, data.substituteLength);
    if (name.empty()) return false;
    if (data.flags & 1) {
        target = folderOf(path) + L"\\" + name;
    } else {
        // "\??\C:\..." in the file system's own notation.
        if (name.rfind(L"\\??\\", 0) == 0) name[1] = L'\\';
        target = name;
    }
    return true;
}

// The path that the name finally stands for: links followed to their last
// target, which need not exist. False for a loop.
bool finalTarget(std::wstring path, std::wstring& target) {
    for (int hops = 0; hops < 40; ++hops) {
        const DWORD attributes = ::GetFileAttributesW(path.c_str());
        if (attributes == INVALID_FILE_ATTRIBUTES) {
            if (!isMissing(::GetLastError())) return false;
            target = path;
            return true;
        }
        // Other reparse points (placeholders of cloud folders, say) are the file itself.
        std::wstring next;
        if ((attributes & FILE_ATTRIBUTE_REPARSE_POINT) == 0 || !linkTarget(path, next)) {
            target = path;
            return true;
        }
        path = next;
    }
    return false;
}

constexpr std::wstring_view kTempEnd = L".tmp";

// Removes the temporary files of saves that were killed. A save keeps its
// temporary file open from creating it to renaming it, and nobody can open
// it alone meanwhile; a file that can be opened alone is a leftover, and is
// deleted as that handle closes.
void removeLeftovers(const std::wstring& folder, const std::wstring& prefix) {
    WIN32_FIND_DATAW found{};
    const HANDLE search = ::FindFirstFileW((folder + L"\\" + prefix + L"*" + std::wstring(kTempEnd)).c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return;
    do {
        if ((found.dwFileAttributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_REPARSE_POINT)) != 0 ||
            !isTempName<wchar_t>(found.cFileName, prefix))
            continue;
        const std::wstring path = folder + L"\\" + found.cFileName;
        const Handle leftover(::CreateFileW(path.c_str(), DELETE, 0, nullptr, OPEN_EXISTING,
                                            FILE_FLAG_DELETE_ON_CLOSE | FILE_FLAG_OPEN_REPARSE_POINT, nullptr));
        (void)leftover;
    } while (::FindNextFileW(search, &found));
    ::FindClose(search);
}

std::wstring randomPart(unsigned attempt) {
    static constexpr wchar_t kLetters[] = L"ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789";
    LARGE_INTEGER now{};
    ::QueryPerformanceCounter(&now);
    std::uint64_t x = static_cast<std::uint64_t>(now.QuadPart) ^ (std::uint64_t{::GetCurrentProcessId()} << 32) ^
                      (std::uint64_t{attempt} * 0x9E3779B97F4A7C15u);
    std::wstring out;
    for (std::size_t i = 0; i < kTempRandom; ++i) {
        x ^= x >> 33;
        x *= 0xFF51AFD7ED558CCDu;
        x ^= x >> 29;
        out += kLetters[x % 62];
    }
    return out;
}

bool writeAll(HANDLE file, std::string_view bytes) {
    while (!bytes.empty()) {
        const DWORD chunk = static_cast<DWORD>(std::min<std::size_t>(bytes.size(), 1u << 20));
        DWORD done = 0;
        if (!::WriteFile(file, bytes.data(), chunk, &done, nullptr) || done == 0) return false;
        bytes.remove_prefix(done);
    }
    return true;
}

}  // namespace

ReadResult readFile(const char* name, std::size_t limit, std::string& bytes) {
    bytes.clear();
    const std::wstring path = wide(name);
    const DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES)
        return isMissing(::GetLastError()) ? ReadResult::Missing : ReadResult::Failed;
    if (attributes & FILE_ATTRIBUTE_DIRECTORY) return ReadResult::NotAFile;
    const Handle file(::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                                    nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file.ok()) return isMissing(::GetLastError()) ? ReadResult::Missing : ReadResult::Failed;
    BY_HANDLE_FILE_INFORMATION info{};
    if (::GetFileType(file.get()) != FILE_TYPE_DISK || !::GetFileInformationByHandle(file.get(), &info) ||
        (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
        return ReadResult::NotAFile;
    LARGE_INTEGER size{};
    if (!::GetFileSizeEx(file.get(), &size) || static_cast<std::uint64_t>(size.QuadPart) > limit)
        return ReadResult::Failed;

    bytes.resize(static_cast<std::size_t>(size.QuadPart) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) bytes.resize(std::min(limit + 1, bytes.size() * 2));
        const DWORD want = static_cast<DWORD>(std::min<std::size_t>(bytes.size() - got, 1u << 20));
        DWORD n = 0;
        if (!::ReadFile(file.get(), bytes.data() + got, want, &n, nullptr)) break;
        if (n == 0) {
            bytes.resize(got);
            return ReadResult::Read;
        }
        got += n;
        if (got > limit) break;
    }
    bytes.clear();
    bytes.shrink_to_fit();
    return ReadResult::Failed;
}

bool replaceFile(const char* name, std::string_view bytes) {
    std::wstring target;
    if (!finalTarget(wide(name), target)) return false;
    const DWORD attributes = ::GetFileAttributesW(target.c_str());
    const bool exists = attributes != INVALID_FILE_ATTRIBUTES;
    if (!exists && !isMissing(::GetLastError())) return false;
    if (exists) {
        if (attributes & (FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_READONLY)) return false;
        // Only a file on the disk that may be written is replaced.
        const Handle old(::CreateFileW(target.c_str(), GENERIC_WRITE,
                                       FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr, OPEN_EXISTING,
                                       FILE_ATTRIBUTE_NORMAL, nullptr));
        if (!old.ok() || ::GetFileType(old.get()) != FILE_TYPE_DISK) return false;
    }
    const std::wstring folder = folderOf(target);
    const DWORD folderAttributes = ::GetFileAttributesW(folder.c_str());
    if (folderAttributes == INVALID_FILE_ATTRIBUTES || (folderAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0)
        return false;

    const std::wstring prefix = L"." + nameOf(target) + L".";
    removeLeftovers(folder, prefix);

    // Open from creation to after the rename, shared for deleting only, so
    // that the rename can go ahead while nobody else can open it alone.
    std::wstring temp;
    HANDLE created = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; attempt < 16 && created == INVALID_HANDLE_VALUE; ++attempt) {
        temp = folder + L"\\" + prefix + randomPart(attempt) + std::wstring(kTempEnd);
        created = ::CreateFileW(temp.c_str(), GENERIC_WRITE | DELETE, FILE_SHARE_DELETE, nullptr, CREATE_NEW,
                                FILE_ATTRIBUTE_NORMAL, nullptr);
        if (created == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS) return false;
    }
    const Handle file(created);
    if (!file.ok()) return false;
    if (!writeAll(file.get(), bytes) || !::FlushFileBuffers(file.get()) ||
        !::MoveFileExW(temp.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        FILE_DISPOSITION_INFO remove{};
        remove.DeleteFile = TRUE;
        ::SetFileInformationByHandle(file.get(), FileDispositionInfo, &remove, sizeof remove);
        return false;
    }
    return true;
}

}  // namespace pet::disk
