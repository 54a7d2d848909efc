#include "ViewLayout.h"

WorkspaceLayout LayoutWorkspace(int cx, int cy) {
  const int half = cy / 2;
  WorkspaceLayout layout;
  layout.schemaTree = {0, 0, kTreeWidth, cy - kMessageLineHeight};
  layout.sqlEditor = {kTreeWidth, 0, cx - kTreeWidth, half};
  layout.resultList = {kTreeWidth, half, cx - kTreeWidth, half - kMessageLineHeight};
  layout.messageLine = {0, cy - kMessageLineHeight, cx, kMessageLineHeight};
  return layout;
}
