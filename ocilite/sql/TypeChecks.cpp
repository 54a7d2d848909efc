#include "sql/TypeChecks.h"

namespace ocilite {

namespace {

const char* TypeName(SqlType type) {
  switch (type) {
    case SqlType::Number: return "NUMBER";
    case SqlType::Date: return "DATE";
    case SqlType::Text: return "CHAR";
    default: return "";
  }
}

}  // namespace

bool CheckComparable(SqlType expected, SqlType got, size_t offset, OraError& error) {
  bool dateAndNumber =
      (expected == SqlType::Date && got == SqlType::Number) || (expected == SqlType::Number && got == SqlType::Date);
  if (!dateAndNumber) return true;
  error = MakeOraError(932, std::string(TypeName(expected)) + " got " + TypeName(got), offset);
  return false;
}

bool CheckSetMember(const std::vector<SqlType>& first, const std::vector<SqlType>& member, size_t offset,
                    OraError& error) {
  if (first.size() != member.size()) {
    error = MakeOraError(1789, "", offset);
    return false;
  }
  for (size_t k = 0; k < first.size(); ++k) {
    if (first[k] != SqlType::Unknown && member[k] != SqlType::Unknown && first[k] != member[k]) {
      error = MakeOraError(1790, "", offset);
      return false;
    }
  }
  return true;
}

}  // namespace ocilite
