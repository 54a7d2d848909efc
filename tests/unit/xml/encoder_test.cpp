#include <gtest/gtest.h>

#include <string>

#include "XmlEncoder.h"

namespace {

struct Case {
  const char* name;
  std::string input;
  std::string expected;
};

class EscapeTest : public testing::TestWithParam<Case> {};

TEST_P(EscapeTest, ReplacesTheSixCharactersOnly) {
  EXPECT_EQ(GetParam().expected, CXmlEncoder::Escape(GetParam().input));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, EscapeTest,
    testing::Values(Case{"Empty", "", ""}, Case{"Plain", "Smith and Sons", "Smith and Sons"},
                    Case{"Ampersand", "Smith & Sons", "Smith &#38; Sons"},
                    Case{"HashAndTag", "#1 <b>", "&#35;1 &#60;b&#62;"},
                    Case{"Quotes", "'it' \"is\"", "&#39;it&#39; &#34;is&#34;"},
                    Case{"AllSixInARow", "<&>'\"#", "&#60;&#38;&#62;&#39;&#34;&#35;"},
                    Case{"OnlySpecials", std::string(40, '&'), [] {
                           std::string s;
                           for (int i = 0; i < 40; ++i) s += "&#38;";
                           return s;
                         }()},
                    Case{"HighBytesUntouched", "\xE9\x80;", "\xE9\x80;"},
                    Case{"LineBreaksKept", "a\r\nb", "a\r\nb"}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

class ToUtf8Test : public testing::TestWithParam<Case> {};

TEST_P(ToUtf8Test, ConvertsFromTheAnsiCodePage) {
  EXPECT_EQ(GetParam().expected, CXmlEncoder::ToUtf8(GetParam().input));
}

// The expected bytes hold for Windows-1252, the native build's code page and Wine's default.
INSTANTIATE_TEST_SUITE_P(
    Cases, ToUtf8Test,
    testing::Values(Case{"Empty", "", ""}, Case{"Ascii", "<doc>\n  <row>", "<doc>\n  <row>"},
                    Case{"LatinSmallEAcute", "\xE9", "\xC3\xA9"},
                    Case{"EuroSign", "\x80", "\xE2\x82\xAC"},
                    Case{"YDiaeresisAtTheTop", "\xFF", "\xC3\xBF"},
                    Case{"NoBreakSpace", "\xA0", "\xC2\xA0"},
                    Case{"RightSingleQuote", "it\x92s", "it\xE2\x80\x99s"},
                    Case{"UndefinedByteKeptAsC1", "\x81", "\xC2\x81"},
                    Case{"TabLineFeedReturnKept", "a\tb\nc\rd", "a\tb\nc\rd"},
                    Case{"ControlsBecomeReplacement", "a\x01z\x1F", "a\xEF\xBF\xBDz\xEF\xBF\xBD"},
                    Case{"ControlNextToHighByte", "\x07\xE9", "\xEF\xBF\xBD\xC3\xA9"},
                    Case{"StopsAtZeroByte", std::string("ab\0\xE9", 4), "ab"}),
    [](const testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

}  // namespace

#ifndef _WIN32
#include "Cp1252Oracle.h"

namespace {

TEST(ToUtf8Native, EveryHighByteAgreesWithTheCLibrarysWindows1252) {
  int undefined = 0;
  for (int byte = 0x80; byte <= 0xFF; ++byte) {
    if (xmltest::Cp1252ToUtf8(static_cast<unsigned char>(byte)).empty()) ++undefined;
    EXPECT_EQ(xmltest::ExpectedUtf8Of(static_cast<unsigned char>(byte)),
              CXmlEncoder::ToUtf8(std::string(1, static_cast<char>(byte))))
        << "byte 0x" << std::hex << byte;
  }
  EXPECT_EQ(5, undefined);  // 0x81, 0x8D, 0x8F, 0x90, 0x9D
}

}  // namespace
#endif
