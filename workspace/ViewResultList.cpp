#include "ViewResultList.h"

#include <commctrl.h>

#include "Resources.h"
#include "ResultMemoryCap.h"
#include "SubstitutionDialog.h"

namespace {

// What a row costs the list beyond its texts, as the test-only cap counts it.
constexpr std::size_t kCellOverhead = 16;

}  // namespace

void ResultListWindow::Clear() {
  // Without redrawing, a million rows go in a fraction of the time.
  SetRedraw(false);
  SendMessageA(list_, LVM_DELETEALLITEMS, 0, 0);
  for (int columns = ColumnCount(); columns > 0; --columns) SendMessageA(list_, LVM_DELETECOLUMN, 0, 0);
  fw::ReleaseResultMemory();
  SetRedraw(true);
}

int ResultListWindow::ColumnCount() const {
  HWND header = reinterpret_cast<HWND>(SendMessageA(list_, LVM_GETHEADER, 0, 0));
  return static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
}

void ResultListWindow::AddColumn(const std::string& heading, int width) {
  LVCOLUMNA column = {};
  column.mask = LVCF_FMT | LVCF_WIDTH | LVCF_TEXT | LVCF_SUBITEM;
  column.fmt = LVCFMT_LEFT;
  column.cx = width;
  column.pszText = const_cast<char*>(heading.c_str());
  column.iSubItem = ColumnCount();
  SendMessageA(list_, LVM_INSERTCOLUMNA, column.iSubItem, reinterpret_cast<LPARAM>(&column));
}

// Text and state only: no row is selected, no image, item data 0. A row the list cannot
// take whole is taken out again.
bool ResultListWindow::AppendRow(const std::vector<std::string>& values) {
  std::size_t bytes = 0;
  for (const std::string& value : values) bytes += value.size() + kCellOverhead;
  fw::HoldResultMemory(bytes);
  LVITEMA item = {};
  item.mask = LVIF_TEXT | LVIF_STATE;
  item.iItem = RowCount();
  item.stateMask = LVIS_SELECTED;
  item.pszText = const_cast<char*>(values.empty() ? "" : values[0].c_str());
  const LRESULT row = SendMessageA(list_, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
  if (row < 0) return false;
  for (std::size_t column = 1; column < values.size(); ++column) {
    LVITEMA cell = {};
    cell.iSubItem = static_cast<int>(column);
    cell.pszText = const_cast<char*>(values[column].c_str());
    if (!SendMessageA(list_, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&cell))) {
      SendMessageA(list_, LVM_DELETEITEM, row, 0);
      return false;
    }
  }
  return true;
}

int ResultListWindow::RowCount() const { return static_cast<int>(SendMessageA(list_, LVM_GETITEMCOUNT, 0, 0)); }

void ResultListWindow::SetRedraw(bool on) {
  SendMessageA(list_, WM_SETREDRAW, on ? TRUE : FALSE, 0);
  if (on) RedrawWindow(list_, nullptr, nullptr, RDW_ERASE | RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN);
}

bool ResultListWindow::AskToReadAll(const std::string& question) {
  return fw::AppMessageBox(owner_, question, MB_YESNO | MB_ICONEXCLAMATION) == IDYES;
}

bool ResultListWindow::AskSubstitution(const SubstitutionAsk& ask, std::string& value) {
  SubstitutionDialog dialog(ask);
  if (dialog.DoModal(owner_) != IDOK) return false;
  value = dialog.value;
  return true;
}
