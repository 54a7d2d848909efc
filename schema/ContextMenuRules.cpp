#include "ContextMenuRules.h"

#include "resource.h"

bool GreyedInContextMenu(unsigned commandId, bool connected, bool listHasRows, bool running) {
  // The saves read the whole result, which a run is still changing.
  if (running && (commandId == ID_FILE_SAVE_XML || commandId == ID_FILE_SAVE_CSV)) return true;
  switch (commandId) {
    case ID_REFRESH:
    case ID_VIEW_DATA:
    case ID_DATABASE_DISCONNECT: return !connected || running;
    case ID_DATABASE_CONNECT: return connected || running;
    case ID_COPY_ROWS:
    case ID_COPY_ROWS_HEADINGS: return !listHasRows;
  }
  return false;
}
