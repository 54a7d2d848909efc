#include <gtest/gtest.h>

#include <string>

#include "XmlName.h"

namespace {

struct NameCase {
  const char* name;
  std::string heading;
  std::string expected;
};

class MakeElementNameTest : public testing::TestWithParam<NameCase> {};

TEST_P(MakeElementNameTest, GivesAValidXmlName) {
  EXPECT_EQ(GetParam().expected, MakeElementName(GetParam().heading));
}

INSTANTIATE_TEST_SUITE_P(
    ElevenReplacements, MakeElementNameTest,
    testing::Values(NameCase{"Plain", "ENAME", "ENAME"}, NameCase{"KeepsCase", "eName", "eName"},
                    NameCase{"CountStar", "COUNT(*)", "COUNT___"},
                    NameCase{"SpaceAndHash", "MY COL#2", "MY_COL_2"},
                    NameCase{"ColumnOfAScript", "Column 1", "Column_1"},
                    NameCase{"AllEleven", "a &<>\\'\"()*#b", "a___________b"}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    OtherNonNameCharacters, MakeElementNameTest,
    testing::Values(NameCase{"Slash", "A/B", "A_B"},
                    NameCase{"Punctuation", "a,+$%;=?@[]^`{|}~!b", "a_________________b"},
                    NameCase{"ColonIsANamespacePrefix", "x:y", "x_y"},
                    NameCase{"ControlCharacters", "a\tb\x01", "a_b_"},
                    NameCase{"KeepsDotDashDigitUnderscore", "A.b-9_c", "A.b-9_c"},
                    NameCase{"LatinLetters", "\xC9t\xE9", "\xC9t\xE9"},
                    NameCase{"MultiplicationSignIsNoLetter", "a\xD7" "b", "a_b"},
                    NameCase{"MiddleDotInside", "a\xB7" "b", "a\xB7" "b"},
                    NameCase{"EuroSign", "PRICE\x80", "PRICE_"},
                    NameCase{"NoBreakSpace", "A\xA0" "B", "A_B"}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

INSTANTIATE_TEST_SUITE_P(
    FirstCharacter, MakeElementNameTest,
    testing::Values(NameCase{"Digit", "1ST", "_1ST"}, NameCase{"Dot", ".x", "_.x"},
                    NameCase{"Dash", "-x", "_-x"}, NameCase{"Empty", "", "_"},
                    NameCase{"MiddleDot", "\xB7x", "_\xB7x"},
                    NameCase{"ReplacedCharacterNeedsNoPrefix", "(1)", "_1_"},
                    NameCase{"Underscore", "_1", "_1"}, NameCase{"OnlyDigits", "123", "_123"}),
    [](const testing::TestParamInfo<NameCase>& info) { return std::string(info.param.name); });

}  // namespace
