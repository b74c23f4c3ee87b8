// The word-wrapping fuzz target run over its seed corpus: each seed must
// wrap back to its own text (the target aborts with the failed check
// otherwise).

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size);

namespace {

TEST(WrapCanvasTextCorpus, EverySeedWrapsBackToItsText) {
  std::size_t Seeds = 0;
  for (const auto& Entry : std::filesystem::directory_iterator(VXFMX_WRAP_CORPUS)) {
    if (!Entry.is_regular_file()) continue;
    std::ifstream In(Entry.path(), std::ios::binary);
    const std::string Bytes{std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
    SCOPED_TRACE(Entry.path().filename().string());
    EXPECT_EQ(LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(Bytes.data()), Bytes.size()), 0);
    ++Seeds;
  }
  EXPECT_GE(Seeds, 10u);
}

}  // namespace
