#include "SaveXmlCommand.h"

#include <windows.h>

#include "CurrentDirectoryKeeper.h"
#include "ListViewTable.h"
#include "WaitCursor.h"
#include "settings/Settings.h"
#include "XmlExport.h"

void RunSaveXmlData(HWND owner, HWND resultList, SaveXmlHost& host) {
  RunSaveXmlData(owner, resultList, host, SystemDesktop());
}

void RunSaveXmlData(HWND owner, HWND resultList, SaveXmlHost& host, SaveXmlDesktop& desktop) {
  const bool withStylesheet = settings::ReadFlag(settings::kXsl);
  const bool viewAfterSaving = settings::ReadFlag(settings::kViewXml);
  const fw::CurrentDirectoryKeeper directory;
  ChosenXmlFile file;
  if (!desktop.ChooseFile(owner, file)) return;
  host.ReadControls();
  const fw::WaitCursor wait;
  const bool saved = xml::ExportTable(file.path, file.nameOffset, withStylesheet, xml::ListViewTable(resultList));
  host.SetMessageText(saved ? "Saved XML file!" : "Failed to save XML file!");
  host.WriteControls();
  desktop.Beep();
  if (viewAfterSaving && !desktop.OpenWithShell(file.path)) desktop.Beep();
}
