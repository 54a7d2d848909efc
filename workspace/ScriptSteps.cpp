#include "ScriptSteps.h"

bool ScriptSteps::ApplyCommandsBefore(std::size_t index) {
  for (; nextCommand_ < commands_.size() && commands_[nextCommand_].before <= index; ++nextCommand_) {
    const SplitCommand& command = commands_[nextCommand_];
    const SessionCommandOutcome outcome =
        ApplySessionCommand(text_.substr(command.start, command.end - command.start), session_, ask_);
    if (!outcome.complete) {
      missingName_ = outcome.missingName;
      return false;
    }
    if (outcome.onSqlError != SqlErrorAction::Unchanged) {
      continueOnError_ = outcome.onSqlError == SqlErrorAction::Continue;
    }
  }
  return true;
}

bool ScriptSteps::Prepare(std::size_t index, const SplitStatement& statement, std::string& sent) {
  if (!ApplyCommandsBefore(index)) return false;
  substituted_ = Substitute(statement.text, session_, ask_);
  if (!substituted_.complete) {
    missingName_ = substituted_.missingName;
    return false;
  }
  sent = substituted_.text;
  return true;
}

std::string NoValueText(const std::string& name) { return "Stopped: no value for substitution variable " + name; }
