// Runs a fuzz target over the files named on the command line, for compilers without
// libFuzzer: the seed corpus then serves as a regression test.
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

int main(int argc, char** argv) {
  for (int k = 1; k < argc; ++k) {
    std::ifstream file(argv[k], std::ios::binary);
    if (!file) {
      std::fprintf(stderr, "cannot read %s\n", argv[k]);
      return 1;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
  }
  std::printf("%d inputs replayed\n", argc - 1);
  return 0;
}
