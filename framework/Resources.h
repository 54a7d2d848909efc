// Access to the program's own resources and the framework's message box. Resources are
// always taken from the executable that runs.
#ifndef ZENQUILL_FRAMEWORK_RESOURCES_H
#define ZENQUILL_FRAMEWORK_RESOURCES_H

#include <windows.h>

#include <string>

namespace fw {

HINSTANCE ResourceInstance();
// The string resource id, or an empty text when there is none.
std::string LoadResString(unsigned id);
// The application's name (string IDS_APP_TITLE), the caption of its message boxes.
std::string AppName();
// A modal message box with the application's name as caption; the result of MessageBoxA.
int AppMessageBox(HWND owner, const std::string& text, UINT type);

// The window's whole text.
std::string WindowText(HWND window);

}  // namespace fw

#endif
