// The few file operations the save slot needs from the operating system,
// behind one narrow interface: save_disk_posix.cpp on Linux and the other
// Unix-likes, save_disk_win32.cpp on Windows. Everything else about the save
// file (its encodings, the INI text, the checksum, the size limit, the
// messages) is the same on every system and lives in save_file.cpp.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace pet::disk {

enum class ReadResult {
    Read,      // bytes hold the whole file
    Missing,   // nothing of that name, or a link to nothing
    NotAFile,  // a folder, pipe, device or socket: it is not opened at all
    Failed,    // a file that cannot be read, or one of more than limit bytes
};

// Reads the whole regular file of that name, following links. Nothing else
// is opened, and nothing blocks.
ReadResult readFile(const char* name, std::size_t limit, std::string& bytes);

// Replaces the file of that name with the bytes, whole, or leaves it as it
// was and returns false. A link is followed to its final target, which is
// replaced in its own folder; the link stays a link. A target that is
// missing is created if its folder exists. Nothing that is not a regular
// file, and no file without write permission, is replaced.
//
// The bytes go to a temporary file ".<name>.XXXXXX.tmp" beside the target,
// flushed to the disk, and are then renamed over it: a crash at any moment
// leaves the old file or the new one whole. Each save first removes such
// files that a killed save left behind; a temporary file that another game
// is writing at that moment is locked and stays.
bool replaceFile(const char* name, std::string_view bytes);

}  // namespace pet::disk
