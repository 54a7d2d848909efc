// A stand-in web browser for the end-to-end tests: appends the address it was asked to
// open to the file named by ZQ_URL_LOG, one per line, and succeeds.
#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv) {
  const char* log = std::getenv("ZQ_URL_LOG");
  if (argc < 2 || !log) return 1;
  std::FILE* file = std::fopen(log, "ab");
  if (!file) return 1;
  std::fprintf(file, "%s\n", argv[1]);
  std::fclose(file);
  return 0;
}
