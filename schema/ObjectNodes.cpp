#include "ObjectNodes.h"

std::string ObjectNodeText(const std::string& name, const std::string& owner, bool ownerColumn) {
  if (!ownerColumn || owner.empty()) return name;
  return owner + "." + name;
}

std::vector<std::string> ObjectNodeTexts(const xml::TableSource& rows, bool ownerColumn) {
  std::vector<std::string> texts;
  // A list without columns has no cells to read, and one without a second column no owner.
  const int columns = rows.ColumnCount();
  if (columns == 0) return texts;
  const bool readOwner = ownerColumn && columns > 1;
  const int count = rows.RowCount();
  texts.reserve(count);
  for (int row = 0; row < count; ++row) {
    const std::string owner = readOwner ? rows.Cell(row, 1) : std::string();
    texts.push_back(ObjectNodeText(rows.Cell(row, 0), owner, readOwner));
  }
  return texts;
}

std::string TreeOutOfMemoryText(int shown) {
  return "Not enough memory: the tree shows " + std::to_string(shown) + " names";
}
