#include "TnsNames.h"

#include <algorithm>
#include <cstddef>

namespace {

const char kWhiteSpace[] = " \t\r\n\v\f";

std::string TrimRight(const std::string& text) {
  size_t end = text.find_last_not_of(kWhiteSpace);
  return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

std::string Trim(const std::string& text) {
  size_t start = text.find_first_not_of(kWhiteSpace);
  return start == std::string::npos ? std::string() : TrimRight(text.substr(start));
}

// Collects the lines of one entry until its parentheses balance.
class EntryCollector {
 public:
  // Returns true when this line completed the entry; its name is then in `name`.
  bool Add(const std::string& line, std::string& name) {
    entry_ += line;
    opened_ += std::count(line.begin(), line.end(), '(');
    closed_ += std::count(line.begin(), line.end(), ')');
    if (opened_ == 0 || opened_ != closed_) return false;
    size_t equals = entry_.find('=');
    name = equals == std::string::npos ? std::string() : TrimRight(entry_.substr(0, equals));
    entry_.clear();
    opened_ = closed_ = 0;
    return true;
  }

 private:
  std::string entry_;
  std::ptrdiff_t opened_ = 0, closed_ = 0;
};

}  // namespace

std::vector<std::string> ReadTnsAliases(const std::string& fileText) {
  std::vector<std::string> names;
  EntryCollector collector;
  size_t start = 0;
  while (start < fileText.size()) {
    size_t end = std::min(fileText.find('\n', start), fileText.size());
    std::string line = Trim(fileText.substr(start, end - start));
    start = end + 1;
    if (line.empty() || line[0] == '#') continue;
    std::string name;
    if (collector.Add(line, name)) names.push_back(name);
  }
  return names;
}
