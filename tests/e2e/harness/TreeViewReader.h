// Reading and steering a tree view of the program.
#ifndef ZENQUILL_TESTS_E2E_HARNESS_TREEVIEWREADER_H
#define ZENQUILL_TESTS_E2E_HARNESS_TREEVIEWREADER_H

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "RemoteText.h"

namespace e2e {

struct TreeNode {
  HTREEITEM item = nullptr;  // valid in the program; pass it back to Select or Expand
  std::string text;
  int image = 0;
  int selectedImage = 0;
  bool expanded = false;
  bool selected = false;
  int childrenFlag = 0;            // cChildren as the program set it (1: shows a button)
  std::vector<TreeNode> children;  // the items the control holds, expanded or not
};

class TreeViewReader {
 public:
  explicit TreeViewReader(HWND tree) : tree_(tree), texts_(tree) {}

  // The whole tree: every root with all its descendants.
  std::vector<TreeNode> Roots();
  // One item without its children.
  TreeNode Item(HTREEITEM item);
  // The item reached by following texts from a root down; null when a text is missing.
  HTREEITEM Find(const std::vector<std::string>& path);

  HTREEITEM Selected() const;
  // Makes `item` the selection, as a click would: the program is told of the change.
  bool Select(HTREEITEM item);
  bool Expand(HTREEITEM item, bool expand);

 private:
  std::vector<TreeNode> Children(HTREEITEM parent, bool deep);
  HTREEITEM Next(HTREEITEM item, UINT relation) const;

  HWND tree_;
  RemoteTextReader texts_;
};

}  // namespace e2e

#endif
