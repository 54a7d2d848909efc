// Handing a document or web address to the Windows shell.
#ifndef ZENQUILL_FRAMEWORK_SHELL_H
#define ZENQUILL_FRAMEWORK_SHELL_H

namespace fw {

// ShellExecuteA with no owner, the verb "open", no parameters, no directory and
// SW_SHOWNORMAL. When the shell reports failure (32 or less) it plays the default
// beep and returns false.
bool OpenWithShellOrBeep(const char* target);

}  // namespace fw

#endif
