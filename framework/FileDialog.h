// The common open and save dialogs, as the program's file commands ask for them.
#ifndef ZENQUILL_FRAMEWORK_FILEDIALOG_H
#define ZENQUILL_FRAMEWORK_FILEDIALOG_H

#include <windows.h>

#include <cstddef>
#include <string>

namespace fw {

struct FileDialogOptions {
  const char* filter;            // pairs of NUL-terminated texts, ending in an empty one
  const char* initialName;       // "*.sql", say
  const char* defaultExtension;  // appended to a name typed without one
  bool saving;                   // the save dialog, with no prompt before replacing a file
  bool mustExist;                // the open dialog accepts existing files only
};

// The file the user chose: the full path, and where in it the bare name starts.
struct ChosenFile {
  std::string path;
  std::size_t nameOffset = 0;
};

// False when the user cancelled. The dialog may leave the current directory elsewhere.
bool ChooseFile(HWND owner, const FileDialogOptions& options, ChosenFile& file);

}  // namespace fw

#endif
