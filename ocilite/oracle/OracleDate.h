// Oracle's DATE over the text SQLite keeps ("YYYY-MM-DD HH:MM:SS"): reading and writing by
// Oracle's format models (DD-MON-RR, YYYY-MM-DD HH24:MI:SS, FMMonth DD, ...) and the day
// arithmetic the date functions share.
#ifndef ZENQUILL_OCILITE_ORACLEDATE_H
#define ZENQUILL_OCILITE_ORACLEDATE_H

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace ocilite {

struct DateTime {
  int year = 1;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// "YYYY-MM-DD" or "YYYY-MM-DD HH:MM:SS", as the library stores a date.
bool ReadStoredDate(std::string_view text, DateTime& date);
std::string StoredDate(const DateTime& date);

// Days since 0001-01-01 with the time as a fraction, and back.
double DateToDays(const DateTime& date);
DateTime DaysToDate(double days);
int DaysInMonth(int year, int month);
int DayOfWeek(const DateTime& date);  // 0: Sunday

// Writes `date` by an Oracle format model; false when the model is not one (ORA-01821).
bool FormatDate(const DateTime& date, std::string_view format, std::string& text);

// A format model read once, to write many dates by it.
class DateFormat {
 public:
  // False when `model` is no Oracle date format model (ORA-01821).
  bool Compile(std::string_view model);
  void Write(const DateTime& date, std::string& text) const;
  // False when `stored` is no stored date.
  bool WriteStored(std::string_view stored, std::string& text) const;

 private:
  struct Piece {
    int element = -1;     // an index into the elements, or -1 for literal text
    std::string written;  // the element as written (its case says the names' case), or the literal
    bool fill = true;     // padded, unless FM says otherwise
    std::string suffix;   // SP, TH, SPTH or THSP after a number element, as written
  };
  static void AppendIso(std::string& text, const DateTime& date, bool week, bool fill);
  static void AppendSuffix(std::string& text, size_t from, const Piece& piece);
  std::vector<Piece> pieces_;
};

// Reads `text` by an Oracle format model: 0, or the ORA error number that Oracle gives.
int ParseDateText(std::string_view text, std::string_view format, DateTime& date);
inline bool ParseDate(std::string_view text, std::string_view format, DateTime& date) {
  return ParseDateText(text, format, date) == 0;
}

// The local time as the library shows dates: YYYY-MM-DD HH:MM:SS.
std::string LocalTimestamp();

}  // namespace ocilite

#endif
