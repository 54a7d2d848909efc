// The single-document template: creates the one document, its frame and its view
// together, from one resource id (menu, accelerators, toolbar, icon, document string).
// It owns the three objects; destroying it destroys the view, the frame and then the
// document.
#ifndef ZENQUILL_FRAMEWORK_DOCTEMPLATE_H
#define ZENQUILL_FRAMEWORK_DOCTEMPLATE_H

#include <functional>
#include <memory>
#include <string>

#include "Document.h"
#include "FormView.h"
#include "FrameWnd.h"

namespace fw {

class DocTemplate {
 public:
  using DocumentFactory = std::function<std::unique_ptr<Document>()>;
  using FrameFactory = std::function<std::unique_ptr<FrameWnd>()>;
  using ViewFactory = std::function<std::unique_ptr<FormView>()>;

  DocTemplate(unsigned resourceId, DocumentFactory document, FrameFactory frame, ViewFactory view);
  ~DocTemplate();

  // A new, untitled document with its frame and view; false (after telling the user)
  // when any of them cannot be created.
  bool OpenNewDocument();
  // The document named after the file at path; false when it cannot be opened.
  bool OpenDocumentFile(const std::string& path);

  unsigned ResourceId() const { return resourceId_; }
  Document* GetDocument() const { return document_.get(); }
  FrameWnd* GetFrame() const { return frame_.get(); }

 private:
  bool CreateWindows();

  unsigned resourceId_;
  DocumentFactory makeDocument_;
  FrameFactory makeFrame_;
  ViewFactory makeView_;
  std::unique_ptr<Document> document_;
  std::unique_ptr<FrameWnd> frame_;
  std::unique_ptr<FormView> view_;
};

// A template whose document, frame and view are default-constructed D, F and V.
template <class D, class F, class V>
std::unique_ptr<DocTemplate> MakeDocTemplate(unsigned resourceId) {
  return std::make_unique<DocTemplate>(
      resourceId, [] { return std::unique_ptr<Document>(std::make_unique<D>()); },
      [] { return std::unique_ptr<FrameWnd>(std::make_unique<F>()); },
      [] { return std::unique_ptr<FormView>(std::make_unique<V>()); });
}

}  // namespace fw

#endif
