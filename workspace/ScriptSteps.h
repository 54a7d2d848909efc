// What a run carries from one statement of the script to the next: the command lines that
// stand before a statement are applied just before it runs (so a DEFINE or ACCEPT earlier in
// the script counts), then its substitution variables are replaced.
#ifndef ZENQUILL_WORKSPACE_SCRIPTSTEPS_H
#define ZENQUILL_WORKSPACE_SCRIPTSTEPS_H

#include <string>
#include <vector>

#include "ScriptSplitter.h"
#include "SessionCommands.h"
#include "Substitution.h"

class ScriptSteps {
 public:
  ScriptSteps(const std::string& text, const std::vector<SplitCommand>& commands, SubstitutionSession& session,
              SubstitutionAsker ask)
      : text_(text), commands_(commands), session_(session), ask_(std::move(ask)) {}

  // Applies the command lines before statement `index` and gives the text to send for it;
  // false when the user cancelled an ask (MissingName says for which variable).
  bool Prepare(std::size_t index, const SplitStatement& statement, std::string& sent);
  // Applies the command lines after the last statement; false as for Prepare.
  bool Finish() { return ApplyCommandsBefore(static_cast<std::size_t>(-1)); }

  bool ContinuesOnError() const { return continueOnError_; }
  const std::string& MissingName() const { return missingName_; }
  // Where an offset in the last text sent falls in the statement as typed; npos when it
  // lies inside a substituted value.
  std::size_t TypedOffset(std::size_t sentOffset) const { return substituted_.TypedOffset(sentOffset); }

 private:
  bool ApplyCommandsBefore(std::size_t index);

  const std::string& text_;
  const std::vector<SplitCommand>& commands_;
  std::size_t nextCommand_ = 0;
  SubstitutionSession& session_;
  SubstitutionAsker ask_;
  bool continueOnError_ = false;
  std::string missingName_;
  SubstitutedText substituted_;
};

// "Stopped: no value for substitution variable name"
std::string NoValueText(const std::string& name);

#endif
