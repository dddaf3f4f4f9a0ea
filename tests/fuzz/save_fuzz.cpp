// libFuzzer: any bytes as a save file.
#include <cstdint>
#include <cstdlib>

#include "save_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (!pet::test::checkSaveBytes({reinterpret_cast<const char*>(data), size})) std::abort();
    return 0;
}
