#include "OracleType.h"

#include <cstdlib>

#include "SqlLexer.h"

namespace {

constexpr int kLongestText = 4000;
constexpr int kNumberLength = 22;
constexpr int kNumberDisplay = 40;
constexpr int kDateDisplay = 19;  // YYYY-MM-DD HH:MM:SS

bool IsCharacterType(const std::string& name) {
  return name == "VARCHAR2" || name == "VARCHAR" || name == "CHAR" || name == "NCHAR" ||
         name == "NVARCHAR2" || name == "RAW" || name == "TEXT";
}

bool IsNumberType(const std::string& name) {
  return name == "NUMBER" || name == "INTEGER" || name == "INT" || name == "FLOAT" || name == "REAL" ||
         name == "NUMERIC" || name == "DECIMAL" || name == "SMALLINT";
}

}  // namespace

DeclaredType ParseDeclaredType(std::string_view declared) {
  DeclaredType type;
  size_t open = declared.find('(');
  std::string_view head = declared.substr(0, open);
  while (!head.empty() && head.back() == ' ') head.remove_suffix(1);
  type.name = head.empty() ? "VARCHAR2" : ToUpper(head);
  int first = -1;
  int second = -1;
  if (open != std::string_view::npos) {
    std::string arguments(declared.substr(open + 1));
    char* rest = nullptr;
    first = static_cast<int>(std::strtol(arguments.c_str(), &rest, 10));
    if (rest && *rest == ',') second = static_cast<int>(std::strtol(rest + 1, nullptr, 10));
  }
  if (IsCharacterType(type.name)) {
    type.length = first > 0 ? first : (type.name == "CHAR" || type.name == "NCHAR" ? 1 : kLongestText);
  } else if (IsNumberType(type.name)) {
    type.length = kNumberLength;
    type.precision = first;
    type.scale = first >= 0 ? (second >= 0 ? second : 0) : -1;
  } else if (type.name == "DATE") {
    type.length = 7;
  } else {
    type.length = kLongestText;
  }
  return type;
}

int DisplaySize(std::string_view declared) {
  DeclaredType type = ParseDeclaredType(declared);
  if (declared.empty()) return kLongestText;
  if (IsCharacterType(type.name)) return type.length;
  if (IsNumberType(type.name)) return kNumberDisplay;
  if (type.name == "DATE") return kDateDisplay;
  return kLongestText;
}
