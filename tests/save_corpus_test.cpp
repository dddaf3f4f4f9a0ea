// The fuzzer's checked-in corpus, run as an ordinary test.
#include <filesystem>
#include <fstream>
#include <iterator>

#include <gtest/gtest.h>

#include "save_check.h"

namespace pet::test {
namespace {

TEST(SaveCorpus, EveryFileLoadsSavesAndPlays) {
    int files = 0;
    for (const auto& entry : std::filesystem::directory_iterator(PET_SAVE_CORPUS)) {
        std::ifstream in(entry.path(), std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        EXPECT_TRUE(checkSaveBytes(bytes)) << entry.path();
        ++files;
    }
    EXPECT_GE(files, 8);
}

}  // namespace
}  // namespace pet::test
