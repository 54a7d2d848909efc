// The framework's standard reading of a command line: switches (words starting with
// "/" or "-") are passed over, and the first other word, quoted or not, names a
// document file to open. Without one a new, untitled document is created.
#ifndef ZENQUILL_FRAMEWORK_COMMANDLINE_H
#define ZENQUILL_FRAMEWORK_COMMANDLINE_H

#include <string>
#include <vector>

namespace fw {

// The words of a command line: blanks and tabs separate, double quotes group.
std::vector<std::string> SplitCommandLine(const std::string& line);

struct ShellCommand {
  bool openFile = false;
  std::string path;  // the file to open when openFile is set
};

// line holds the arguments only, without the program's own name.
ShellCommand ParseShellCommand(const std::string& line);

}  // namespace fw

#endif
