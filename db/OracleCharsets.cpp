#include "OracleCharsets.h"

#include <cctype>

namespace {

using K = CharsetKind;

// Ids from Oracle's list of character sets.
constexpr OracleCharset kCharsets[] = {
    {"US7ASCII", 1, 1, K::Ascii, 0, false},
    {"WE8ISO8859P1", 31, 1, K::CodePage, 28591, false},
    {"TH8TISASCII", 41, 1, K::CodePage, 874, true},
    {"VN8MSWIN1258", 45, 1, K::CodePage, 1258, true},
    {"WE8ISO8859P15", 46, 1, K::CodePage, 28605, false},
    {"EE8MSWIN1250", 170, 1, K::CodePage, 1250, true},
    {"CL8MSWIN1251", 171, 1, K::CodePage, 1251, true},
    {"EL8MSWIN1253", 174, 1, K::CodePage, 1253, true},
    {"IW8MSWIN1255", 175, 1, K::CodePage, 1255, true},
    {"TR8MSWIN1254", 177, 1, K::CodePage, 1254, true},
    {"WE8MSWIN1252", 178, 1, K::CodePage, 1252, true},
    {"BLT8MSWIN1257", 179, 1, K::CodePage, 1257, true},
    {"AR8MSWIN1256", 560, 1, K::CodePage, 1256, true},
    {"JA16EUC", 830, 3, K::CodePage, 20932, false},
    {"JA16SJIS", 832, 2, K::CodePage, 932, true},
    {"KO16MSWIN949", 846, 2, K::CodePage, 949, true},
    {"ZHS16GBK", 852, 2, K::CodePage, 936, true},
    {"ZHS32GB18030", 854, 4, K::CodePage, 54936, false},
    {"ZHT16MSWIN950", 867, 2, K::CodePage, 950, true},
    {"UTF8", 871, 3, K::Utf8, 0, false},
    {"AL32UTF8", 873, 4, K::Utf8, 0, false},
};

bool SameName(const std::string& text, const char* name) {
  size_t i = 0;
  for (; i < text.size() && name[i]; ++i)
    if (std::toupper(static_cast<unsigned char>(text[i])) != name[i]) return false;
  return i == text.size() && !name[i];
}

}  // namespace

const OracleCharset* FindCharsetByName(const std::string& name) {
  for (const OracleCharset& set : kCharsets)
    if (SameName(name, set.name)) return &set;
  return nullptr;
}

const OracleCharset* FindCharsetById(uint16_t id) {
  for (const OracleCharset& set : kCharsets)
    if (set.id == id) return &set;
  return nullptr;
}

const OracleCharset* CharsetForAnsiCodePage(unsigned codePage) {
  for (const OracleCharset& set : kCharsets)
    if (set.ansiCodePageSet && set.codePage == codePage) return &set;
  return nullptr;
}

const OracleCharset& DefaultClientCharset() { return kCharsets[0]; }
