#include "XmlName.h"

#include <set>
#include <string_view>

#include "AnsiCodePage.h"

namespace xml {
namespace {

struct Range {
  char32_t first;
  char32_t last;
};

// Letters beyond ASCII: Latin, Greek, Cyrillic, Hebrew, Arabic, Thai, Vietnamese, kana,
// Bopomofo, CJK ideographs and Hangul syllables.
constexpr Range kStartChars[] = {
    {0xC0, 0xD6},     {0xD8, 0xF6},     {0xF8, 0x131},    {0x134, 0x13E},   {0x141, 0x148},   {0x14A, 0x17E},
    {0x180, 0x1C3},   {0x1CD, 0x1F0},   {0x1F4, 0x1F5},   {0x1FA, 0x217},   {0x250, 0x2A8},   {0x2BB, 0x2C1},
    {0x386, 0x386},   {0x388, 0x38A},   {0x38C, 0x38C},   {0x38E, 0x3A1},   {0x3A3, 0x3CE},   {0x401, 0x40C},
    {0x40E, 0x44F},   {0x451, 0x45C},   {0x45E, 0x481},   {0x490, 0x4C4},   {0x5D0, 0x5EA},   {0x621, 0x63A},
    {0x641, 0x64A},   {0xE01, 0xE2E},   {0xE30, 0xE30},   {0xE32, 0xE33},   {0xE40, 0xE45},   {0x1EA0, 0x1EF9},
    {0x3007, 0x3007}, {0x3021, 0x3029}, {0x3041, 0x3094}, {0x30A1, 0x30FA}, {0x3105, 0x312C}, {0x4E00, 0x9FA5},
    {0xAC00, 0xD7A3}};

// Characters a name may hold but not start with, beyond ASCII: the middle dot, combining
// marks, Thai digits and marks, kana iteration and sound marks.
constexpr Range kFollowingChars[] = {{0xB7, 0xB7},     {0x300, 0x345},   {0x360, 0x361},   {0xE31, 0xE31},
                                     {0xE34, 0xE3A},   {0xE47, 0xE4E},   {0xE50, 0xE59},   {0x3005, 0x3005},
                                     {0x3031, 0x3035}, {0x3099, 0x309A}, {0x309D, 0x309E}, {0x30FC, 0x30FE}};

template <std::size_t N>
bool InRanges(char32_t c, const Range (&ranges)[N]) {
  for (const Range& range : ranges) {
    if (c >= range.first && c <= range.last) return true;
  }
  return false;
}

bool IsAsciiLetter(char32_t c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

char32_t CodePointOf(std::string_view character) {
  const auto first = static_cast<unsigned char>(character[0]);
  if (character.size() == 1 && first < 0x80) return first;
  const std::u16string wide = AnsiToUtf16(character);
  if (wide.size() == 1) return wide[0];
  if (wide.size() == 2 && wide[0] >= 0xD800 && wide[0] <= 0xDBFF) {
    return 0x10000 + ((char32_t(wide[0]) - 0xD800) << 10) + (wide[1] - 0xDC00);
  }
  return 0;  // not one character: never part of a name
}

}  // namespace

bool IsNameStartChar(char32_t c) {
  if (c < 0x80) return IsAsciiLetter(c) || c == '_';
  return InRanges(c, kStartChars);
}

bool IsNameChar(char32_t c) {
  if (c < 0x80) return IsAsciiLetter(c) || c == '_' || c == '-' || c == '.' || (c >= '0' && c <= '9');
  return InRanges(c, kStartChars) || InRanges(c, kFollowingChars);
}

}  // namespace xml

std::string MakeElementName(const std::string& heading) {
  std::string name;
  name.reserve(heading.size() + 1);
  std::string_view rest(heading);
  while (!rest.empty()) {
    // Lead bytes of double-byte code pages are never ASCII.
    const std::size_t length = static_cast<unsigned char>(rest[0]) < 0x80 ? 1 : xml::AnsiCharLength(rest);
    const std::string_view character = rest.substr(0, length);
    const char32_t c = xml::CodePointOf(character);
    if (!xml::IsNameChar(c)) {
      name += '_';
    } else {
      if (name.empty() && !xml::IsNameStartChar(c)) name += '_';
      name.append(character);
    }
    rest.remove_prefix(character.size());
  }
  return name.empty() ? "_" : name;
}

std::vector<std::string> MakeUniqueElementNames(const std::vector<std::string>& headings) {
  std::vector<std::string> names;
  names.reserve(headings.size());
  for (const std::string& heading : headings) names.push_back(MakeElementName(heading));
  std::set<std::string> taken(names.begin(), names.end());
  std::set<std::string> seen;
  for (std::string& name : names) {
    if (seen.insert(name).second) continue;
    std::string candidate;
    for (int suffix = 2; !taken.insert(candidate = name + "_" + std::to_string(suffix)).second; ++suffix) {
    }
    name = candidate;
  }
  return names;
}
