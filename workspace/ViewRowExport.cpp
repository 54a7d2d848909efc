// Copy rows, Copy rows with headings and Save CSV data: the result's rows, in the list's
// current order, as tab text on the clipboard and as a CSV file.
#include <windows.h>

#include <new>
#include <string>
#include <vector>

#include "Clipboard.h"
#include "CsvFile.h"
#include "CurrentDirectoryKeeper.h"
#include "FileDialog.h"
#include "ResultMemoryCap.h"
#include "ResultSet.h"
#include "SafeSave.h"
#include "TextTable.h"
#include "WaitCursor.h"
#include "ZenquillView.h"

namespace {

// The result list's rows, read from its store in the order the list shows them.
class ListRows : public xml::RowSource {
 public:
  explicit ListRows(const results::ResultSet& rows) : rows_(rows) {}

  int ColumnCount() const override { return rows_.ColumnCount(); }
  int RowCount() const override { return rows_.RowCount(); }
  std::string Heading(int column) const override { return rows_.Heading(column); }
  std::string_view RowText(int row) const override { return rows_.RowText(row); }

 private:
  const results::ResultSet& rows_;
};

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
  const ListRows source(resultList.Rows());
  std::vector<int> rows;
  fw::ClipboardResult result;
  try {
    rows = resultList.SelectedRows();
    result = PutOnClipboard(Hwnd(), xml::TabText(source, rows, withHeadings));
  } catch (const std::bad_alloc&) {
    result = fw::ClipboardResult::NoMemory;
  }
  const std::string count = std::to_string(rows.empty() ? source.RowCount() : static_cast<int>(rows.size()));
  switch (result) {
    case fw::ClipboardResult::Copied: ReportFileOutcome("Copied " + count + " rows"); break;
    case fw::ClipboardResult::NoMemory: ReportFileOutcome("Not enough memory to copy " + count + " rows"); break;
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
  const ListRows source(resultList.Rows());
  const bool saved =
      SaveThroughTemporaryFile(file.path, [&](const std::string& saving) { return xml::WriteCsvFile(saving, source); });
  ReportFileOutcome(saved ? "Saved CSV file!" : "Failed to save CSV file!");
}
