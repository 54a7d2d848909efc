#include "functions/FunctionArguments.h"

#include <cmath>

#include "oracle/NumberText.h"
#include "oracle/OraError.h"
#include "sqlite3.h"

namespace ocilite {

bool AnyNull(int argc, sqlite3_value** argv) {
  for (int k = 0; k < argc; ++k) {
    if (sqlite3_value_type(argv[k]) == SQLITE_NULL) return true;
  }
  return false;
}

std::string TextOf(sqlite3_value* value) {
  const unsigned char* text = sqlite3_value_text(value);
  return text ? std::string(reinterpret_cast<const char*>(text), static_cast<size_t>(sqlite3_value_bytes(value)))
              : std::string();
}

void RaiseOraError(sqlite3_context* context, int code, const std::string& detail) {
  std::string text = MakeOraError(code, detail).text;
  sqlite3_result_error(context, text.c_str(), static_cast<int>(text.size()));
}

bool NumberArgument(sqlite3_context* context, sqlite3_value* value, double& number) {
  int type = sqlite3_value_numeric_type(value);
  if (type != SQLITE_INTEGER && type != SQLITE_FLOAT) {
    RaiseOraError(context, 1722);
    return false;
  }
  number = sqlite3_value_double(value);
  return true;
}

bool NumberArguments(sqlite3_context* context, int argc, sqlite3_value** argv, double* numbers) {
  if (AnyNull(argc, argv)) {
    sqlite3_result_null(context);
    return false;
  }
  for (int k = 0; k < argc; ++k) {
    if (!NumberArgument(context, argv[k], numbers[k])) return false;
  }
  return true;
}

std::string AsText(sqlite3_value* value) {
  return sqlite3_value_type(value) == SQLITE_FLOAT ? OracleNumberText(sqlite3_value_double(value)) : TextOf(value);
}

std::vector<size_t> CharacterStarts(const std::string& text) {
  std::vector<size_t> starts;
  for (size_t k = 0; k < text.size(); ++k) {
    if ((static_cast<unsigned char>(text[k]) & 0xC0) != 0x80) starts.push_back(k);
  }
  return starts;
}

void ResultText(sqlite3_context* context, const std::string& text) {
  if (text.empty()) return sqlite3_result_null(context);
  sqlite3_result_text(context, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

void ResultNumber(sqlite3_context* context, double number) {
  if (number == std::floor(number) && std::fabs(number) < 9e18) {
    return sqlite3_result_int64(context, static_cast<sqlite3_int64>(number));
  }
  sqlite3_result_double(context, number);
}

Session* SessionOf(sqlite3_context* context) { return static_cast<Session*>(sqlite3_user_data(context)); }

}  // namespace ocilite
