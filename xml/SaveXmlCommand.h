#pragma once
// Save XML data (command 32817, Ctrl+D): writes the result list as an XML data file, with an
// XSL stylesheet beside it when the XSL setting is on, shows "Saved XML file!" or "Failed to
// save XML file!" in the message line, and opens the file with the shell when the VIEWXML
// setting is on. A file that could not be written whole (a full disk, say) counts as failed;
// the partial file is left in place.
#include <cstddef>
#include <string>

struct HWND__;

// The view's side of the command: its data exchange and its message line.
class SaveXmlHost {
 public:
  virtual void ReadControls() = 0;
  virtual void WriteControls() = 0;
  virtual void SetMessageText(const std::string& text) = 0;

 protected:
  ~SaveXmlHost() = default;
};

// The file the user chose: the full path, and where in it the bare name starts.
struct ChosenXmlFile {
  std::string path;
  std::size_t nameOffset = 0;
};

// What the command asks of the desktop; a test puts its own in place of the system's.
class SaveXmlDesktop {
 public:
  virtual bool ChooseFile(HWND__* owner, ChosenXmlFile& file) = 0;  // false when cancelled
  virtual bool OpenWithShell(const std::string& path) = 0;          // false when it failed
  virtual void Beep() = 0;

 protected:
  ~SaveXmlDesktop() = default;
};

// The system's: the save-file dialog, the shell's "open", the default beep.
SaveXmlDesktop& SystemDesktop();

// The save-file dialog for XML files: default extension "xml", initial name "*.xml",
// filters "XML Files (*.xml)" and "All Files (*.*)", no confirmation before replacing.
bool ShowSaveXmlDialog(HWND__* owner, ChosenXmlFile& file);

void RunSaveXmlData(HWND__* owner, HWND__* resultList, SaveXmlHost& host);
void RunSaveXmlData(HWND__* owner, HWND__* resultList, SaveXmlHost& host, SaveXmlDesktop& desktop);
