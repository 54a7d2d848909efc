// INTERVAL literals: INTERVAL '2-6' YEAR TO MONTH, INTERVAL '4 5:12:10' DAY TO SECOND and their
// one-field forms. The parser reads each into a count of months or days, which date
// arithmetic adds (ZQ_ADD_INTERVAL_MONTHS keeps Oracle's ORA-01839 for a day the month lacks);
// one standing alone shows as Oracle shows it (+02-06, +04 05:12:10.000000).
#ifndef ZENQUILL_OCILITE_SQLINTERVAL_H
#define ZENQUILL_OCILITE_SQLINTERVAL_H

#include <string>

namespace ocilite {

struct Interval {
  bool yearToMonth = false;
  double amount = 0;  // months for YEAR TO MONTH, days for DAY TO SECOND
  int precision = 2;  // the leading field's digits
};

// The calls the parser makes of a literal, by its kind.
extern const char kIntervalMonths[];  // ZQ_INTERVAL_YM(months, precision)
extern const char kIntervalDays[];    // ZQ_INTERVAL_DS(days, precision)

// Reads the literal's text by its fields (YEAR, MONTH, DAY, HOUR, MINUTE, SECOND; `last`
// empty for one field): 0, or the ORA error Oracle gives (01867 invalid, 01873 precision).
int ReadInterval(const std::string& text, const std::string& first, const std::string& last, Interval& interval);

}  // namespace ocilite

#endif
