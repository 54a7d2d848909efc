#include "FunctionArguments.h"

#include "OraError.h"
#include "sqlite3.h"

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
