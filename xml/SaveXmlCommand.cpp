#include "SaveXmlCommand.h"

#include <windows.h>

#include "CurrentDirectoryKeeper.h"
#include "Settings.h"
#include "WaitCursor.h"
#include "XmlExport.h"

SaveXmlOutcome SaveXmlData(HWND owner, const xml::TableSource& table, SaveXmlDesktop& desktop) {
  const bool withStylesheet = settings::ReadFlag(settings::kXsl);
  const bool viewAfterSaving = settings::ReadFlag(settings::kViewXml);
  const fw::CurrentDirectoryKeeper directory;
  ChosenXmlFile file;
  SaveXmlOutcome outcome;
  if (!desktop.ChooseFile(owner, file)) return outcome;
  const fw::WaitCursor wait;
  const bool saved = xml::ExportTable(file.path, file.nameOffset, withStylesheet, table);
  outcome.chosen = true;
  outcome.message = saved ? "Saved XML file!" : "Failed to save XML file!";
  if (viewAfterSaving) outcome.fileToOpen = file.path;
  return outcome;
}

void FinishSaveXmlData(const SaveXmlOutcome& outcome, SaveXmlDesktop& desktop) {
  desktop.Beep();
  if (!outcome.fileToOpen.empty() && !desktop.OpenWithShell(outcome.fileToOpen)) desktop.Beep();
}
