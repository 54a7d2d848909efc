#include "SortMarkGeometry.h"

namespace zq {

MarkRect SortTextRect(const MarkRect& item, int blank, bool pressed, bool sorted) {
  MarkRect text = item;
  if (pressed) {
    text.top += 2;
    text.left += 1;
    text.right += 1;
  }
  text.left += 2 * blank;
  text.right -= 2 * blank;
  if (sorted) text.right -= 6 * blank;
  return text;
}

bool HasRoomForText(const MarkRect& text) { return text.left < text.right; }

SortMark SortMarkPaths(const MarkRect& item, int blank, bool ascending) {
  const int r = item.right;
  const int b = item.bottom;
  const int s = blank;
  if (ascending) {
    return SortMark{{{{r - 4 * s, 2 * s - 1}, {r - 3 * s, b - 2 * s}, {r - 5 * s - 2, b - 2 * s}}, 3},
                    {{{r - 5 * s - 1, b - 2 * s - 1}, {r - 4 * s, 2 * s - 2}}, 2}};
  }
  return SortMark{{{{r - 3 * s, 2 * s - 1}, {r - 4 * s - 1, b - 2 * s + 1}}, 2},
                  {{{r - 4 * s - 1, b - 2 * s}, {r - 5 * s - 1, 2 * s - 1}, {r - 3 * s, 2 * s - 1}}, 3}};
}

}  // namespace zq
