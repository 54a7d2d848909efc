// Where the sorted header item puts its text and its 3-D triangle. Pure arithmetic so the
// layout can be checked without a window; every size scales with the width of one blank.
#ifndef ZENQUILL_CONTROLS_SORTMARKGEOMETRY_H
#define ZENQUILL_CONTROLS_SORTMARKGEOMETRY_H

namespace zq {

struct MarkPoint {
  int x;
  int y;
};

struct MarkRect {
  int left;
  int top;
  int right;
  int bottom;
};

// One pen's path: a move-to the first point, then line-to each further point (the end point
// itself is not painted, as with the platform's line drawing).
struct MarkPath {
  MarkPoint points[3];
  int count;
};

// The triangle: the light (highlight) path is drawn first, then the dark (shadow) path.
struct SortMark {
  MarkPath light;
  MarkPath dark;
};

// Rectangle the header text is drawn in. `pressed` shifts it one pixel right and two down;
// margins of two blanks on each side, six more on the right of the sorted column.
MarkRect SortTextRect(const MarkRect& item, int blank, bool pressed, bool sorted);

// True when a text rectangle still has room for any text at all.
bool HasRoomForText(const MarkRect& text);

// The triangle at the right end of the item; y values are absolute (items start at y = 0).
SortMark SortMarkPaths(const MarkRect& item, int blank, bool ascending);

}  // namespace zq

#endif
