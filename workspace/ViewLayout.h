// Where the workspace form's four controls go for a client area of cx by cy pixels:
// the schema tree on the left, the SQL editor above the result list on the right,
// the message line along the bottom. No minimum size: small areas give small or
// negative extents, which the window manager treats as empty.
#ifndef ZENQUILL_WORKSPACE_VIEWLAYOUT_H
#define ZENQUILL_WORKSPACE_VIEWLAYOUT_H

struct ControlPlace {
  int x;
  int y;
  int width;
  int height;
};

struct WorkspaceLayout {
  ControlPlace schemaTree;
  ControlPlace sqlEditor;
  ControlPlace resultList;
  ControlPlace messageLine;
};

// Width of the schema tree and height of the message line, in pixels.
constexpr int kTreeWidth = 200;
constexpr int kMessageLineHeight = 20;

WorkspaceLayout LayoutWorkspace(int cx, int cy);

#endif
