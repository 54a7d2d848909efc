#include "oracle/SpelledNumbers.h"

namespace ocilite {

namespace {

const char* const kOnes[] = {"ZERO",     "ONE",     "TWO",     "THREE",     "FOUR",     "FIVE",    "SIX",
                             "SEVEN",    "EIGHT",   "NINE",    "TEN",       "ELEVEN",   "TWELVE",  "THIRTEEN",
                             "FOURTEEN", "FIFTEEN", "SIXTEEN", "SEVENTEEN", "EIGHTEEN", "NINETEEN"};
const char* const kTens[] = {"", "", "TWENTY", "THIRTY", "FORTY", "FIFTY", "SIXTY", "SEVENTY", "EIGHTY", "NINETY"};
const char* const kOrdinalOnes[] = {"ZEROTH",    "FIRST",     "SECOND",      "THIRD",      "FOURTH",
                                    "FIFTH",     "SIXTH",     "SEVENTH",     "EIGHTH",     "NINTH",
                                    "TENTH",     "ELEVENTH",  "TWELFTH",     "THIRTEENTH", "FOURTEENTH",
                                    "FIFTEENTH", "SIXTEENTH", "SEVENTEENTH", "EIGHTEENTH", "NINETEENTH"};

// Below a thousand; the last word ordinal when asked.
std::string BelowThousand(long n, bool ordinal) {
  std::string text;
  if (n >= 100) {
    text = std::string(kOnes[n / 100]) + " HUNDRED";
    n %= 100;
    if (n == 0) return ordinal ? text + "TH" : text;
    text += " ";
  }
  if (n < 20) return text + (ordinal ? kOrdinalOnes[n] : kOnes[n]);
  std::string tens = kTens[n / 10];
  if (n % 10 == 0) return text + (ordinal ? tens.substr(0, tens.size() - 1) + "IETH" : tens);
  return text + tens + "-" + (ordinal ? kOrdinalOnes[n % 10] : kOnes[n % 10]);
}

}  // namespace

std::string SpelledNumber(long value, bool ordinal) {
  std::string text = value < 0 ? "MINUS " : "";
  long n = value < 0 ? -value : value;
  static const char* const kScales[] = {" MILLION", " THOUSAND"};
  static const long kSizes[] = {1000000, 1000};
  for (int k = 0; k < 2; ++k) {
    if (n < kSizes[k]) continue;
    text += SpelledNumber(n / kSizes[k], false) + kScales[k];
    n %= kSizes[k];
    if (n == 0) return ordinal ? text + "TH" : text;
    text += " ";
  }
  return text + BelowThousand(n, ordinal);
}

std::string OrdinalSuffix(long value) {
  long n = value < 0 ? -value : value;
  if (n % 100 >= 11 && n % 100 <= 13) return "TH";
  static const char* const kSuffixes[] = {"TH", "ST", "ND", "RD"};
  return n % 10 < 4 ? kSuffixes[n % 10] : "TH";
}

}  // namespace ocilite
