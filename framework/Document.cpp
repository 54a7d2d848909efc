#include "Document.h"

#include "File.h"
#include "FrameworkText.h"

namespace fw {

const char* const kUntitled = "Untitled";

void Document::SetTitle(const std::string& title) {
  title_ = title;
  if (titleListener_) titleListener_();
}

bool Document::OnNewDocument() {
  pathName_.clear();
  SetTitle(kUntitled);
  return true;
}

bool Document::OnOpenDocument(const std::string& path) {
  File file;
  if (!file.Open(path, File::Mode::Read)) return false;
  pathName_ = path;
  SetTitle(FileTitle(path));
  return true;
}

}  // namespace fw
