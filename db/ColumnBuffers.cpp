#include "ColumnBuffers.h"

#include <algorithm>

namespace {

struct CharacterSet {
  ub2 id;
  int maxBytes;
};

// The common client character sets by their Oracle ids.
constexpr CharacterSet kCharacterSets[] = {
    {1, 1},    // US7ASCII
    {31, 1},   // WE8ISO8859P1
    {46, 1},   // WE8ISO8859P15
    {170, 1},  // EE8MSWIN1250
    {171, 1},  // CL8MSWIN1251
    {178, 1},  // WE8MSWIN1252
    {830, 3},  // JA16EUC
    {832, 2},  // JA16SJIS
    {846, 2},  // KO16MSWIN949
    {852, 2},  // ZHS16GBK
    {854, 4},  // ZHS32GB18030
    {867, 2},  // ZHT16MSWIN950
    {871, 3},  // UTF8
    {873, 4},  // AL32UTF8
};

constexpr int kUnknownMaxBytes = 4;
constexpr size_t kNumberText = 172;  // 40 digits, sign, point and exponent, as drivers size it
constexpr size_t kFloatText = 64;
constexpr size_t kDateText = 1024;  // any date format a session may set
constexpr size_t kIntervalText = 64;
constexpr size_t kRowidText = 4001;
constexpr ub4 kLongestVarchar = 4000;

}  // namespace

int MaxBytesPerCharacter(ub2 charsetId) {
  for (const CharacterSet& set : kCharacterSets) {
    if (set.id == charsetId) return set.maxBytes;
  }
  return kUnknownMaxBytes;
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
    case SQLT_NUM:
      bytes = kNumberText;
      break;
    case SQLT_IBFLOAT:
    case SQLT_IBDOUBLE:
      bytes = kFloatText;
      break;
    case SQLT_DAT:
    case SQLT_TIMESTAMP:
    case SQLT_TIMESTAMP_TZ:
    case SQLT_TIMESTAMP_LTZ:
      bytes = kDateText;
      break;
    case SQLT_INTERVAL_YM:
    case SQLT_INTERVAL_DS:
      bytes = kIntervalText;
      break;
    case SQLT_BIN:
      bytes = 2 * static_cast<size_t>(column.dataSize) + 1;
      break;  // two hex digits a byte
    case SQLT_RDD:
    case SQLT_RID:
      bytes = kRowidText;
      break;
    case SQLT_LNG:
    case SQLT_CLOB:
    case SQLT_LBI:
    case SQLT_BLOB:
      break;
    default:
      return 0;
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
    case SQLT_INTERVAL_DS:
      return true;
    default:
      return false;
  }
}

std::string CutValueText(const std::string& part, bool hashes) { return hashes ? "#####" : part + "..."; }
