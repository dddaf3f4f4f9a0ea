// The saved game: the file Puhtyash.sav in the current directory, one INI
// section "V-7700" with 27 keys, and the checksum that tells a file edited
// by hand.
//
// The file is INI text in code page 1251 with CR LF line ends. A file that
// starts with a byte-order mark of UTF-8 or UTF-16 (as the desktop's editors
// write "Unicode" text) is read in that encoding and saved in it again.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "game/pet_state.h"

namespace pet {

inline constexpr const char* kSaveFileName = "Puhtyash.sav";
// The largest file the game reads, and so the largest it writes. A save is
// a few hundred bytes; the rest is room for the player's own lines.
inline constexpr std::size_t kLargestSave = std::size_t{16} << 20;

// The messages of the error display.
std::string cannotWriteSaveMessage();  // "Unable to write to Puhtyash.sav"
std::string cannotReadSaveMessage();   // "Unable to read Puhtyash.sav"
std::string notASaveFileMessage();     // "Puhtyash.sav is not a save file"

// The checksum over the saved fields, in 32-bit wrap-around arithmetic.
i32 saveChecksum(const PetState& s);

// The file's new content: the given one with the 27 keys written over it, in
// its own encoding. Every other line stays byte for byte.
std::string renderSave(std::string_view existing, const PetState& s);

// The saved fields read from a file's content, each 0 where missing or not a
// number; and the stored checksum.
struct SavedValues {
    PetState state;  // only the saved fields are set
    i32 storedChecksum = 0;
};
SavedValues readSave(std::string_view bytes);

// Where saves go. The game's own is a file; tests may keep them in memory.
class SaveSlot {
public:
    virtual ~SaveSlot() = default;
    // The whole content; false when there is no save. Something that is
    // there but cannot be read as a save throws GameError.
    virtual bool read(std::string& bytes) = 0;
    // Replaces the content, or throws GameError and leaves the old one as it was.
    virtual void write(const std::string& bytes) = 0;
};

// The file in the current directory at the moment of reading or writing,
// through a link to wherever it points (see save_disk.h).
class FileSaveSlot final : public SaveSlot {
public:
    bool read(std::string& bytes) override;
    void write(const std::string& bytes) override;
};

}  // namespace pet
