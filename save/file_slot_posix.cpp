#include "save/save_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

#include "game/errors.h"

namespace pet {

namespace {

constexpr std::size_t kLargestSave = 16u << 20;  // a save is a few hundred bytes; this is plenty

[[noreturn]] void cannotWrite() { throw GameError(std::string("Unable to write to ") + kSaveFileName); }

}  // namespace

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
