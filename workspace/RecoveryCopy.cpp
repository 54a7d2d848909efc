#include "RecoveryCopy.h"

#include <cstdio>

#include "ScriptFile.h"

void RecoveryCopy::Keep(const std::string& text) {
  if (text == kept_) return;
  if (WriteScriptFile(path_, text)) kept_ = text;
}

bool RecoveryCopy::Take(std::string& text) {
  taken_ = true;
  return ReadScriptFile(path_, text) && !text.empty();
}

void RecoveryCopy::Discard() {
  if (!taken_) return;
  std::remove(path_.c_str());
  kept_.clear();
}
