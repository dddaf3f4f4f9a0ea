// The save file's disk operations on Linux and the other Unix-likes.
#include <dirent.h>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdint>
#include <cstdlib>

#include "save/save_disk.h"
#include "save/temp_name.h"

namespace pet::disk {

namespace {

class Fd {
public:
    explicit Fd(int fd) : fd_(fd) {}
    Fd(const Fd&) = delete;
    Fd& operator=(const Fd&) = delete;
    ~Fd() {
        if (fd_ >= 0) ::close(fd_);
    }
    int get() const { return fd_; }
    bool ok() const { return fd_ >= 0; }

private:
    int fd_;
};

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

std::string nameOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? path : path.substr(slash + 1);
}

// The path that the name finally stands for: links followed to their last
// target, which need not exist. False for a loop or a link that cannot be read.
bool finalTarget(std::string path, std::string& target) {
    for (int hops = 0; hops < 40; ++hops) {
        struct stat st {};
        if (::lstat(path.c_str(), &st) != 0) {
            if (errno != ENOENT) return false;
            target = path;
            return true;
        }
        if (!S_ISLNK(st.st_mode)) {
            target = path;
            return true;
        }
        std::string link(static_cast<std::size_t>(std::max<off_t>(st.st_size, 255)) + 1, '\0');
        const ssize_t n = ::readlink(path.c_str(), link.data(), link.size());
        if (n <= 0 || static_cast<std::size_t>(n) >= link.size()) return false;
        link.resize(static_cast<std::size_t>(n));
        path = link.front() == '/' ? link : folderOf(path) + "/" + link;
    }
    return false;
}

// The open file is still the one of that name.
bool isNamed(int fd, const std::string& path) {
    struct stat open {}, named {};
    return ::fstat(fd, &open) == 0 && ::lstat(path.c_str(), &named) == 0 && open.st_dev == named.st_dev &&
           open.st_ino == named.st_ino;
}

constexpr std::string_view kTempEnd = ".tmp";

// Removes the temporary files of saves that were killed. A save holds a lock
// on its temporary file from creating it to renaming it, so a file that can
// be locked is a leftover; one that another game is writing cannot be.
void removeLeftovers(const std::string& folder, const std::string& prefix) {
    DIR* dir = ::opendir(folder.c_str());
    if (dir == nullptr) return;
    while (const dirent* entry = ::readdir(dir)) {
        if (!isTempName<char>(entry->d_name, prefix)) continue;
        const std::string path = folder + "/" + entry->d_name;
        const int flags = O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC;
        int fd = ::open(path.c_str(), O_RDONLY | flags);
        if (fd < 0) fd = ::open(path.c_str(), O_WRONLY | flags);
        const Fd file(fd);
        struct stat st {};
        if (!file.ok() || ::fstat(file.get(), &st) != 0 || !S_ISREG(st.st_mode) || st.st_uid != ::geteuid()) continue;
        if (::flock(file.get(), LOCK_EX | LOCK_NB) == 0 && isNamed(file.get(), path)) ::unlink(path.c_str());
    }
    ::closedir(dir);
}

bool writeAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t n = ::write(fd, bytes.data(), bytes.size());
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(n));
    }
    return true;
}

}  // namespace

ReadResult readFile(const char* name, std::size_t limit, std::string& bytes) {
    bytes.clear();
    // Only a regular file is opened at all: opening a pipe would wait for a
    // writer, and opening a device may do anything.
    struct stat st {};
    if (::stat(name, &st) != 0) return errno == ENOENT || errno == ENOTDIR ? ReadResult::Missing : ReadResult::Failed;
    if (!S_ISREG(st.st_mode)) return ReadResult::NotAFile;
    const Fd file(::open(name, O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC));
    if (!file.ok()) return errno == ENOENT ? ReadResult::Missing : ReadResult::Failed;
    if (::fstat(file.get(), &st) != 0) return ReadResult::Failed;
    if (!S_ISREG(st.st_mode)) return ReadResult::NotAFile;  // swapped in meanwhile
    if (static_cast<std::uintmax_t>(st.st_size) > limit) return ReadResult::Failed;

    // One byte more than the size, to see the end without growing; a file
    // that grows meanwhile is read on up to the limit.
    bytes.resize(static_cast<std::size_t>(st.st_size) + 1);
    std::size_t got = 0;
    for (;;) {
        if (got == bytes.size()) bytes.resize(std::min(limit + 1, bytes.size() * 2));
        const ssize_t n = ::read(file.get(), bytes.data() + got, bytes.size() - got);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) break;
        if (n == 0) {
            bytes.resize(got);
            return ReadResult::Read;
        }
        got += static_cast<std::size_t>(n);
        if (got > limit) break;
    }
    bytes.clear();
    bytes.shrink_to_fit();
    return ReadResult::Failed;
}

bool replaceFile(const char* name, std::string_view bytes) {
    std::string target;
    if (!finalTarget(name, target)) return false;
    struct stat old {};
    const bool exists = ::lstat(target.c_str(), &old) == 0;
    if (!exists && errno != ENOENT) return false;
    // Write permission is asked of the mode bits too, so that a file the
    // player made read-only stays so even for root.
    if (exists && (!S_ISREG(old.st_mode) || (old.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0 ||
                   ::faccessat(AT_FDCWD, target.c_str(), W_OK, AT_EACCESS) != 0))
        return false;
    const std::string folder = folderOf(target);
    struct stat dir {};
    if (::stat(folder.c_str(), &dir) != 0 || !S_ISDIR(dir.st_mode)) return false;

    const std::string prefix = "." + nameOf(target) + ".";
    removeLeftovers(folder, prefix);

    // The lock goes on right after the file is made; a save that cleans up
    // in between may remove the file before that, and then it is made anew.
    std::string temp;
    int fd = -1;
    for (int attempt = 0; attempt < 8 && fd < 0; ++attempt) {
        temp = folder + "/" + prefix + std::string(kTempRandom, 'X') + std::string(kTempEnd);
        fd = ::mkostemps(temp.data(), static_cast<int>(kTempEnd.size()), O_CLOEXEC);
        if (fd < 0) return false;
        while (::flock(fd, LOCK_EX) != 0 && errno == EINTR) {
        }
        if (!isNamed(fd, temp)) {
            ::close(fd);
            fd = -1;
        }
    }
    if (fd < 0) return false;
    const Fd file(fd);  // closed, and so unlocked, only after the rename
    const auto fail = [&]() {
        ::unlink(temp.c_str());
        return false;
    };

    mode_t mode = 0;
    if (exists) {
        mode = old.st_mode & 07777;
        // Root saving over a player's file keeps it the player's.
        if (old.st_uid != ::geteuid() || old.st_gid != ::getegid()) (void)!::fchown(fd, old.st_uid, old.st_gid);
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        mode = 0666 & ~mask;
    }
    if (!writeAll(fd, bytes) || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) return fail();
    if (::rename(temp.c_str(), target.c_str()) != 0) return fail();
    // The new name itself is made durable with the folder.
    if (const Fd d(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC)); d.ok()) ::fsync(d.get());
    return true;
}

}  // namespace pet::disk
