#include "CommandLine.h"

namespace fw {

std::vector<std::string> SplitCommandLine(const std::string& line) {
  std::vector<std::string> words;
  std::string word;
  bool inWord = false;
  bool quoted = false;
  for (char c : line) {
    if (c == '"') {
      quoted = !quoted;
      inWord = true;
    } else if ((c == ' ' || c == '\t') && !quoted) {
      if (inWord) words.push_back(word);
      word.clear();
      inWord = false;
    } else {
      word += c;
      inWord = true;
    }
  }
  if (inWord) words.push_back(word);
  return words;
}

ShellCommand ParseShellCommand(const std::string& line) {
  ShellCommand command;
  for (const std::string& word : SplitCommandLine(line)) {
    const bool isSwitch = !word.empty() && (word[0] == '/' || word[0] == '-');
    if (!isSwitch) {
      command.openFile = true;
      command.path = word;
      break;
    }
  }
  return command;
}

}  // namespace fw
