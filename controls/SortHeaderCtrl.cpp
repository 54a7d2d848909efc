#include "SortHeaderCtrl.h"

#include <commctrl.h>

#include "SortMarkGeometry.h"

namespace {

zq::MarkRect ToMarkRect(const RECT& r) {
  return {static_cast<int>(r.left), static_cast<int>(r.top), static_cast<int>(r.right), static_cast<int>(r.bottom)};
}

int BlankWidth(HDC dc) {
  SIZE size = {0, 0};
  GetTextExtentPoint32A(dc, " ", 1, &size);
  return size.cx;
}

UINT TextAlignment(int format) {
  if (format & HDF_CENTER) return DT_CENTER;
  if (format & HDF_RIGHT) return DT_RIGHT;
  return DT_LEFT;
}

void StrokePath(HDC dc, const zq::MarkPath& path) {
  MoveToEx(dc, path.points[0].x, path.points[0].y, nullptr);
  for (int i = 1; i < path.count; ++i) LineTo(dc, path.points[i].x, path.points[i].y);
}

}  // namespace

int CSortHeaderCtrl::SetSortArrow(int column, bool ascendingOrder) {
  const int previous = sortColumn;
  sortColumn = column;
  ascending = ascendingOrder;

  HDITEMA item = {};
  item.mask = HDI_FORMAT;
  SendMessageA(hwnd_, HDM_GETITEMA, column, reinterpret_cast<LPARAM>(&item));
  item.fmt |= HDF_OWNERDRAW;
  SendMessageA(hwnd_, HDM_SETITEMA, column, reinterpret_cast<LPARAM>(&item));

  InvalidateRect(hwnd_, nullptr, TRUE);
  return previous;
}

void CSortHeaderCtrl::DrawItem(const DRAWITEMSTRUCT& draw) {
  HDC dc = draw.hDC;
  const int saved = SaveDC(dc);
  // Intersecting in logical units keeps the clip right even when the caller moved the origin.
  IntersectClipRect(dc, draw.rcItem.left, draw.rcItem.top, draw.rcItem.right, draw.rcItem.bottom);
  FillRect(dc, &draw.rcItem, GetSysColorBrush(COLOR_BTNFACE));

  const int blank = BlankWidth(dc);
  DrawLabel(dc, draw, blank);
  if (static_cast<int>(draw.itemID) == sortColumn) DrawMark(dc, draw.rcItem, blank);
  RestoreDC(dc, saved);
}

void CSortHeaderCtrl::DrawLabel(HDC dc, const DRAWITEMSTRUCT& draw, int blank) {
  // 255 characters; the byte after them stays 0 even if a long text fills the buffer unended.
  char text[256] = "";
  HDITEMA item = {};
  item.mask = HDI_TEXT | HDI_FORMAT;
  item.pszText = text;
  item.cchTextMax = sizeof text - 1;
  SendMessageA(hwnd_, HDM_GETITEMA, draw.itemID, reinterpret_cast<LPARAM>(&item));

  const bool pressed = draw.itemState == ODS_SELECTED;
  const bool sorted = static_cast<int>(draw.itemID) == sortColumn;
  const zq::MarkRect area = zq::SortTextRect(ToMarkRect(draw.rcItem), blank, pressed, sorted);
  if (!zq::HasRoomForText(area)) return;

  RECT rect = {area.left, area.top, area.right, area.bottom};
  const UINT format = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_NOCLIP | DT_END_ELLIPSIS | TextAlignment(item.fmt);
  DrawTextA(dc, text, -1, &rect, format);
}

void CSortHeaderCtrl::DrawMark(HDC dc, const RECT& item, int blank) {
  const zq::SortMark mark = zq::SortMarkPaths(ToMarkRect(item), blank, ascending);
  HPEN light = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNHIGHLIGHT));
  HPEN dark = CreatePen(PS_SOLID, 1, GetSysColor(COLOR_BTNSHADOW));

  HGDIOBJ previous = SelectObject(dc, light);
  StrokePath(dc, mark.light);
  SelectObject(dc, dark);
  StrokePath(dc, mark.dark);

  SelectObject(dc, previous);
  DeleteObject(light);
  DeleteObject(dark);
}
