#include "oracle/OracleType.h"

#include <cstdlib>

#include "OciApi.h"

#include "sql/SqlLexer.h"

namespace ocilite {

namespace {

constexpr int kLongestText = 4000;
constexpr int kNumberLength = 22;
constexpr int kNumberDisplay = 22;  // a NUMBER without precision
constexpr int kDateDisplay = 9;     // DD-MON-RR, the default date format
constexpr int kTimestampDisplay = 18;
constexpr int kFloatPrecision = 126;
constexpr int kFloatScale = -127;

bool IsCharacterType(const std::string& name) {
  return name == "VARCHAR2" || name == "VARCHAR" || name == "CHAR" || name == "NCHAR" || name == "NVARCHAR2" ||
         name == "RAW" || name == "TEXT";
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

OciColumnType DescribeForOci(std::string_view declared) {
  const DeclaredType type = ParseDeclaredType(declared);
  const std::string& name = type.name;
  const int length = type.length;
  if (name == "CHAR" || name == "NCHAR") return {SQLT_AFC, length, length, 0, 0, length};
  if (name == "RAW") return {SQLT_BIN, length, 0, 0, 0, 2 * length};
  if (IsCharacterType(name)) return {SQLT_CHR, length, length, 0, 0, length};
  if (name == "FLOAT")
    return {SQLT_NUM,    kNumberLength, 0, type.precision > 0 ? type.precision : kFloatPrecision,
            kFloatScale, kNumberDisplay};
  if (IsNumberType(name)) {
    // Digits, a sign and a point.
    const int display = type.precision > 0 ? type.precision + 2 : kNumberDisplay;
    return {SQLT_NUM, kNumberLength, 0, type.precision > 0 ? type.precision : 0, type.scale > 0 ? type.scale : 0,
            display};
  }
  if (name == "BINARY_FLOAT") return {SQLT_IBFLOAT, 4, 0, 0, 0, kNumberDisplay};
  if (name == "BINARY_DOUBLE") return {SQLT_IBDOUBLE, 8, 0, 0, 0, kNumberDisplay};
  if (name == "DATE") return {SQLT_DAT, 7, 0, 0, 0, kDateDisplay};
  if (name.compare(0, 9, "TIMESTAMP") == 0) return {SQLT_TIMESTAMP, 11, 0, 0, 6, kTimestampDisplay};
  if (name == "CLOB" || name == "NCLOB") return {SQLT_CLOB, kLongestText, 0, 0, 0, kLongestText};
  if (name == "BLOB") return {SQLT_BLOB, kLongestText, 0, 0, 0, kLongestText};
  if (name == "LONG RAW") return {SQLT_LBI, 0, 0, 0, 0, 0};
  if (name == "LONG") return {SQLT_LNG, 0, 0, 0, 0, 0};
  return {SQLT_CHR, length, length, 0, 0, length};
}

}  // namespace ocilite
