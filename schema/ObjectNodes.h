// The object nodes a catalogue load puts under its scope node, read back from the rows that
// the catalogue query left in the result list.
#ifndef ZENQUILL_SCHEMA_OBJECTNODES_H
#define ZENQUILL_SCHEMA_OBJECTNODES_H

#include <string>
#include <vector>

#include "TableSource.h"

// With an owner column (the "All" scopes) a node reads "OWNER.NAME", or the bare name when
// the owner is empty; without one it is the name alone. A NULL cell reads "NULL".
std::string ObjectNodeText(const std::string& name, const std::string& owner, bool ownerColumn);

// One node text per row, in row order: the name from column 0, the owner from column 1.
std::vector<std::string> ObjectNodeTexts(const xml::TableSource& rows, bool ownerColumn);

// "Not enough memory: the tree shows <shown> names", when a load could not put every name
// under its scope node.
std::string TreeOutOfMemoryText(int shown);

#endif
