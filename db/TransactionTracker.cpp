#include "TransactionTracker.h"

#include <cctype>
#include <cstring>
#include <vector>

namespace {

// The words of a statement in upper case, outside literals, quoted names and comments.
// Enough to tell its kind: only the first words and FOR UPDATE matter.
std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  size_t at = 0;
  auto skipPast = [&](const char* end) {
    const size_t found = text.find(end, at);
    at = found == std::string::npos ? text.size() : found + std::strlen(end);
  };
  while (at < text.size()) {
    const char c = text[at];
    if (text.compare(at, 2, "--") == 0) {
      skipPast("\n");
    } else if (text.compare(at, 2, "/*") == 0) {
      at += 2;
      skipPast("*/");
    } else if (c == '\'' || c == '"') {
      ++at;
      skipPast(c == '\'' ? "'" : "\"");
    } else if (std::isalpha(static_cast<unsigned char>(c))) {
      std::string word;
      while (at < text.size() && (std::isalnum(static_cast<unsigned char>(text[at])) || text[at] == '_' ||
                                  text[at] == '$' || text[at] == '#')) {
        word += static_cast<char>(std::toupper(static_cast<unsigned char>(text[at++])));
      }
      words.push_back(word);
    } else {
      ++at;
    }
  }
  return words;
}

bool IsDdl(const std::vector<std::string>& words) {
  static const char* const kDdl[] = {"CREATE",  "ALTER", "DROP",    "TRUNCATE", "RENAME", "GRANT",    "REVOKE",
                                     "COMMENT", "AUDIT", "NOAUDIT", "ANALYZE",  "PURGE",  "FLASHBACK"};
  // Session and system control change no data and end no transaction.
  if (words[0] == "ALTER" && words.size() > 1 && (words[1] == "SESSION" || words[1] == "SYSTEM")) return false;
  for (const char* ddl : kDdl) {
    if (words[0] == ddl) return true;
  }
  return false;
}

bool HasForUpdate(const std::vector<std::string>& words) {
  for (size_t i = 0; i + 1 < words.size(); ++i) {
    if (words[i] == "FOR" && words[i + 1] == "UPDATE") return true;
  }
  return false;
}

}  // namespace

TransactionEffect EffectOnTransaction(const std::string& statement, bool isQuery) {
  const std::vector<std::string> words = Words(statement);
  if (isQuery) return HasForUpdate(words) ? TransactionEffect::kOpens : TransactionEffect::kNone;
  if (words.empty()) return TransactionEffect::kNone;
  if (words[0] == "COMMIT" || IsDdl(words)) return TransactionEffect::kCloses;
  if (words[0] == "ROLLBACK") {
    const bool toSavepoint = (words.size() > 1 && words[1] == "TO") || (words.size() > 2 && words[2] == "TO");
    return toSavepoint ? TransactionEffect::kNone : TransactionEffect::kCloses;
  }
  if (words[0] == "ALTER") return TransactionEffect::kNone;
  return TransactionEffect::kOpens;
}

void TransactionTracker::Note(const std::string& statement, bool isQuery, bool manualCommit) {
  if (!manualCommit) {
    if (!isQuery) open_ = false;
    return;
  }
  switch (EffectOnTransaction(statement, isQuery)) {
    case TransactionEffect::kOpens: open_ = true; break;
    case TransactionEffect::kCloses: open_ = false; break;
    case TransactionEffect::kNone: break;
  }
}
