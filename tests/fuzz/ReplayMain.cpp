// Feeds every file of the folders named on the command line to a fuzz
// target's entry point, the way libFuzzer replays a corpus. Fails when a
// folder is missing or holds no input, so that a renamed corpus cannot
// silently turn the replay into a no-op; the target's own checks abort on
// a fault.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size);

int main(int Argc, char** Argv) {
  namespace fs = std::filesystem;
  int Failures = 0;
  for (int A = 1; A < Argc; ++A) {
    const fs::path Folder(Argv[A]);
    std::error_code Error;
    std::vector<fs::path> Files;
    for (const auto& Entry : fs::directory_iterator(Folder, Error))
      if (Entry.is_regular_file()) Files.push_back(Entry.path());
    if (Error || Files.empty()) {
      std::fprintf(stderr, "no inputs in %s\n", Folder.c_str());
      ++Failures;
      continue;
    }
    std::sort(Files.begin(), Files.end());
    for (const fs::path& File : Files) {
      std::ifstream In(File, std::ios::binary);
      const std::vector<char> Bytes{std::istreambuf_iterator<char>(In), std::istreambuf_iterator<char>()};
      // A copy of exactly Size bytes, so that reading past the end is caught
      // by the sanitizers as it would be under libFuzzer.
      std::vector<std::uint8_t> Input(Bytes.begin(), Bytes.end());
      LLVMFuzzerTestOneInput(Input.empty() ? nullptr : Input.data(), Input.size());
    }
    std::printf("%s: %zu inputs\n", Folder.c_str(), Files.size());
  }
  return Failures == 0 ? 0 : 1;
}
