// Copy rows, Copy rows with headings and Save CSV data: the result's rows, in the list's
// current order, as tab text on the clipboard and as a CSV file.
#include <windows.h>
#include <commctrl.h>

#include <new>
#include <string>
#include <vector>

#include "Clipboard.h"
#include "CsvFile.h"
#include "CurrentDirectoryKeeper.h"
#include "FileDialog.h"
#include "ListViewTable.h"
#include "ResultMemoryCap.h"
#include "SafeSave.h"
#include "TableRows.h"
#include "TextTable.h"
#include "WaitCursor.h"
#include "ZenquillView.h"

namespace {

// The list's selected rows, top to bottom.
std::vector<int> SelectedRows(HWND list) {
  std::vector<int> rows;
  for (int row = ListView_GetNextItem(list, -1, LVNI_SELECTED); row >= 0;
       row = ListView_GetNextItem(list, row, LVNI_SELECTED)) {
    rows.push_back(row);
  }
  return rows;
}

// The text is counted against the result's memory before the clipboard's two copies of it
// are made. Throws std::bad_alloc when that goes past the cap.
fw::ClipboardResult PutOnClipboard(HWND owner, const std::string& text) {
  fw::ResultMemoryLoan memory;
  memory.Take(text.size() * (1 + sizeof(wchar_t)));
  return fw::PutTextOnClipboard(owner, text);
}

bool ChooseCsvFile(HWND owner, fw::ChosenFile& file) {
  const fw::CurrentDirectoryKeeper directory;
  const fw::FileDialogOptions options = {"CSV files (*.csv)\0*.csv\0", "*.csv", "csv", true, false};
  return fw::ChooseFile(owner, options, file);
}

}  // namespace

// The selected rows, or every row when none is selected.
void CZenquillView::OnCopyRows(bool withHeadings) {
  const fw::WaitCursor wait;
  const xml::ListViewTable table(resultList.Handle());
  const xml::TableRows source(table);
  std::vector<int> rows;
  fw::ClipboardResult result;
  try {
    rows = SelectedRows(resultList.Handle());
    result = PutOnClipboard(Hwnd(), xml::TabText(source, rows, withHeadings));
  } catch (const std::bad_alloc&) {
    result = fw::ClipboardResult::NoMemory;
  }
  const std::string count = std::to_string(rows.empty() ? source.RowCount() : static_cast<int>(rows.size()));
  switch (result) {
    case fw::ClipboardResult::Copied:
      ReportFileOutcome("Copied " + count + " rows");
      break;
    case fw::ClipboardResult::NoMemory:
      ReportFileOutcome("Not enough memory to copy " + count + " rows");
      break;
    case fw::ClipboardResult::Busy:
      MessageBeep(0);  // the clipboard, held by another program, keeps what it held
      break;
  }
}

// Written through a temporary file, so that a failed write never leaves a half file.
void CZenquillView::OnSaveCsvData() {
  fw::ChosenFile file;
  if (!ChooseCsvFile(Hwnd(), file)) return;
  const fw::WaitCursor wait;
  const xml::ListViewTable table(resultList.Handle());
  const xml::TableRows source(table);
  const bool saved = SaveThroughTemporaryFile(
      file.path, [&](const std::string& saving) { return xml::WriteCsvFile(saving, source); });
  ReportFileOutcome(saved ? "Saved CSV file!" : "Failed to save CSV file!");
}
