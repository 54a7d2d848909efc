// The schema browser's part of the workspace view: the tree's skeleton, loading a scope node
// through the result list, a table's columns, the context menu, View Data and Refresh. The
// tree never reads the database itself: every statement runs into the result list, and the
// names are read back from its cells.
#include <new>

#include "CatalogueQueries.h"
#include "ContextMenu.h"
#include "ListViewTable.h"
#include "ObjectNodes.h"
#include "Resources.h"
#include "SchemaTree.h"
#include "TreeDispatch.h"
#include "ZenquillView.h"
#include "resource.h"

void CZenquillView::BuildSchemaTree() {
  treeImages = schematree::CreateImageList(fw::ResourceInstance(), treeBitmap);
  TreeView_SetImageList(schemaTree, treeImages, TVSIL_NORMAL);
  schematree::BuildSkeleton(schemaTree, fixedTreeNodes);
}

void CZenquillView::DispatchTreeSelection() {
  const SelectedNode node = schematree::ReadSelection(schemaTree);
  const TreeAction action = ::DispatchTreeSelection(node.text, node.parent, node.grandparent);
  switch (action.kind) {
    case TreeAction::kLoadScope: {
      const CatalogueQuery& row = CatalogueQueryTable[action.loader];
      LoadScopeNode(row.query, fixedTreeNodes[row.scopeNode], row.objectImage, row.ownerColumn);
      return;
    }
    case TreeAction::kShowColumns: ShowTableColumns(node.text); return;
    case TreeAction::kNothing: return;
  }
}

// A failed query leaves the result list empty, so the scope node ends up without children;
// one that ran out of memory leaves the rows read so far. Names the tree has no memory for
// are left out, and the message line says so.
void CZenquillView::LoadScopeNode(const std::string& query, HTREEITEM scopeNode, int objectImage, bool ownerColumn) {
  RunQueryIntoList(query);
  const xml::ListViewTable rows(resultList.Handle());
  std::vector<std::string> texts;
  bool complete = true;
  try {
    texts = ObjectNodeTexts(rows, ownerColumn);
  } catch (const std::bad_alloc&) {
    complete = false;
  }
  const int shown = schematree::ReplaceChildren(schemaTree, scopeNode, texts, objectImage);
  if (!complete || shown < static_cast<int>(texts.size())) Report(TreeOutOfMemoryText(shown));
}

void CZenquillView::ShowTableColumns(const std::string& nodeText) { RunQueryIntoList(ColumnsQuery(nodeText)); }

bool CZenquillView::OnSchemaNotify(const NMHDR& notify) {
  const bool fromTree = notify.idFrom == IDC_SCHEMA_TREE;
  const bool fromList = notify.idFrom == IDC_RESULT_LIST;
  if (fromTree && (notify.code == TVN_SELCHANGEDA || notify.code == TVN_SELCHANGEDW)) {
    OnTreeSelChanged();
  } else if ((fromTree || fromList) && notify.code == NM_RCLICK) {
    OnTreeListRightClick();
  } else {
    return false;
  }
  SetWindowLongPtrA(Hwnd(), DWLP_MSGRESULT, 0);
  return true;
}

void CZenquillView::OnTreeSelChanged() { DispatchTreeSelection(); }

// The commands act on the tree's selected node, which a right click does not change.
void CZenquillView::OnTreeListRightClick() { schemamenu::Show(fw::ResourceInstance(), Hwnd(), connected != 0); }

void CZenquillView::OnViewData() {
  const std::string statement = ViewDataStatement(schematree::ReadSelection(schemaTree));
  if (!statement.empty()) RunQueryIntoList(statement);
}

void CZenquillView::OnRefresh() { DispatchTreeSelection(); }
