#include "TnsNames.h"

#include <algorithm>
#include <cstddef>

#include "ClientMachine.h"
#include "WindowsPaths.h"

namespace {

const char kWhiteSpace[] = " \t\r\n\v\f";
constexpr int kDeepestInclude = 3;

std::string TrimRight(const std::string& text) {
  size_t end = text.find_last_not_of(kWhiteSpace);
  return end == std::string::npos ? std::string() : text.substr(0, end + 1);
}

std::string Trim(const std::string& text) {
  size_t start = text.find_first_not_of(kWhiteSpace);
  return start == std::string::npos ? std::string() : TrimRight(text.substr(start));
}

bool SameLetters(const std::string& a, const char* b) {
  std::string upper;
  for (char c : a) upper += static_cast<char>(c >= 'a' && c <= 'z' ? c - 'a' + 'A' : c);
  return upper == b;
}

// "A, B" names one entry twice; a name without commas stays whole, even when empty.
void AddNames(const std::string& names, std::vector<std::string>& out) {
  if (names.find(',') == std::string::npos) {
    out.push_back(names);
    return;
  }
  size_t start = 0;
  for (size_t comma; start <= names.size(); start = comma + 1) {
    comma = std::min(names.find(',', start), names.size());
    std::string name = Trim(names.substr(start, comma - start));
    if (!name.empty()) out.push_back(name);
  }
}

// Collects the lines of one entry until its parentheses balance.
class EntryCollector {
 public:
  bool Idle() const { return entry_.empty(); }
  // Returns true when this line completed the entry; its names are then in `names`.
  bool Add(const std::string& line, std::string& names) {
    entry_ += line;
    opened_ += std::count(line.begin(), line.end(), '(');
    closed_ += std::count(line.begin(), line.end(), ')');
    if (opened_ == 0 || opened_ != closed_) return false;
    size_t equals = entry_.find('=');
    names = equals == std::string::npos ? std::string() : TrimRight(entry_.substr(0, equals));
    entry_.clear();
    opened_ = closed_ = 0;
    return true;
  }

 private:
  std::string entry_;
  std::ptrdiff_t opened_ = 0, closed_ = 0;
};

// A line "NAME = value" with no parentheses: its name and value, or false.
bool SplitParameter(const std::string& line, std::string& name, std::string& value) {
  size_t equals = line.find('=');
  if (equals == std::string::npos || line.find_first_of("()") != std::string::npos) return false;
  value = Trim(line.substr(equals + 1));
  if (value.empty()) return false;  // "ORCL =" opens an entry whose description follows
  name = TrimRight(line.substr(0, equals));
  if (value.size() >= 2 && value.front() == '"' && value.back() == '"') value = value.substr(1, value.size() - 2);
  return true;
}

class AliasReader {
 public:
  explicit AliasReader(const ClientMachine* files) : files_(files) {}

  void ReadFile(const std::string& path) {
    std::string text;
    if (!files_ || static_cast<int>(open_.size()) > kDeepestInclude) return;
    if (std::find(open_.begin(), open_.end(), path) != open_.end() || !files_->ReadFile(path, text)) return;
    open_.push_back(path);
    ReadText(text, FolderOf(path));
    open_.pop_back();
  }

  // Each file is an entry stream of its own: an include never completes the entry around it.
  void ReadText(const std::string& text, const std::string& folder) {
    EntryCollector collector;
    size_t start = 0;
    while (start < text.size()) {
      size_t end = std::min(text.find('\n', start), text.size());
      std::string line = Trim(text.substr(start, end - start));
      start = end + 1;
      if (line.empty() || line[0] == '#') continue;
      std::string name, value;
      if (collector.Idle() && SplitParameter(line, name, value)) {
        if (SameLetters(name, "IFILE")) ReadFile(IsAbsolutePath(value) ? value : JoinPath(folder, value));
        continue;
      }
      if (collector.Add(line, name)) AddNames(name, names_);
    }
  }

  std::vector<std::string> Names() { return std::move(names_); }

 private:
  const ClientMachine* files_;
  std::vector<std::string> open_;  // the files being read, the outermost first
  std::vector<std::string> names_;
};

}  // namespace

std::vector<std::string> ReadTnsNamesFile(const std::string& path, const ClientMachine& files) {
  AliasReader reader(&files);
  reader.ReadFile(path);
  return reader.Names();
}

std::vector<std::string> ReadTnsAliases(const std::string& fileText) {
  AliasReader reader(nullptr);
  reader.ReadText(fileText, "");
  return reader.Names();
}
