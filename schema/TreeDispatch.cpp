#include "TreeDispatch.h"

#include "CatalogueQueries.h"

namespace {

// A scope node is selected by its own text under its category; "Users" hangs off the root.
bool SelectsRow(const CatalogueQuery& row, const std::string& s, const std::string& p) {
  if (row.scope[0] == '\0') return s == row.category && p == kSchemaSkeleton[kDatabase].text;
  return s == row.scope && p == row.category;
}

}  // namespace

TreeAction DispatchTreeSelection(const std::string& s, const std::string& p, const std::string& g) {
  for (int row = 0; row < kCatalogueQueryCount; ++row) {
    if (SelectsRow(CatalogueQueryTable[row], s, p)) return {TreeAction::kLoadScope, row};
  }
  if (IsTableOrViewNode(p, g)) return {TreeAction::kShowColumns, -1};
  return {TreeAction::kNothing, -1};
}

bool IsTableOrViewNode(const std::string& p, const std::string& g) {
  return (p == "All" || p == "User") && (g == "Tables" || g == "Views");
}
