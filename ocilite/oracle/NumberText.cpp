#include "oracle/NumberText.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace ocilite {

std::string OracleNumberText(double value) {
  char text[400];
  std::snprintf(text, sizeof text, "%.15g", value);
  std::string number = text;
  if (number.find('e') != std::string::npos) {
    // Oracle writes a NUMBER without exponent: as many places as the 15 digits need.
    int exponent = std::atoi(number.c_str() + number.find('e') + 1);
    int places = exponent < 0 ? 14 - exponent : 0;
    std::snprintf(text, sizeof text, "%.*f", places, value);
    number = text;
    if (number.find('.') != std::string::npos) {
      number.erase(number.find_last_not_of('0') + 1);
      if (number.back() == '.') number.pop_back();
    }
  }
  if (number.compare(0, 2, "0.") == 0) number.erase(0, 1);
  if (number.compare(0, 3, "-0.") == 0) number.erase(1, 1);
  return number;
}

bool FormatNumber(double value, const std::string& format, std::string& text) {
  std::string model = format;
  bool fill = true;
  if (model.size() >= 2 && (model.compare(0, 2, "FM") == 0 || model.compare(0, 2, "fm") == 0)) {
    fill = false;
    model.erase(0, 2);
  }
  bool dollar = false;
  int integerSlots = 0;
  int decimals = 0;
  bool point = false;
  for (char c : model) {
    if (c == '$') {
      dollar = true;
    } else if (c == '.' || c == 'D' || c == 'd') {
      point = true;
    } else if (c == '9' || c == '0') {
      (point ? decimals : integerSlots) += 1;
    } else if (c != ',' && c != 'G' && c != 'g') {
      return false;
    }
  }
  char digits[400];
  std::snprintf(digits, sizeof digits, "%.*f", decimals, std::fabs(value));
  std::string whole = digits;
  std::string fraction;
  size_t dot = whole.find('.');
  if (dot != std::string::npos) {
    fraction = whole.substr(dot + 1);
    whole.erase(dot);
  }
  if (whole == "0") whole.clear();
  bool negative = value < 0 && std::strtod(digits, nullptr) != 0;
  if (static_cast<int>(whole.size()) > integerSlots) {
    text.assign(model.size() + 1, '#');
    return true;
  }
  // The integer part right-aligned into the model's slots; a 0 slot shows zeros from there on.
  std::string body;
  size_t firstZero = model.find('0');
  int slot = 0;
  int leading = integerSlots - static_cast<int>(whole.size());
  bool started = false;
  size_t fractionAt = 0;
  for (size_t k = 0; k < model.size(); ++k) {
    char c = model[k];
    if (c == '$') continue;
    if (c == '.' || c == 'D' || c == 'd') {
      body += '.';
      started = true;
      continue;
    }
    if (c == ',' || c == 'G' || c == 'g') {
      body += started ? "," : " ";
      continue;
    }
    if (fractionAt < fraction.size() && body.find('.') != std::string::npos) {
      body += fraction[fractionAt++];
      continue;
    }
    if (slot < leading) {
      bool zero = firstZero != std::string::npos && k >= firstZero;
      body += zero ? '0' : ' ';
      started = started || zero;
    } else {
      body += whole[static_cast<size_t>(slot - leading)];
      started = true;
    }
    ++slot;
  }
  size_t firstShown = body.find_first_not_of(' ');
  if (firstShown == std::string::npos) firstShown = body.size();
  std::string sign = negative ? "-" : (fill ? " " : "");
  body.insert(firstShown, sign + (dollar ? "$" : ""));
  if (!fill) body.erase(0, body.find_first_not_of(' '));
  text = body;
  return true;
}

}  // namespace ocilite
