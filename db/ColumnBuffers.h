// How each select-list column is fetched as text: the buffer its type needs (Oracle's
// display sizes say nothing reliable for numbers, dates, raw data or large objects) and how
// a value cut to fit that buffer is shown.
#ifndef ZENQUILL_DB_COLUMNBUFFERS_H
#define ZENQUILL_DB_COLUMNBUFFERS_H

#include <cstddef>
#include <string>

#include "OciApi.h"

// A column as its parameter describes it; displaySize is read only where the type needs it.
struct ColumnType {
  ub2 dataType = 0;
  ub4 dataSize = 0;
  ub4 charSize = 0;
  ub4 displaySize = 0;
};

constexpr size_t kLargestColumnBuffer = 65535;

// Bytes per character, at most, of the client's character set; 4 for a set we do not know.
int MaxBytesPerCharacter(ub2 charsetId);

// Whether the rule below falls back on the display size for this type.
bool SizedByDisplaySize(ub2 dataType);

// Bytes including the terminating zero, never more than kLargestColumnBuffer.
size_t ColumnBufferBytes(const ColumnType& column, int maxBytesPerCharacter);

// Numbers and dates cut short would read as other values: they show as "#####" instead.
bool CutShowsHashes(ub2 dataType);

// What the list shows for a value that did not fit: the part that did and "...", or "#####".
std::string CutValueText(const std::string& part, bool hashes);

#endif
