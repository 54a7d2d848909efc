#include "ColumnBuffers.h"

#include <algorithm>

#include "OracleCharsets.h"

namespace {

constexpr int kUnknownMaxBytes = 4;
constexpr size_t kNumberText = 172;  // 40 digits, sign, point and exponent, as drivers size it
constexpr size_t kFloatText = 64;
constexpr size_t kDateText = 1024;  // any date format a session may set
constexpr size_t kIntervalText = 64;
constexpr size_t kRowidText = 4001;
constexpr ub4 kLongestVarchar = 4000;

}  // namespace

int MaxBytesPerCharacter(ub2 charsetId) {
  const OracleCharset* set = FindCharsetById(charsetId);
  return set ? set->maxBytes : kUnknownMaxBytes;
}

namespace {

// The buffer the rule gives a type it knows; 0 for any other type.
size_t KnownTypeBytes(const ColumnType& column, int maxBytesPerCharacter) {
  size_t bytes = kLargestColumnBuffer;
  switch (column.dataType) {
    case SQLT_CHR:
    case SQLT_AFC: {
      ub4 characters = column.charSize ? column.charSize : column.dataSize ? column.dataSize : kLongestVarchar;
      bytes = static_cast<size_t>(characters) * static_cast<size_t>(maxBytesPerCharacter) + 1;
      break;
    }
    case SQLT_NUM: bytes = kNumberText; break;
    case SQLT_IBFLOAT:
    case SQLT_IBDOUBLE: bytes = kFloatText; break;
    case SQLT_DAT:
    case SQLT_TIMESTAMP:
    case SQLT_TIMESTAMP_TZ:
    case SQLT_TIMESTAMP_LTZ: bytes = kDateText; break;
    case SQLT_INTERVAL_YM:
    case SQLT_INTERVAL_DS: bytes = kIntervalText; break;
    case SQLT_BIN: bytes = 2 * static_cast<size_t>(column.dataSize) + 1; break;  // two hex digits a byte
    case SQLT_RDD:
    case SQLT_RID: bytes = kRowidText; break;
    case SQLT_LNG:
    case SQLT_CLOB:
    case SQLT_LBI:
    case SQLT_BLOB: break;
    default: return 0;
  }
  return bytes;
}

}  // namespace

bool SizedByDisplaySize(ub2 dataType) {
  ColumnType column;
  column.dataType = dataType;
  return KnownTypeBytes(column, 1) == 0;
}

size_t ColumnBufferBytes(const ColumnType& column, int maxBytesPerCharacter) {
  size_t bytes = KnownTypeBytes(column, maxBytesPerCharacter);
  if (bytes == 0) bytes = static_cast<size_t>(std::max(column.displaySize, column.dataSize)) + 1;
  return std::min(bytes, kLargestColumnBuffer);
}

bool CutShowsHashes(ub2 dataType) {
  switch (dataType) {
    case SQLT_NUM:
    case SQLT_IBFLOAT:
    case SQLT_IBDOUBLE:
    case SQLT_DAT:
    case SQLT_TIMESTAMP:
    case SQLT_TIMESTAMP_TZ:
    case SQLT_TIMESTAMP_LTZ:
    case SQLT_INTERVAL_YM:
    case SQLT_INTERVAL_DS: return true;
    default: return false;
  }
}

std::string CutValueText(const std::string& part, bool hashes) { return hashes ? "#####" : part + "..."; }
