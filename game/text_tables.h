// The game's constant text tables, built once before the window.
#pragma once

#include <array>

namespace pet {

// Names of the process kinds, indexed by procKind; shown under the face.
extern const std::array<const char*, 14> processNames;
// Remarks of a drug high.
extern const std::array<const char*, 4> highThoughts;
// The jokes; the first six make the pet sulk, the rest make it laugh.
extern const std::array<const char*, 15> anecdotes;

}  // namespace pet
