// The saved game: the file Puhtyash.sav in the current directory, one INI
// section "V-7700" with 27 keys, and the checksum that tells a file edited
// by hand.
#pragma once

#include <string>
#include <string_view>

#include "game/pet_state.h"

namespace pet {

inline constexpr const char* kSaveFileName = "Puhtyash.sav";

// The checksum over the saved fields, in 32-bit wrap-around arithmetic.
i32 saveChecksum(const PetState& s);

// The file's new content: the given one with the 27 keys written over it.
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
    // The whole content; false when there is no readable save.
    virtual bool read(std::string& bytes) = 0;
    // Replaces the content, or throws GameError and leaves the old one as it was.
    virtual void write(const std::string& bytes) = 0;
};

// The file in the current directory at the moment of reading or writing.
// Writing goes to a temporary file beside it, flushed to the disk, and is
// then renamed over it, so a failed write never damages the last save.
class FileSaveSlot final : public SaveSlot {
public:
    bool read(std::string& bytes) override;
    void write(const std::string& bytes) override;
};

}  // namespace pet
