// A small program for the harness to drive in its own tests: a note edit, a combo box, a
// report list view, a tree view, an edit inside a panel, a menu whose items the program
// greys when it opens, an accelerator table and a modal dialog.
#include <windows.h>
#include <commctrl.h>

#include <cstdlib>
#include <string>

#include "TestAppIds.h"

namespace {

HWND note = nullptr;

HWND Child(HWND parent, const char* cls, DWORD style, int x, int y, int w, int h, int id) {
  return CreateWindowExA(WS_EX_CLIENTEDGE, cls, "", WS_CHILD | WS_VISIBLE | style, x, y, w, h, parent,
                         reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr), nullptr);
}

void FillList(HWND list) {
  const char* headings[] = {"Name", "City", "Note"};
  for (int i = 0; i < 3; ++i) {
    LVCOLUMNA column = {};
    column.mask = LVCF_TEXT | LVCF_WIDTH;
    column.cx = 120;
    column.pszText = const_cast<char*>(headings[i]);
    SendMessageA(list, LVM_INSERTCOLUMNA, i, reinterpret_cast<LPARAM>(&column));
  }
  const std::string longNote(3000, 'n');  // longer than the harness's first buffer
  const char* rows[][3] = {{"Smith", "London", "short"}, {"Jones", "Paris", longNote.c_str()}, {"Ng", "", ""}};
  for (int row = 0; row < 3; ++row) {
    LVITEMA item = {};
    item.mask = LVIF_TEXT;
    item.iItem = row;
    item.pszText = const_cast<char*>(rows[row][0]);
    SendMessageA(list, LVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&item));
    for (int column = 1; column < 3; ++column) {
      item.iSubItem = column;
      item.pszText = const_cast<char*>(rows[row][column]);
      SendMessageA(list, LVM_SETITEMTEXTA, row, reinterpret_cast<LPARAM>(&item));
    }
  }
}

HTREEITEM AddTreeItem(HWND tree, HTREEITEM parent, const char* text, int image, int selectedImage, int children) {
  TVINSERTSTRUCTA insert = {};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN;
  insert.item.pszText = const_cast<char*>(text);
  insert.item.iImage = image;
  insert.item.iSelectedImage = selectedImage;
  insert.item.cChildren = children;
  return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void FillTree(HWND tree) {
  HTREEITEM database = AddTreeItem(tree, TVI_ROOT, "Database", 0, 0, 1);
  HTREEITEM tables = AddTreeItem(tree, database, "Tables", 1, 1, 1);
  AddTreeItem(tree, tables, "User", 2, 3, 0);
  AddTreeItem(tree, tables, "All", 2, 3, 0);
  AddTreeItem(tree, database, "Views", 1, 1, 1);
  AddTreeItem(tree, TVI_ROOT, "Users", 4, 4, 0);
  SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(database));
}

// What the harness passed: "<current folder>|<ZQ_TESTAPP_NOTE>|<arguments>".
std::string StartNote(const char* arguments) {
  char folder[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof folder, folder);
  const char* variable = std::getenv("ZQ_TESTAPP_NOTE");
  return std::string(folder) + "|" + (variable ? variable : "") + "|" + arguments;
}

void OnCreate(HWND hwnd, const char* arguments) {
  note = Child(hwnd, "EDIT", ES_AUTOHSCROLL, 10, 10, 280, 24, IDC_NOTE);
  HWND combo = Child(hwnd, "COMBOBOX", CBS_DROPDOWNLIST, 300, 10, 150, 120, IDC_COMBO);
  for (const char* item : {"alpha", "beta", "gamma"})
    SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
  SendMessageA(combo, CB_SETCURSEL, 1, 0);
  FillList(Child(hwnd, WC_LISTVIEWA, LVS_REPORT, 10, 50, 380, 200, IDC_LIST));
  FillTree(Child(hwnd, WC_TREEVIEWA, TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS, 400, 50, 190,
                 200, IDC_TREE));
  HWND panel = Child(hwnd, "STATIC", 0, 10, 260, 200, 40, IDC_PANEL);
  Child(panel, "EDIT", 0, 5, 5, 150, 24, IDC_NESTED);  // a control one level further down
  SetWindowTextA(note, StartNote(arguments).c_str());
}

INT_PTR CALLBACK DialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM) {
  if (msg == WM_INITDIALOG) return TRUE;
  if (msg != WM_COMMAND) return FALSE;
  if (LOWORD(wParam) == IDOK) {
    char text[256] = "";
    GetDlgItemTextA(dialog, IDC_DIALOG_TEXT, text, sizeof text);
    SetWindowTextA(note, text);
  }
  if (LOWORD(wParam) == IDOK || LOWORD(wParam) == IDCANCEL) EndDialog(dialog, LOWORD(wParam));
  return TRUE;
}

void OnCommand(HWND hwnd, int id) {
  switch (id) {
    case ID_OPEN_DIALOG:
      DialogBoxParamA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDD_TESTAPP_DIALOG), hwnd, DialogProc, 0);
      break;
    case ID_REFRESH: SetWindowTextA(note, "F5 pressed"); break;
    case ID_EXIT: DestroyWindow(hwnd); break;
  }
}

void OnNotify(const NMHDR& notify) {
  if (notify.idFrom == IDC_LIST && notify.code == LVN_COLUMNCLICK) {
    const int column = reinterpret_cast<const NMLISTVIEW&>(notify).iSubItem;
    SetWindowTextA(note, ("column clicked: " + std::to_string(column)).c_str());
    return;
  }
  if (notify.idFrom != IDC_TREE || (notify.code != TVN_SELCHANGEDA && notify.code != TVN_SELCHANGEDW)) return;
  char text[256] = "";
  TVITEMA item = {};
  item.mask = TVIF_TEXT;
  item.hItem = reinterpret_cast<const NMTREEVIEWA&>(notify).itemNew.hItem;
  item.pszText = text;
  item.cchTextMax = sizeof text;
  SendMessageA(notify.hwndFrom, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item));
  SetWindowTextA(note, (std::string("selected: ") + text).c_str());
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CREATE:
      OnCreate(hwnd, static_cast<const char*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
      return 0;
    case WM_COMMAND: OnCommand(hwnd, LOWORD(wParam)); return 0;
    case WM_NOTIFY: OnNotify(*reinterpret_cast<const NMHDR*>(lParam)); return 0;
    case WM_INITMENUPOPUP:  // an update handler: nothing to undo
      EnableMenuItem(reinterpret_cast<HMENU>(wParam), ID_UNDO, MF_BYCOMMAND | MF_GRAYED);
      return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
  }
  return DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR arguments, int show) {
  InitCommonControls();
  WNDCLASSA wc = {};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hCursor = LoadCursor(nullptr, IDC_ARROW);
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszMenuName = MAKEINTRESOURCEA(IDR_TESTAPP);
  wc.lpszClassName = "ZqHarnessTestApp";
  RegisterClassA(&wc);
  RECT frame = {0, 0, 600, 400};
  AdjustWindowRect(&frame, WS_OVERLAPPEDWINDOW, TRUE);
  HWND hwnd = CreateWindowA("ZqHarnessTestApp", "Harness Test App", WS_OVERLAPPEDWINDOW, 20, 20,
                            frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr, instance, arguments);
  ShowWindow(hwnd, show);
  HACCEL accelerators = LoadAcceleratorsA(instance, MAKEINTRESOURCEA(IDR_TESTAPP));
  MSG msg;
  while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
    if (TranslateAcceleratorA(hwnd, accelerators, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageA(&msg);
  }
  return 0;
}
