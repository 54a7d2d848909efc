// The statement of the View Data command for the node selected in the schema tree.
#ifndef ZENQUILL_SCHEMA_VIEWDATASTATEMENT_H
#define ZENQUILL_SCHEMA_VIEWDATASTATEMENT_H

#include <string>

// The texts of the selected node, its parent and its grandparent; empty where there is none.
struct SelectedNode {
  std::string text;
  std::string parent;
  std::string grandparent;
};

// All rows of the table or view the node names, or an empty text when the node is no table
// or view node (then View Data does nothing).
std::string ViewDataStatement(const SelectedNode& node);

#endif
