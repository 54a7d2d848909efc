// Text between the client's character set and the database's UTF-8, both ways.
#include <gtest/gtest.h>

#include "oci/ClientCharset.h"

namespace {

using ocilite::ClientCharset;

TEST(ClientCharset, ConvertsAtTheBoundary) {
  const struct {
    const char* name;
    const char* set;
    bool toDatabase;
    std::string in;
    std::string out;
  } cases[] = {
      {"ASCII passes", "US7ASCII", true, "SELECT 1", "SELECT 1"},
      {"US7ASCII loses every other byte", "US7ASCII", true, "M\xFC\xDF", "M??"},
      {"US7ASCII reads one ? per character", "US7ASCII", false, "M\xC3\xBC\xE2\x82\xAC", "M??"},
      {"US7ASCII reads a stray byte as ?", "US7ASCII", false, "M\xFC", "M?"},
      {"1252 into UTF-8", "WE8MSWIN1252", true, "M\xFC\x80", "M\xC3\xBC\xE2\x82\xAC"},
      {"UTF-8 into 1252", "WE8MSWIN1252", false, "M\xC3\xBC\xE2\x82\xAC", "M\xFC\x80"},
      {"1252 lacks omega", "WE8MSWIN1252", false, "\xCE\xA9", "?"},
      {"older unconverted bytes stay", "WE8MSWIN1252", false, "\xC3\xBC-\xFC-\xC3", "\xFC-\xFC-\xC3"},
      {"1251 Cyrillic", "CL8MSWIN1251", false, "\xD0\x96", "\xC6"},
      {"932 double-byte", "JA16SJIS", true, "\x82\xA0", "\xE3\x81\x82"},
      {"AL32UTF8 takes bytes as they are", "AL32UTF8", true, "\xFC", "\xFC"},
  };
  for (const auto& c : cases) {
    const ClientCharset charset(*FindCharsetByName(c.set));
    EXPECT_EQ(c.out, c.toDatabase ? charset.DatabaseText(c.in) : charset.ClientText(c.in)) << c.name;
  }
}

}  // namespace
