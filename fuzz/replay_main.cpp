// Runs a fuzz target's entry point over saved inputs without libFuzzer, so the normal and
// sanitizer test builds replay the seed corpora and every input that once found a fault.
// Arguments are folders (every regular file not starting with '.') or single files.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace fs = std::filesystem;

namespace {

std::vector<fs::path> InputsIn(const fs::path& place) {
  if (!fs::is_directory(place)) return {place};
  std::vector<fs::path> inputs;
  for (const fs::directory_entry& entry : fs::directory_iterator(place)) {
    if (entry.is_regular_file() && entry.path().filename().string().front() != '.') inputs.push_back(entry.path());
  }
  std::sort(inputs.begin(), inputs.end());
  return inputs;
}

bool Replay(const fs::path& input) {
  std::ifstream file(input, std::ios::binary);
  if (!file) return false;
  const std::vector<char> bytes{std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
  LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
  return true;
}

}  // namespace

int main(int argc, char** argv) {
  int replayed = 0;
  for (int i = 1; i < argc; ++i) {
    if (!fs::exists(argv[i])) {
      std::cerr << "no such input: " << argv[i] << "\n";
      return 1;
    }
    for (const fs::path& input : InputsIn(argv[i])) {
      if (!Replay(input)) {
        std::cerr << "cannot read " << input << "\n";
        return 1;
      }
      ++replayed;
    }
  }
  std::cout << replayed << " inputs replayed\n";
  return 0;
}
