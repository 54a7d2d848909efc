#include "ScriptSplitter.h"

#include "ScanCopy.h"

#include <cstring>
#include <utility>

namespace {

const std::string kUnitStarters[] = {"CREATE", "REPLACE"};
const std::string kUnitKinds[] = {"PROCEDURE", "FUNCTION", "PACKAGE", "TRIGGER", "TYPE"};
const std::string kBlockStarters[] = {"DECLARE", "BEGIN"};

// Bytes that continue an identifier. The upper half counts too: it holds the national
// letters of the ANSI code pages and the bytes of double-byte characters.
bool IsWordByte(char c) {
  const unsigned char b = static_cast<unsigned char>(c);
  return (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') || (b >= '0' && b <= '9') ||
         b == '_' || b == '$' || b == '#' || b >= 0x80;
}

bool IsTrimmedSpace(char c) { return c == '\r' || c == '\n' || c == ' '; }
bool IsBetweenWords(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsLineFiller(char c) { return c == ' ' || c == '\t' || c == '\r'; }

bool SameIgnoringCase(const std::string& text, size_t at, const std::string& word) {
  for (size_t k = 0; k < word.size(); ++k) {
    if (UpperAscii(text[at + k]) != UpperAscii(word[k])) return false;
  }
  return true;
}

// `word` is never empty. The first byte is tested alone because it almost always differs.
bool BeginsWith(const std::string& scan, size_t at, const std::string& word) {
  return at < scan.size() && scan[at] == word[0] && scan.size() - at >= word.size() &&
         std::memcmp(scan.data() + at, word.data(), word.size()) == 0;
}

// End of text[begin, end) once trailing blanks, line breaks and separators are gone.
size_t TrimmedEnd(const std::string& text, size_t begin, size_t end, const std::string& sep) {
  while (end > begin) {
    if (IsTrimmedSpace(text[end - 1])) {
      --end;
    } else if (!sep.empty() && end - begin >= sep.size() &&
               SameIgnoringCase(text, end - sep.size(), sep)) {
      end -= sep.size();
    } else {
      break;
    }
  }
  return end;
}

// Start of text[begin, end) once leading blanks, line breaks and separators are gone.
size_t TrimmedStart(const std::string& text, size_t begin, size_t end, const std::string& sep) {
  while (begin < end) {
    if (IsTrimmedSpace(text[begin])) {
      ++begin;
    } else if (!sep.empty() && end - begin >= sep.size() && SameIgnoringCase(text, begin, sep)) {
      begin += sep.size();
    } else {
      break;
    }
  }
  return begin;
}

// One pass over the scan copy. Two positions carry the state: `at_`, where the checks look,
// and `start_`, where the statement being collected begins. Each cycle runs, in this order,
// the program-unit check and the block check (only with a PL/SQL separator; each may cut and
// move both positions to just after the PL/SQL separator that ends the unit), then the SQL
// separator check (which may cut and move both positions to just after the separator), then
// steps one byte on. Whatever follows the last cut is the remainder.
class Scanner {
 public:
  Scanner(const std::string& text, const std::string& sqlSeparator,
          const std::string& plsqlSeparator, std::vector<SplitStatement>& statements)
      : text_(text), scan_(BuildScanCopy(text)), sql_(sqlSeparator), plsql_(plsqlSeparator),
        statements_(statements) {}

  int Run() {
    while (at_ < text_.size()) {
      if (!plsql_.empty()) {
        CheckProgramUnit();
        CheckBlock();
      }
      CheckSqlSeparator();
      ++at_;
    }
    AppendRemainder();
    return count_;
  }

 private:
  // Length of the one of `words` that stands at `at` as a whole word, or 0.
  template <size_t N>
  size_t WordAt(size_t at, const std::string (&words)[N]) const {
    for (const std::string& w : words) {
      if (BeginsWith(scan_, at, w) && (at == 0 || !IsWordByte(scan_[at - 1])) &&
          (at + w.size() == scan_.size() || !IsWordByte(scan_[at + w.size()]))) {
        return w.size();
      }
    }
    return 0;
  }

  void CheckProgramUnit() {
    const size_t starter = WordAt(at_, kUnitStarters);
    if (starter == 0) return;
    size_t kind = at_ + starter;
    while (kind < scan_.size() && IsBetweenWords(scan_[kind])) ++kind;
    if (WordAt(kind, kUnitKinds) != 0) CutAtPlsqlSeparator(kind);
  }

  void CheckBlock() {
    if (WordAt(at_, kBlockStarters) != 0) CutAtPlsqlSeparator(at_);
  }

  void CheckSqlSeparator() {
    if (!sql_.empty() && BeginsWith(scan_, at_, sql_)) Cut(at_ + sql_.size(), sql_);
  }

  // Without a PL/SQL separator the unit runs to the end: nothing more is cut.
  void CutAtPlsqlSeparator(size_t from) {
    const size_t found = FindLonePlsqlSeparator(from);
    if (found == std::string::npos) {
      at_ = text_.size();
    } else {
      Cut(found + plsql_.size(), plsql_);
    }
  }

  size_t FindLonePlsqlSeparator(size_t from) const {
    for (size_t p = scan_.find(plsql_, from); p != std::string::npos;
         p = scan_.find(plsql_, p + 1)) {
      if (StandsAlone(p)) return p;
    }
    return std::string::npos;
  }

  // Nothing but blanks, tabs and the CR shares the separator's line.
  bool StandsAlone(size_t p) const {
    size_t before = p;
    while (before > 0 && IsLineFiller(scan_[before - 1])) --before;
    size_t after = p + plsql_.size();
    while (after < scan_.size() && IsLineFiller(scan_[after])) ++after;
    return (before == 0 || scan_[before - 1] == '\n') &&
           (after == scan_.size() || scan_[after] == '\n');
  }

  void Cut(size_t end, const std::string& separator) {
    const size_t stop = TrimmedEnd(text_, start_, end, separator);
    const size_t first = TrimmedStart(text_, start_, stop, separator);
    statements_.push_back({text_.substr(first, stop - first), first});
    ++count_;
    at_ = start_ = end;
  }

  // Sent untouched, unless it holds nothing but blanks, line breaks and comments.
  void AppendRemainder() {
    for (size_t k = start_; k < scan_.size(); ++k) {
      if (!IsTrimmedSpace(scan_[k])) {
        statements_.push_back({text_.substr(start_), start_});
        ++count_;
        return;
      }
    }
  }

  const std::string& text_;
  const std::string scan_;
  const std::string& sql_;
  const std::string& plsql_;
  std::vector<SplitStatement>& statements_;
  size_t at_ = 0;
  size_t start_ = 0;
  int count_ = 0;
};

}  // namespace

int SplitStatements(const std::string& text, const std::string& sqlSeparator,
                    const std::string& plsqlSeparator, std::vector<SplitStatement>& statements) {
  if (sqlSeparator.empty() && plsqlSeparator.empty()) {
    statements.push_back({text, 0});
    return 1;
  }
  return Scanner(text, sqlSeparator, plsqlSeparator, statements).Run();
}

int SplitStatements(const std::string& text, const std::string& sqlSeparator,
                    const std::string& plsqlSeparator, std::vector<std::string>& statements) {
  std::vector<SplitStatement> found;
  const int count = SplitStatements(text, sqlSeparator, plsqlSeparator, found);
  for (SplitStatement& statement : found) statements.push_back(std::move(statement.text));
  return count;
}

void TrimStatementEnd(std::string& statement, const std::string& separator) {
  statement.erase(TrimmedEnd(statement, 0, statement.size(), separator));
}

void TrimStatementStart(std::string& statement, const std::string& separator) {
  statement.erase(0, TrimmedStart(statement, 0, statement.size(), separator));
}
