// The number format model elements beyond the digits (ValueFunctions.cpp's FormatNumber): the
// signs S, MI and PR, scientific EEEE, V (times ten to the digits after it) and hexadecimal X;
// and TO_NUMBER(text, model), which reads by the same elements.
#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "functions/FunctionArguments.h"
#include "functions/FunctionRegistry.h"
#include "functions/NumberModels.h"
#include "oracle/NumberText.h"
#include "sqlite3.h"

namespace ocilite {

namespace {

std::string Upper(std::string text) {
  for (char& c : text) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  return text;
}

bool EndsWith(const std::string& text, const char* end) {
  size_t size = std::char_traits<char>::length(end);
  return text.size() >= size && text.compare(text.size() - size, size, end) == 0;
}

// A model taken apart: FM, where its sign goes, and the digits model left over.
struct Model {
  bool fill = true;
  enum Sign { Plain, LeadingS, TrailingS, Minus, Brackets } sign = Plain;
  bool scientific = false;
  bool hex = false;
  int shift = 0;  // the 9s after V
  std::string digits;
};

Model Parse(const std::string& format) {
  Model model;
  std::string rest = format;
  if (Upper(rest.substr(0, 2)) == "FM") {
    model.fill = false;
    rest.erase(0, 2);
  }
  std::string upper = Upper(rest);
  if (!upper.empty() && upper[0] == 'S') {
    model.sign = Model::LeadingS;
    rest.erase(0, 1);
  } else if (EndsWith(upper, "S")) {
    model.sign = Model::TrailingS;
    rest.pop_back();
  } else if (EndsWith(upper, "MI") || EndsWith(upper, "PR")) {
    model.sign = EndsWith(upper, "MI") ? Model::Minus : Model::Brackets;
    rest.erase(rest.size() - 2);
  }
  upper = Upper(rest);
  if (EndsWith(upper, "EEEE")) {
    model.scientific = true;
    rest.erase(rest.size() - 4);
  }
  size_t v = upper.find('V');
  if (v != std::string::npos && !model.scientific) {
    model.shift = static_cast<int>(rest.size() - v - 1);
    rest.erase(v, 1);
  }
  model.hex = upper.find('X') != std::string::npos;
  model.digits = rest;
  return model;
}

// The digits of each kind of model, without a sign; "#" when the value does not fit.
bool HexDigits(const Model& model, double value, std::string& text) {
  size_t slots = 0;
  bool zeros = false;
  for (char c : model.digits) {
    if (c != 'X' && c != 'x' && c != '0') return false;
    zeros = zeros || c == '0';
    ++slots;
  }
  char hex[32];
  bool upper = std::isupper(static_cast<unsigned char>(model.digits.back())) != 0;
  std::snprintf(hex, sizeof hex, upper ? "%llX" : "%llx", static_cast<unsigned long long>(std::llround(value)));
  text = hex;
  text = text.size() > slots ? "#" : std::string(slots - text.size(), zeros ? '0' : ' ') + text;
  return true;
}

void ScientificDigits(const Model& model, double value, std::string& text) {
  size_t point = model.digits.find_first_of(".Dd");
  int decimals = point == std::string::npos ? 0 : static_cast<int>(model.digits.size() - point - 1);
  char number[64];
  std::snprintf(number, sizeof number, "%.*E", decimals, value);
  text = number;
}

bool PlainDigits(const Model& model, double value, std::string& text) {
  if (!FormatNumber(value * std::pow(10.0, model.shift), model.digits, text)) return false;
  if (text.find('#') != std::string::npos) {
    text = "#";
    return true;
  }
  size_t first = text.find_first_not_of(' ');
  if (first != std::string::npos && first > 0) text.erase(first - 1, 1);  // FormatNumber's sign place
  return true;
}

bool Digits(const Model& model, double value, std::string& text) {
  if (model.hex) return HexDigits(model, value, text);
  if (!model.scientific) return PlainDigits(model, value, text);
  ScientificDigits(model, value, text);
  return true;
}

}  // namespace

bool FormatNumberModel(double value, const std::string& format, std::string& text) {
  Model model = Parse(format);
  bool negative = value < 0;
  if (model.hex && negative) return false;
  std::string digits;
  if (!Digits(model, std::fabs(value), digits)) return false;
  if (digits == "#") {
    text.assign(format.size() + 1, '#');
    return true;
  }
  size_t first = digits.find_first_not_of(' ');
  std::string padding = digits.substr(0, first == std::string::npos ? digits.size() : first);
  std::string shown = digits.substr(padding.size());
  if (!model.fill) padding.clear();
  switch (model.sign) {
    case Model::LeadingS: text = padding + (negative ? "-" : "+") + shown; break;
    case Model::TrailingS: text = padding + shown + (negative ? "-" : "+"); break;
    case Model::Minus: text = padding + shown + (negative ? "-" : model.fill ? " " : ""); break;
    case Model::Brackets:
      text = negative ? padding + "<" + shown + ">" : padding + (model.fill ? " " + shown + " " : shown);
      break;
    case Model::Plain: text = padding + (negative ? "-" : model.fill ? " " : "") + shown; break;
  }
  return true;
}

namespace {

// TO_NUMBER(text, model): the text read by the model's elements; ORA-01722 when it does not fit.
void ToNumberByModel(sqlite3_context* context, int argc, sqlite3_value** argv) {
  if (AnyNull(argc, argv)) return sqlite3_result_null(context);
  Model model = Parse(TextOf(argv[1]));
  std::string text = TextOf(argv[0]);
  size_t start = text.find_first_not_of(' ');
  size_t end = text.find_last_not_of(' ');
  text = start == std::string::npos ? std::string() : text.substr(start, end - start + 1);
  bool negative = false;
  if (model.sign == Model::Brackets && text.size() > 1 && text.front() == '<' && text.back() == '>') {
    negative = true;
    text = text.substr(1, text.size() - 2);
  } else if ((model.sign == Model::TrailingS || model.sign == Model::Minus) && !text.empty() &&
             (text.back() == '-' || text.back() == '+')) {
    negative = text.back() == '-';
    text.pop_back();
  } else if (model.sign == Model::LeadingS && !text.empty() && (text[0] == '-' || text[0] == '+')) {
    negative = text[0] == '-';
    text.erase(0, 1);
  }
  if (model.hex) {
    char* stop = nullptr;
    unsigned long long number = std::strtoull(text.c_str(), &stop, 16);
    if (text.empty() || *stop) return RaiseOraError(context, 1722);
    return sqlite3_result_int64(context, static_cast<sqlite3_int64>(number));
  }
  std::string number;
  int integerDigits = 0;
  bool point = false;
  for (char c : text) {
    if (c == ',' || c == '$') continue;
    if (c == '.') point = true;
    if (std::isdigit(static_cast<unsigned char>(c)) && !point && !model.scientific) ++integerDigits;
    number += c;
  }
  int slots = 0;
  for (char c : model.digits) {
    if (c == '.' || c == 'D' || c == 'd') break;
    slots += c == '9' || c == '0';
  }
  char* stop = nullptr;
  double value = std::strtod(number.c_str(), &stop);
  if (number.empty() || *stop || (!model.scientific && integerDigits > slots)) return RaiseOraError(context, 1722);
  ResultNumber(context, (negative ? -value : value) / std::pow(10.0, model.shift));
}

const FunctionEntry kFunctions[] = {
    {"TO_NUMBER", 2, true, ToNumberByModel},
};

}  // namespace

FunctionFamily NumberModelFunctions() { return Family(kFunctions); }

}  // namespace ocilite
