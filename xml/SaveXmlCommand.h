// Save XML data (ID_FILE_SAVE_XML, Ctrl+D): writes the result list as an XML data file, with an
// XSL stylesheet beside it when the XSL setting is on, shows "Saved XML file!" or "Failed to
// save XML file!" in the message line, and opens the file with the shell when the VIEWXML
// setting is on. A file that could not be written whole (a full disk, say) counts as failed;
// the partial file is left in place.
#ifndef ZENQUILL_XML_SAVEXMLCOMMAND_H
#define ZENQUILL_XML_SAVEXMLCOMMAND_H

#include <string>

#include "FileDialog.h"
#include "TableSource.h"

// What the save came to, for the view: nothing at all when the dialog was cancelled, else
// the message line's text and the file to open once the message shows (empty: none).
struct SaveXmlOutcome {
  bool chosen = false;
  std::string message;
  std::string fileToOpen;
};

// The file the user chose: the full path, and where in it the bare name starts.
using ChosenXmlFile = fw::ChosenFile;

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

// Asks for the file and writes `table` into it. The view shows the outcome's message, then
// calls FinishSaveXmlData.
SaveXmlOutcome SaveXmlData(HWND__* owner, const xml::TableSource& table, SaveXmlDesktop& desktop);

// The default beep, then the data file handed to the shell (another beep when that fails).
void FinishSaveXmlData(const SaveXmlOutcome& outcome, SaveXmlDesktop& desktop);

#endif
