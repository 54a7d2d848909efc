#include "ViewDataStatement.h"

#include "CatalogueQueries.h"
#include "TreeDispatch.h"

std::string ViewDataStatement(const SelectedNode& node) {
  if (!IsTableOrViewNode(node.parent, node.grandparent)) return "";
  return ViewDataQuery(node.text, node.parent == "All");
}
