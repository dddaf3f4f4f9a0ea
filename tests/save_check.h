// What any save file's bytes must survive: loading, saving over them, and a
// game played on what was loaded. Shared by the fuzzer and the corpus test.
#pragma once

#include <string_view>

namespace pet::test {

// Returns false where a property fails; undefined behaviour and crashes are
// left to the sanitizers to report.
bool checkSaveBytes(std::string_view bytes);

}  // namespace pet::test
