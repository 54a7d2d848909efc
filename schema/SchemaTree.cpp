#include "SchemaTree.h"

#include "resource.h"

namespace schematree {
namespace {

constexpr int kImageWidth = 16;
constexpr int kImageHeight = 15;
constexpr COLORREF kTransparent = RGB(192, 192, 192);

}  // namespace

HIMAGELIST CreateImageList(HINSTANCE module, HBITMAP& bitmap) {
  bitmap = LoadBitmapA(module, MAKEINTRESOURCEA(IDB_TREE_IMAGES));
  if (!bitmap) return nullptr;
  HIMAGELIST images = ImageList_Create(kImageWidth, kImageHeight, ILC_COLOR24 | ILC_MASK, 0, 1);
  if (images) ImageList_AddMasked(images, bitmap, kTransparent);
  return images;
}

void BuildSkeleton(HWND tree, HTREEITEM (&nodes)[kSkeletonNodeCount]) {
  for (int k = 0; k < kSkeletonNodeCount; ++k) {
    const SkeletonNode& node = kSchemaSkeleton[k];
    HTREEITEM parent = node.parent < 0 ? TVI_ROOT : nodes[node.parent];
    nodes[k] = AppendNode(tree, parent, node.text, node.image);
  }
  TreeView_Expand(tree, nodes[kDatabase], TVE_EXPAND);
}

HTREEITEM AppendNode(HWND tree, HTREEITEM parent, const std::string& text, int image) {
  TVINSERTSTRUCTA insert = {};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT;
  insert.item.pszText = const_cast<char*>(text.c_str());
  HTREEITEM item =
      reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  TVITEMA images = {};
  images.mask = TVIF_HANDLE | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  images.hItem = item;
  images.iImage = image;
  images.iSelectedImage = image;
  SendMessageA(tree, TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&images));
  return item;
}

void RemoveChildren(HWND tree, HTREEITEM node) {
  HTREEITEM child = TreeView_GetChild(tree, node);
  while (child) {
    HTREEITEM next = TreeView_GetNextSibling(tree, child);
    TreeView_DeleteItem(tree, child);
    child = next;
  }
}

int ReplaceChildren(HWND tree, HTREEITEM node, const std::vector<std::string>& texts, int image) {
  RemoveChildren(tree, node);
  int made = 0;
  for (; made < static_cast<int>(texts.size()) && AppendNode(tree, node, texts[made], image); ++made) {
  }
  TreeView_Expand(tree, node, TVE_EXPAND);
  return made;
}

std::string NodeText(HWND tree, HTREEITEM item) {
  if (!item) return "";
  // The control copies at most the buffer's size less one: a full buffer may mean more text.
  for (int size = 256;; size *= 2) {
    std::vector<char> buffer(size, '\0');
    TVITEMA fields = {};
    fields.mask = TVIF_HANDLE | TVIF_TEXT;
    fields.hItem = item;
    fields.pszText = buffer.data();
    fields.cchTextMax = size;
    if (!SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&fields))) return "";
    const std::string text(fields.pszText);
    if (static_cast<int>(text.size()) < size - 1) return text;
  }
}

SelectedNode ReadNode(HWND tree, HTREEITEM item) {
  HTREEITEM parent = item ? TreeView_GetParent(tree, item) : nullptr;
  HTREEITEM grandparent = parent ? TreeView_GetParent(tree, parent) : nullptr;
  return {NodeText(tree, item), NodeText(tree, parent), NodeText(tree, grandparent)};
}

SelectedNode ReadSelection(HWND tree) { return ReadNode(tree, TreeView_GetSelection(tree)); }

}  // namespace schematree
