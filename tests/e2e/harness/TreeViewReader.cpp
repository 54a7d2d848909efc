#include "TreeViewReader.h"

namespace e2e {

HTREEITEM TreeViewReader::Next(HTREEITEM item, UINT relation) const {
  return reinterpret_cast<HTREEITEM>(SendMessageA(tree_, TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
}

TreeNode TreeViewReader::Item(HTREEITEM item) {
  TreeNode node;
  node.item = item;
  TVITEMA fields = {};
  node.text = texts_.Read([&](RemoteBuffer& buffer, void* text, int capacity) {
    fields.mask = TVIF_HANDLE | TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_STATE | TVIF_CHILDREN;
    fields.hItem = item;
    fields.stateMask = TVIS_EXPANDED | TVIS_SELECTED;
    fields.pszText = static_cast<char*>(text);
    fields.cchTextMax = capacity;
    buffer.Write(0, &fields, sizeof fields);
    SendMessageA(tree_, TVM_GETITEMA, 0, buffer.Param());
    buffer.Read(0, &fields, sizeof fields);
  });
  node.image = fields.iImage;
  node.selectedImage = fields.iSelectedImage;
  node.expanded = (fields.state & TVIS_EXPANDED) != 0;
  node.selected = (fields.state & TVIS_SELECTED) != 0;
  node.childrenFlag = fields.cChildren;
  return node;
}

std::vector<TreeNode> TreeViewReader::Children(HTREEITEM parent, bool deep) {
  std::vector<TreeNode> nodes;
  HTREEITEM child = parent ? Next(parent, TVGN_CHILD) : Next(nullptr, TVGN_ROOT);
  for (; child; child = Next(child, TVGN_NEXT)) {
    nodes.push_back(Item(child));
    if (deep) nodes.back().children = Children(child, true);
  }
  return nodes;
}

std::vector<TreeNode> TreeViewReader::Roots() { return Children(nullptr, true); }

HTREEITEM TreeViewReader::Find(const std::vector<std::string>& path) {
  HTREEITEM parent = nullptr;
  for (const std::string& text : path) {
    HTREEITEM match = nullptr;
    for (const TreeNode& node : Children(parent, false))
      if (node.text == text) {
        match = node.item;
        break;
      }
    if (!match) return nullptr;
    parent = match;
  }
  return parent;
}

HTREEITEM TreeViewReader::Selected() const { return Next(nullptr, TVGN_CARET); }

bool TreeViewReader::Select(HTREEITEM item) {
  return SendMessageA(tree_, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != FALSE;
}

bool TreeViewReader::Expand(HTREEITEM item, bool expand) {
  return SendMessageA(tree_, TVM_EXPAND, expand ? TVE_EXPAND : TVE_COLLAPSE, reinterpret_cast<LPARAM>(item)) != FALSE;
}

}  // namespace e2e
