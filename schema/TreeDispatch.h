// What selecting a node of the schema tree does, decided from the texts of the node (S),
// its parent (P) and its grandparent (G); a missing node has an empty text.
#ifndef ZENQUILL_SCHEMA_TREEDISPATCH_H
#define ZENQUILL_SCHEMA_TREEDISPATCH_H

#include <string>

struct TreeAction {
  enum Kind { kNothing, kLoadScope, kShowColumns };
  Kind kind;
  int loader;  // row of CatalogueQueryTable for kLoadScope, else -1
};

TreeAction DispatchTreeSelection(const std::string& s, const std::string& p, const std::string& g);

// A table or view node: a child of a "User" or "All" scope of "Tables" or "Views". View Data
// acts only on these.
bool IsTableOrViewNode(const std::string& p, const std::string& g);

#endif
