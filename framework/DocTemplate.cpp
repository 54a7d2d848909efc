#include "DocTemplate.h"

#include "Resources.h"

namespace fw {
namespace {

const char kCannotCreate[] = "Failed to create empty document.";

}  // namespace

DocTemplate::DocTemplate(unsigned resourceId, DocumentFactory document, FrameFactory frame, ViewFactory view)
    : resourceId_(resourceId),
      makeDocument_(std::move(document)),
      makeFrame_(std::move(frame)),
      makeView_(std::move(view)) {}

DocTemplate::~DocTemplate() {
  view_.reset();
  frame_.reset();
  document_.reset();
}

bool DocTemplate::OpenNewDocument() {
  document_ = makeDocument_();
  if (!document_->OnNewDocument() || !CreateWindows()) {
    AppMessageBox(nullptr, kCannotCreate, MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  return true;
}

bool DocTemplate::OpenDocumentFile(const std::string& path) {
  document_ = makeDocument_();
  if (!document_->OnOpenDocument(path)) {
    AppMessageBox(nullptr, "Cannot open the file \"" + path + "\".", MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  if (!CreateWindows()) {
    AppMessageBox(nullptr, kCannotCreate, MB_OK | MB_ICONEXCLAMATION);
    return false;
  }
  return true;
}

bool DocTemplate::CreateWindows() {
  frame_ = makeFrame_();
  frame_->SetActiveDocument(document_.get());
  if (!frame_->LoadFrame(resourceId_)) return false;
  document_->SetTitleListener([frame = frame_.get()] { frame->UpdateCaption(); });
  view_ = makeView_();
  if (!view_->Create(*frame_, *document_)) return false;
  frame_->SetActiveView(view_.get());
  frame_->RecalcLayout();
  view_->OnInitialUpdate();
  frame_->UpdateCaption();
  return true;
}

}  // namespace fw
