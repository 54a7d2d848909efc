// The result as a CSV file: UTF-8 with a byte-order mark, so that spreadsheets read every
// character right; the headings line, then every row, CR LF line ends, RFC 4180 quoting.
#ifndef ZENQUILL_XML_CSVFILE_H
#define ZENQUILL_XML_CSVFILE_H

#include <string>

#include "RowSource.h"

namespace xml {

// Creates or replaces the file at `path` and writes the source into it. False when it could
// not be created or written whole, or memory ran out; what was written then stays on disk.
bool WriteCsvFile(const std::string& path, const RowSource& source);

}  // namespace xml

#endif
