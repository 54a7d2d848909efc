#include "FileDialog.h"

#include <commdlg.h>

namespace fw {

bool ChooseFile(HWND owner, const FileDialogOptions& options, ChosenFile& file) {
  char path[MAX_PATH] = {};
  lstrcpynA(path, options.initialName, MAX_PATH);
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = owner;
  dialog.lpstrFilter = options.filter;
  dialog.lpstrFile = path;
  dialog.nMaxFile = sizeof path;
  dialog.lpstrDefExt = options.defaultExtension;
  dialog.Flags = options.mustExist ? OFN_FILEMUSTEXIST | OFN_HIDEREADONLY : OFN_HIDEREADONLY;
  if (!(options.saving ? GetSaveFileNameA(&dialog) : GetOpenFileNameA(&dialog))) return false;
  file.path = path;
  file.nameOffset = dialog.nFileOffset;
  return true;
}

}  // namespace fw
