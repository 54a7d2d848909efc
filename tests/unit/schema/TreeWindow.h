#pragma once
// A real tree view in a hidden window of the test's own, styled as the schema tree is.
#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

namespace schematest {

// One node as the control holds it.
struct Node {
  std::string text;
  int image;
  int selectedImage;
  bool expanded;
  std::vector<Node> children;
};

class TreeWindow {
 public:
  TreeWindow() {
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    parent_ = CreateWindowExA(0, "STATIC", "schema test", WS_OVERLAPPEDWINDOW, 0, 0, 300, 500, nullptr,
                              nullptr, nullptr, nullptr);
    tree_ = CreateWindowExA(0, WC_TREEVIEWA, "",
                            WS_CHILD | TVS_HASBUTTONS | TVS_HASLINES | TVS_LINESATROOT | TVS_SHOWSELALWAYS,
                            0, 0, 300, 500, parent_, nullptr, nullptr, nullptr);
  }
  ~TreeWindow() { DestroyWindow(parent_); }
  TreeWindow(const TreeWindow&) = delete;
  TreeWindow& operator=(const TreeWindow&) = delete;

  HWND Tree() const { return tree_; }

  // The children of `parent` (null: the roots), with all their descendants.
  std::vector<Node> Children(HTREEITEM parent) const {
    std::vector<Node> nodes;
    HTREEITEM child = parent ? TreeView_GetChild(tree_, parent) : TreeView_GetRoot(tree_);
    for (; child; child = TreeView_GetNextSibling(tree_, child)) nodes.push_back(Read(child));
    return nodes;
  }

  Node Read(HTREEITEM item) const {
    char text[1024] = "";
    TVITEMA fields = {};
    fields.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE;
    fields.hItem = item;
    fields.stateMask = TVIS_EXPANDED;
    fields.pszText = text;
    fields.cchTextMax = sizeof text;
    SendMessageA(tree_, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&fields));
    return {text, fields.iImage, fields.iSelectedImage, (fields.state & TVIS_EXPANDED) != 0, Children(item)};
  }

  int Count() const { return static_cast<int>(TreeView_GetCount(tree_)); }

 private:
  HWND parent_ = nullptr;
  HWND tree_ = nullptr;
};

}  // namespace schematest
