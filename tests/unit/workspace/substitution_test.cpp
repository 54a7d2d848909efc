#include <gtest/gtest.h>

#include <cctype>
#include <string>
#include <vector>

#include "SessionCommands.h"
#include "Substitution.h"

namespace {

using Texts = std::vector<std::string>;

struct SubstitutionCase {
  const char* name;
  Texts lines;  // command lines applied first, in order
  std::string text;
  Texts answers;     // Cancel once they run out
  std::string sent;  // what is sent, or the variable that had no value
  Texts asks;        // prompt, then the box's initial text, and "hidden" for a password box
};

const SubstitutionCase kCases[] = {
    {"no prefix: unchanged", {}, "SELECT 'AT T' FROM dual", {}, "SELECT 'AT T' FROM dual", {}},
    {"undefined: asked, not kept",
     {},
     "SELECT &x, &x FROM dual",
     {"1", "2"},
     "SELECT 1, 2 FROM dual",
     {"Enter value for x:", "", "Enter value for x:", ""}},
    {"&& asks once and keeps",
     {},
     "SELECT &&Tbs, &tbs FROM dual",
     {"USERS"},
     "SELECT USERS, USERS FROM dual",
     {"Enter value for Tbs:", ""}},
    {"period ends a name", {"DEFINE tbs = HR"}, "&tbs._DATA &tbs..x", {}, "HR_DATA HR.x", {}},
    {"script argument", {}, "CONNECT &1", {"hr"}, "CONNECT hr", {"Enter value for 1:", ""}},
    {"inside literals, not in comments",
     {"DEF p = 'pw'"},
     "-- &p\nSELECT '&p' /* &p */ FROM dual",
     {},
     "-- &p\nSELECT 'pw' /* &p */ FROM dual",
     {}},
    {"comment opener inside a literal",
     {"DEFINE v=1"},
     "SELECT '--', &v FROM dual",
     {},
     "SELECT '--', 1 FROM dual",
     {}},
    {"no name after the prefix", {}, "SELECT 'AT & T', 'A&' FROM dual", {}, "SELECT 'AT & T', 'A&' FROM dual", {}},
    {"DEFINE forms",
     {"DEFINE a = bare word", "DEF b = \"two words\"", "define c='it''s'", "DEFINE a", "DEFINE"},
     "&a|&b|&c",
     {},
     "bare|two words|it's",
     {}},
    {"UNDEFINE", {"DEFINE a = 1", "DEFINE b = 2", "UNDEF a b"}, "&a", {"3"}, "3", {"Enter value for a:", ""}},
    {"command lines are substituted", {"DEFINE pass = &1"}, "&pass", {"tiger"}, "tiger", {"Enter value for 1:", ""}},
    {"lines acted on only", {"PROMPT &shown", "REM &note"}, "1", {}, "1", {}},
    {"SET DEFINE OFF", {"SET DEFINE OFF"}, "SELECT 'AT&T' FROM dual", {}, "SELECT 'AT&T' FROM dual", {}},
    {"SET DEFINE c, then ON", {"DEFINE x = 1", "SET DEFINE ~"}, "~x &x", {}, "1 &x", {}},
    {"SET DEFINE ON restores &", {"DEFINE x = 1", "SET DEFINE OFF", "SET DEFINE ON"}, "&x", {}, "1", {}},
    {"SET CONCAT OFF keeps the period", {"DEFINE s = HR", "SET CONCAT OFF"}, "&s..x", {}, "HR..x", {}},
    {"SET CONCAT c", {"DEFINE s = HR", "SET CONCAT +"}, "&s+_DATA", {}, "HR_DATA", {}},
    {"ESCAPE ON", {"DEFINE x = 1", "SET ESCAPE ON"}, "'\\&x' &x", {}, "'&x' 1", {}},
    {"ESCAPE off by default", {"DEFINE x = 1"}, "'\\&x'", {}, "'\\1'", {}},
    {"ACCEPT with PROMPT, DEFAULT and HIDE",
     {"ACCEPT pass CHAR DEFAULT secret PROMPT 'Enter a password for the user HR: ' HIDE"},
     "&pass",
     {"pw"},
     "pw",
     {"Enter a password for the user HR: ", "secret", "hidden"}},
    {"ACCEPT NUMBER asks again",
     {"ACC n NUM"},
     "&n",
     {"ten", "1.5e3"},
     "1.5e3",
     {"Enter value for n:", "", "Enter value for n:", ""}},
    {"ACCEPT NOPROMPT", {"ACCEPT x NOPR"}, "&x", {"v"}, "v", {"Enter value for x:", ""}},
    {"cancel names the variable",
     {},
     "SELECT &&first, &second",
     {"1"},
     "second",
     {"Enter value for first:", "", "Enter value for second:", ""}},
    {"cancel in ACCEPT", {"ACCEPT who PROMPT Name"}, "&who", {}, "who", {"Name", ""}},
};

class Substitutions : public ::testing::TestWithParam<SubstitutionCase> {};

TEST_P(Substitutions, TextSentAndAsksMade) {
  const SubstitutionCase& c = GetParam();
  Texts asks;
  std::size_t answered = 0;
  const SubstitutionAsker ask = [&](const SubstitutionAsk& a, std::string& value) {
    asks.push_back(a.prompt);
    asks.push_back(a.initial);
    if (a.hidden) asks.push_back("hidden");
    if (answered == c.answers.size()) return false;
    value = c.answers[answered++];
    return true;
  };
  SubstitutionSession session;
  std::string sent;
  for (const std::string& line : c.lines) {
    const SessionCommandOutcome outcome = ApplySessionCommand(line, session, ask);
    if (!outcome.complete) sent = outcome.missingName;
  }
  if (sent.empty()) {
    const SubstitutedText substituted = Substitute(c.text, session, ask);
    sent = substituted.complete ? substituted.text : substituted.missingName;
  }
  EXPECT_EQ(c.sent, sent);
  EXPECT_EQ(c.asks, asks);
}

INSTANTIATE_TEST_SUITE_P(Script, Substitutions, ::testing::ValuesIn(kCases),
                         [](const ::testing::TestParamInfo<SubstitutionCase>& info) {
                           std::string name;
                           for (const char c : std::string(info.param.name)) name += std::isalnum(c) ? c : '_';
                           return name;
                         });

TEST(Substitution, OffsetsInTheSentTextMapToTheTypedText) {
  SubstitutionSession session;
  session.Define("t", "EMPLOYEES");
  const SubstitutedText s = Substitute("SELECT x FROM &t. WHERE", session, nullptr);
  ASSERT_EQ("SELECT x FROM EMPLOYEES WHERE", s.text);
  EXPECT_EQ(7u, s.TypedOffset(7));
  EXPECT_EQ(std::string::npos, s.TypedOffset(16));
  EXPECT_EQ(18u, s.TypedOffset(s.text.find("WHERE")));
}

}  // namespace
