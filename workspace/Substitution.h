// Substitution variables as SQL*Plus replaces them in a script: "&name" by the variable's
// value (asked for when it is not defined), "&&name" asked once and kept, a period right
// after a name ending it. The variables and the SET DEFINE, CONCAT and ESCAPE states are a
// session's: they last from one run to the next.
#ifndef ZENQUILL_WORKSPACE_SUBSTITUTION_H
#define ZENQUILL_WORKSPACE_SUBSTITUTION_H

#include <cstddef>
#include <functional>
#include <map>
#include <string>
#include <vector>

struct SubstitutionSession {
  bool defineOn = true;
  char defineChar = '&';
  bool concatOn = true;
  char concatChar = '.';
  bool escapeOn = false;
  char escapeChar = '\\';
  std::map<std::string, std::string> variables;  // by upper-case name

  const std::string* Find(const std::string& name) const;
  void Define(const std::string& name, const std::string& value);
  void Undefine(const std::string& name);
};

// One question for a value: the prompt, the value the edit box starts with, and whether it
// is a password box.
struct SubstitutionAsk {
  std::string prompt;
  std::string initial;
  bool hidden = false;
};

// Answers an ask; false when the user cancelled.
using SubstitutionAsker = std::function<bool(const SubstitutionAsk& ask, std::string& value)>;

// "Enter value for name:"
std::string EnterValueFor(const std::string& name);

// One reference replaced: where it stood in the typed text and where its value stands in
// the text sent.
struct SubstitutedReference {
  std::size_t typedStart, typedEnd;
  std::size_t sentStart, sentEnd;
};

struct SubstitutedText {
  bool complete = true;     // false when an ask was cancelled
  std::string missingName;  // then: the variable, as written
  std::string text;
  std::vector<SubstitutedReference> references;

  // The typed-text offset of a sent-text offset; npos when it lies inside a value.
  std::size_t TypedOffset(std::size_t sentOffset) const;
};

// Replaces the references of `text` (comments are left alone) with the session's rules.
SubstitutedText Substitute(const std::string& text, SubstitutionSession& session, const SubstitutionAsker& ask);

#endif
