#include "oracle/OracleDate.h"

#include <cctype>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <ctime>

#include "oracle/SpelledNumbers.h"

namespace ocilite {

namespace {

const char* const kMonths[] = {"JANUARY", "FEBRUARY", "MARCH",     "APRIL",   "MAY",      "JUNE",
                               "JULY",    "AUGUST",   "SEPTEMBER", "OCTOBER", "NOVEMBER", "DECEMBER"};
const char* const kDays[] = {"SUNDAY", "MONDAY", "TUESDAY", "WEDNESDAY", "THURSDAY", "FRIDAY", "SATURDAY"};

// The elements of a format model, longest first where one begins another.
const char* const kElements[] = {"HH24", "HH12", "HH", "MONTH", "MON",  "MM",   "MI", "DDD", "DAY",
                                 "DD",   "DY",   "D",  "YYYY",  "RRRR", "YY",   "RR", "SS",  "AM",
                                 "PM",   "J",    "Q",  "WW",    "FM",   "IYYY", "IW", "W",   "FX"};
enum Element {
  kHh24,
  kHh12,
  kHh,
  kMonth,
  kMon,
  kMm,
  kMi,
  kDdd,
  kDay,
  kDd,
  kDy,
  kD,
  kYyyy,
  kRrrr,
  kYy,
  kRr,
  kSs,
  kAm,
  kPm,
  kJ,
  kQ,
  kWw,
  kFm,
  kIyyy,
  kIw,
  kW,
  kFx
};

// The suffixes a number element may carry, longest first: spelled, ordinal, or both.
const char* const kSuffixes[] = {"SPTH", "THSP", "SP", "TH"};

bool IsNumberElement(int element) {
  return element >= 0 && element != kMon && element != kMonth && element != kDy && element != kDay && element != kAm &&
         element != kPm && element != kFm && element != kFx;
}

// ASCII only, and without the locale: every fetched date is written through here.
char Upper(char c) { return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c; }

bool StartsWithNoCase(std::string_view text, size_t at, const char* word) {
  for (size_t k = 0; word[k]; ++k) {
    if (at + k >= text.size() || Upper(text[at + k]) != word[k]) return false;
  }
  return true;
}

// The element a format model has at `at`, or -1 when none begins there.
int ElementAt(std::string_view format, size_t at) {
  char first = Upper(format[at]);
  for (int k = 0; k < static_cast<int>(sizeof kElements / sizeof kElements[0]); ++k) {
    if (kElements[k][0] == first && StartsWithNoCase(format, at, kElements[k])) return k;
  }
  return -1;
}

size_t ElementLength(int element) { return std::char_traits<char>::length(kElements[element]); }

// Month and day names follow the case of the element: MON JAN, Mon Jan, mon jan. Writers
// append to `text`: every fetched date is written through here.
void AppendName(std::string& text, std::string_view name, std::string_view element, size_t padTo = 0) {
  bool upper = element[0] >= 'A' && element[0] <= 'Z';
  bool secondUpper = element.size() > 1 && element[1] >= 'A' && element[1] <= 'Z';
  size_t start = text.size();
  for (size_t k = 0; k < name.size(); ++k) {
    bool up = k == 0 ? upper : (upper && secondUpper);
    text += up ? name[k] : static_cast<char>(name[k] - 'A' + 'a');
  }
  if (text.size() - start < padTo) text.append(padTo - (text.size() - start), ' ');
}

void AppendNumber(std::string& text, long value, int width, bool fill) {
  char digits[24];
  int count = 0;
  unsigned long rest = value < 0 ? 0UL - static_cast<unsigned long>(value) : static_cast<unsigned long>(value);
  do {
    digits[count++] = static_cast<char>('0' + rest % 10);
    rest /= 10;
  } while (rest && count < 20);
  if (value < 0) text += '-';
  for (int k = count; fill && k < width; ++k) text += '0';
  while (count > 0) text += digits[--count];
}

// Days from 0001-01-01 in the proleptic Gregorian calendar (after H. Hinnant's civil days).
constexpr int64_t kUnixEpochFromYearOne = 719162;

int64_t CivilDays(int year, int month, int day) {
  int64_t y = year - (month <= 2 ? 1 : 0);
  int64_t era = (y >= 0 ? y : y - 399) / 400;
  int64_t yoe = y - era * 400;
  int64_t doy = (153 * (month > 2 ? month - 3 : month + 9) + 2) / 5 + day - 1;
  int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
  return era * 146097 + doe - 719468 + kUnixEpochFromYearOne;
}

void FromCivilDays(int64_t days, int& year, int& month, int& day) {
  int64_t z = days - kUnixEpochFromYearOne + 719468;
  int64_t era = (z >= 0 ? z : z - 146096) / 146097;
  int64_t doe = z - era * 146097;
  int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
  int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
  int64_t mp = (5 * doy + 2) / 153;
  day = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
  month = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
  year = static_cast<int>(yoe + era * 400 + (month <= 2 ? 1 : 0));
}

int CurrentYear() {
  std::time_t now = std::time(nullptr);
  std::tm* local = std::localtime(&now);
  return local ? local->tm_year + 1900 : 2000;
}

bool ReadDigits(std::string_view text, size_t& at, int most, int& value) {
  size_t start = at;
  value = 0;
  while (at < text.size() && at - start < static_cast<size_t>(most) &&
         std::isdigit(static_cast<unsigned char>(text[at]))) {
    value = value * 10 + (text[at++] - '0');
  }
  return at > start;
}

// Two digits into `field`: the ORA error `error` when they read outside [low, high], else 0.
int ReadBounded(std::string_view text, size_t& at, int& field, int low, int high, int error, bool& ok) {
  ok = ReadDigits(text, at, 2, field);
  return ok && (field < low || field > high) ? error : 0;
}

// A month or day name at `at`, whole or by its first three letters; -1 when there is none.
int ReadName(std::string_view text, size_t& at, const char* const* names, int count) {
  for (int k = 0; k < count; ++k) {
    std::string full = names[k];
    if (StartsWithNoCase(text, at, full.c_str())) {
      at += full.size();
      return k;
    }
  }
  for (int k = 0; k < count; ++k) {
    std::string shortName = std::string(names[k]).substr(0, 3);
    if (StartsWithNoCase(text, at, shortName.c_str())) {
      at += 3;
      return k;
    }
  }
  return -1;
}

}  // namespace

bool ReadStoredDate(std::string_view text, DateTime& date) {
  // Read by hand: every fetched date passes here.
  static const char kShape[] = "dddd-dd-dd dd:dd:dd";
  if (text.size() != 10 && text.size() != 19) return false;
  for (size_t k = 0; k < text.size(); ++k) {
    bool digit = text[k] >= '0' && text[k] <= '9';
    if (kShape[k] == 'd' ? !digit : text[k] != kShape[k]) return false;
  }
  auto field = [&text](size_t at, size_t length) {
    int value = 0;
    for (size_t k = at; k < at + length && k < text.size(); ++k) value = value * 10 + (text[k] - '0');
    return value;
  };
  DateTime d{field(0, 4), field(5, 2), field(8, 2), field(11, 2), field(14, 2), field(17, 2)};
  if (d.month < 1 || d.month > 12 || d.day < 1 || d.day > DaysInMonth(d.year, d.month)) return false;
  if (d.hour > 23 || d.minute > 59 || d.second > 59) return false;
  date = d;
  return true;
}

std::string StoredDate(const DateTime& d) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02d %02d:%02d:%02d", d.year, d.month, d.day, d.hour, d.minute, d.second);
  return text;
}

double DateToDays(const DateTime& d) {
  return static_cast<double>(CivilDays(d.year, d.month, d.day)) + (d.hour * 3600 + d.minute * 60 + d.second) / 86400.0;
}

DateTime DaysToDate(double days) {
  DateTime d;
  double whole = std::floor(days);
  long seconds = std::lround((days - whole) * 86400.0);
  if (seconds >= 86400) {
    whole += 1;
    seconds -= 86400;
  }
  FromCivilDays(static_cast<int64_t>(whole), d.year, d.month, d.day);
  d.hour = static_cast<int>(seconds / 3600);
  d.minute = static_cast<int>(seconds / 60 % 60);
  d.second = static_cast<int>(seconds % 60);
  return d;
}

int DaysInMonth(int year, int month) {
  static const int kDaysIn[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
  bool leap = (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
  return month == 2 && leap ? 29 : kDaysIn[month - 1];
}

int DayOfWeek(const DateTime& d) {
  // 0001-01-01 was a Monday.
  return static_cast<int>((CivilDays(d.year, d.month, d.day) % 7 + 7 + 1) % 7);
}

bool DateFormat::Compile(std::string_view model) {
  pieces_.clear();
  bool fill = true;  // FM toggles the padding off and on
  for (size_t at = 0; at < model.size();) {
    Piece piece;
    piece.fill = fill;
    if (model[at] == '"') {
      size_t close = model.find('"', at + 1);
      if (close == std::string_view::npos) return false;
      piece.written = std::string(model.substr(at + 1, close - at - 1));
      at = close + 1;
    } else if (int element = ElementAt(model, at); element >= 0) {
      piece.element = element;
      piece.written = std::string(model.substr(at, ElementLength(element)));
      at += piece.written.size();
      if (piece.element == kFm) {
        fill = !fill;
        continue;
      }
      if (piece.element == kFx) continue;  // exact matching: for reading dates only
      for (const char* suffix : kSuffixes) {
        if (!IsNumberElement(piece.element) || !StartsWithNoCase(model, at, suffix)) continue;
        piece.suffix = std::string(model.substr(at, std::char_traits<char>::length(suffix)));
        at += piece.suffix.size();
        break;
      }
    } else if (std::isalnum(static_cast<unsigned char>(model[at]))) {
      return false;
    } else {
      piece.written = std::string(1, model[at++]);
    }
    pieces_.push_back(piece);
  }
  return true;
}

void DateFormat::Write(const DateTime& d, std::string& text) const {
  text.clear();
  int dayOfYear = static_cast<int>(CivilDays(d.year, d.month, d.day) - CivilDays(d.year, 1, 1)) + 1;
  int hour12 = d.hour % 12 == 0 ? 12 : d.hour % 12;
  for (const Piece& piece : pieces_) {
    bool fill = piece.fill;
    size_t before = text.size();
    switch (piece.element) {
      case kYyyy:
      case kRrrr: AppendNumber(text, d.year, 4, fill); break;
      case kYy:
      case kRr: AppendNumber(text, d.year % 100, 2, true); break;
      case kMm: AppendNumber(text, d.month, 2, fill); break;
      case kMon: AppendName(text, std::string_view(kMonths[d.month - 1], 3), piece.written); break;
      case kMonth: AppendName(text, kMonths[d.month - 1], piece.written, fill ? 9 : 0); break;
      case kDd: AppendNumber(text, d.day, 2, fill); break;
      case kDdd: AppendNumber(text, dayOfYear, 3, fill); break;
      case kD: AppendNumber(text, DayOfWeek(d) + 1, 1, fill); break;
      case kDy: AppendName(text, std::string_view(kDays[DayOfWeek(d)], 3), piece.written); break;
      case kDay: AppendName(text, kDays[DayOfWeek(d)], piece.written, fill ? 9 : 0); break;
      case kHh24: AppendNumber(text, d.hour, 2, fill); break;
      case kHh:
      case kHh12: AppendNumber(text, hour12, 2, fill); break;
      case kMi: AppendNumber(text, d.minute, 2, fill); break;
      case kSs: AppendNumber(text, d.second, 2, fill); break;
      case kAm:
      case kPm: AppendName(text, d.hour < 12 ? "AM" : "PM", piece.written); break;
      case kJ: AppendNumber(text, static_cast<long>(CivilDays(d.year, d.month, d.day) + 1721426), 7, fill); break;
      case kQ: AppendNumber(text, (d.month - 1) / 3 + 1, 1, fill); break;
      case kWw: AppendNumber(text, (dayOfYear - 1) / 7 + 1, 2, fill); break;
      case kW: AppendNumber(text, (d.day - 1) / 7 + 1, 1, fill); break;
      case kIyyy:
      case kIw: AppendIso(text, d, piece.element == kIw, fill); break;
      default: text += piece.written; break;  // literal text
    }
    if (!piece.suffix.empty()) AppendSuffix(text, before, piece);
  }
}

// IW and IYYY: the ISO week (from the Monday of the week that holds 4 January) and its year.
void DateFormat::AppendIso(std::string& text, const DateTime& d, bool week, bool fill) {
  int64_t days = CivilDays(d.year, d.month, d.day);
  int64_t thursday = days - (DayOfWeek(d) + 6) % 7 + 3;  // the ISO week's Thursday names its year
  int year = 0, month = 0, day = 0;
  FromCivilDays(thursday, year, month, day);
  if (!week) return AppendNumber(text, year, 4, fill);
  AppendNumber(text, static_cast<long>((thursday - CivilDays(year, 1, 1)) / 7 + 1), 2, fill);
}

// The number just written from `from` spelled (SP), as an ordinal (TH), or both, in the case
// the element or the suffix is written in.
void DateFormat::AppendSuffix(std::string& text, size_t from, const Piece& piece) {
  long value = std::strtol(text.c_str() + from, nullptr, 10);
  std::string suffix;
  for (char c : piece.suffix) suffix += Upper(c);
  if (suffix == "TH") {
    std::string ordinal = OrdinalSuffix(value);
    if (piece.suffix[0] >= 'a') {
      for (char& c : ordinal) c = static_cast<char>(c - 'A' + 'a');
    }
    text += ordinal;
    return;
  }
  text.erase(from);
  AppendName(text, SpelledNumber(value, suffix != "SP"), piece.written);
}

bool FormatDate(const DateTime& date, std::string_view format, std::string& text) {
  DateFormat model;
  if (!model.Compile(format)) return false;
  model.Write(date, text);
  return true;
}

bool DateFormat::WriteStored(std::string_view stored, std::string& text) const {
  DateTime date;
  if (!ReadStoredDate(stored, date)) return false;
  Write(date, text);
  return true;
}

namespace {

// The digits a number element takes under FX; 0 for the others.
size_t ExactWidth(int element) {
  switch (element) {
    case kYyyy:
    case kRrrr: return 4;
    case kJ: return 7;
    case kDdd: return 3;
    case kYy:
    case kRr:
    case kMm:
    case kDd:
    case kMi:
    case kSs:
    case kHh:
    case kHh12:
    case kHh24: return 2;
    default: return 0;
  }
}

}  // namespace

int ParseDateText(std::string_view text, std::string_view format, DateTime& date) {
  DateTime d;
  d.year = CurrentYear();
  std::time_t now = std::time(nullptr);
  std::tm* local = std::localtime(&now);
  d.month = local ? local->tm_mon + 1 : 1;
  bool pm = false;
  bool twelveHour = false;
  bool exact = false;  // FX: the text as the model writes it, leading zeros and all
  size_t at = 0;
  auto skipBlanks = [&] {
    while (at < text.size() && text[at] == ' ') ++at;
  };
  for (size_t f = 0; f < format.size();) {
    if (format[f] == '"') {
      size_t close = format.find('"', f + 1);
      if (close == std::string_view::npos) return 1821;
      at += close - f - 1;
      f = close + 1;
      continue;
    }
    int element = ElementAt(format, f);
    if (element < 0) {
      if (std::isalnum(static_cast<unsigned char>(format[f]))) return 1821;
      // Punctuation in the model matches any punctuation (or none) in the text; under FX only itself.
      if (exact && (at >= text.size() || text[at] != format[f])) return 1861;
      ++f;
      if (at < text.size() && !std::isalnum(static_cast<unsigned char>(text[at]))) ++at;
      continue;
    }
    f += ElementLength(element);
    if (element == kFm) continue;
    if (element == kFx) {
      exact = !exact;
      continue;
    }
    if (!exact) skipBlanks();
    if (at >= text.size()) break;  // what the text leaves out keeps its default
    int value = 0;
    bool ok = true;
    int outOfRange = 0;  // the ORA error for a field read outside its range
    size_t elementStart = at;
    switch (element) {
      case kYyyy:
      case kRrrr:
      case kRr:
      case kYy: {
        size_t start = at;
        ok = ReadDigits(text, at, 4, value);
        if (ok && at - start <= 2) value += element == kYy ? CurrentYear() / 100 * 100 : (value < 50 ? 2000 : 1900);
        d.year = value;
        break;
      }
      case kMm: outOfRange = ReadBounded(text, at, d.month, 1, 12, 1843, ok); break;
      case kMon:
      case kMonth: {
        int month = ReadName(text, at, kMonths, 12);
        if (month < 0) return 1843;
        d.month = month + 1;
        break;
      }
      case kDd: outOfRange = ReadBounded(text, at, d.day, 1, 31, 1847, ok); break;
      case kDy:
      case kDay:
        if (ReadName(text, at, kDays, 7) < 0) return 1846;
        break;
      case kHh24: outOfRange = ReadBounded(text, at, d.hour, 0, 23, 1850, ok); break;
      case kHh:
      case kHh12:
        twelveHour = true;
        outOfRange = ReadBounded(text, at, d.hour, 1, 12, 1849, ok);
        break;
      case kMi: outOfRange = ReadBounded(text, at, d.minute, 0, 59, 1851, ok); break;
      case kSs: outOfRange = ReadBounded(text, at, d.second, 0, 59, 1852, ok); break;
      case kAm:
      case kPm:
        pm = StartsWithNoCase(text, at, "PM");
        if (!pm && !StartsWithNoCase(text, at, "AM")) return 1855;
        at += 2;
        break;
      case kJ:
        ok = ReadDigits(text, at, 7, value);
        if (ok) FromCivilDays(value - 1721426, d.year, d.month, d.day);
        break;
      default: ok = ReadDigits(text, at, element == kDdd ? 3 : 2, value); break;
    }
    if (outOfRange) return outOfRange;
    if (!ok) return 1858;
    if (exact && ExactWidth(element) && at - elementStart != ExactWidth(element)) return 1862;
  }
  skipBlanks();
  if (at < text.size()) return 1830;
  if (twelveHour) d.hour = d.hour % 12 + (pm ? 12 : 0);
  if (d.day > DaysInMonth(d.year, d.month)) return 1839;
  date = d;
  return 0;
}

std::string LocalTimestamp() {
  std::time_t now = std::time(nullptr);
  std::tm local = {};
#ifdef _WIN32
  localtime_s(&local, &now);
#else
  localtime_r(&now, &local);
#endif
  char text[32];
  std::strftime(text, sizeof text, "%Y-%m-%d %H:%M:%S", &local);
  return text;
}

}  // namespace ocilite
