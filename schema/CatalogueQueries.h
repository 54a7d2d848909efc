// The SQL behind the schema tree: one catalogue query per scope node and "Users", and the
// statements for a selected table or view.
#ifndef ZENQUILL_SCHEMA_CATALOGUEQUERIES_H
#define ZENQUILL_SCHEMA_CATALOGUEQUERIES_H

#include <string>

#include "SchemaSkeleton.h"

struct CatalogueQuery {
  const char* category;      // text of the category node ("Users" for the users row)
  const char* scope;         // "User", "All", or empty for the users row
  bool ownerColumn;          // the second column is the owner: nodes read "OWNER.NAME"
  TreeImage objectImage;     // image of every node the loader inserts
  SkeletonNodeId scopeNode;  // the node whose children the loader replaces
  const char* query;         // sent unchanged
};

constexpr int kCatalogueQueryCount = 19;

extern const CatalogueQuery CatalogueQueryTable[kCatalogueQueryCount];

// The columns of the table or view that a node under a "User" or "All" scope names.
std::string ColumnsQuery(const std::string& nodeText);

// All rows of that table or view: the node text is "OWNER.NAME" under "All", a bare name
// under "User".
std::string ViewDataQuery(const std::string& nodeText, bool underAll);

#endif
