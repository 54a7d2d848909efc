// The schema tree control: its image list, its fixed skeleton, and the object nodes that the
// catalogue loads put under a scope node. The tree keeps nothing but texts and images.
#ifndef ZENQUILL_SCHEMA_SCHEMATREE_H
#define ZENQUILL_SCHEMA_SCHEMATREE_H

#include <windows.h>
#include <commctrl.h>

#include <string>
#include <vector>

#include "SchemaSkeleton.h"
#include "ViewDataStatement.h"

namespace schematree {

// The twelve 16 by 15 pictures of bitmap 147 from `module`, light grey transparent. The
// list and `bitmap` (kept by the caller with the list) are null when the bitmap is missing.
HIMAGELIST CreateImageList(HINSTANCE module, HBITMAP& bitmap);

// Appends every skeleton node to `tree` in display order with its image, stores the handles
// and expands the root.
void BuildSkeleton(HWND tree, HTREEITEM (&nodes)[kSkeletonNodeCount]);

// Appends `text` as the last child of `parent` (TVI_ROOT for a root), then gives it `image`
// as its normal and its selected image.
HTREEITEM AppendNode(HWND tree, HTREEITEM parent, const std::string& text, int image);

// Deletes every child of `node` (and their descendants).
void RemoveChildren(HWND tree, HTREEITEM node);

// Replaces the children of `node` by one child per text, in order, each with `image`, and
// expands `node`. Returns how many children it made: fewer than the texts when the tree
// could not take one more.
int ReplaceChildren(HWND tree, HTREEITEM node, const std::vector<std::string>& texts, int image);

// The item's text; empty for a null item.
std::string NodeText(HWND tree, HTREEITEM item);

// The texts of `item`, its parent and its grandparent.
SelectedNode ReadNode(HWND tree, HTREEITEM item);

// The texts of the selected node, its parent and its grandparent.
SelectedNode ReadSelection(HWND tree);

}  // namespace schematree

#endif
