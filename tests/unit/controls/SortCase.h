// One case of a sort table: the cells of a column in fetch order, the direction, and the
// order they must end in. Shared by the store's native tests and the list's tests.
#ifndef ZENQUILL_TESTS_CONTROLS_SORTCASE_H
#define ZENQUILL_TESTS_CONTROLS_SORTCASE_H

#include <string>
#include <vector>

using Texts = std::vector<std::string>;

struct SortCase {
  const char* name;
  Texts cells;
  bool ascending;
  Texts expected;
};

#endif
