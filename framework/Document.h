// The document of a single-document application: a title shown in the frame's
// caption and, when it was opened from a file, that file's path. Derived documents
// hold the data; this one only names it.
#ifndef ZENQUILL_FRAMEWORK_DOCUMENT_H
#define ZENQUILL_FRAMEWORK_DOCUMENT_H

#include <functional>
#include <string>

namespace fw {

// The title of a document that belongs to no file.
extern const char* const kUntitled;

class Document {
 public:
  Document() = default;
  virtual ~Document() = default;
  Document(const Document&) = delete;
  Document& operator=(const Document&) = delete;

  const std::string& GetTitle() const { return title_; }
  void SetTitle(const std::string& title);
  const std::string& GetPathName() const { return pathName_; }

  // A fresh document: no file, titled kUntitled.
  virtual bool OnNewDocument();
  // The document named after the file at path, which must be readable. The framework
  // keeps no document format of its own, so nothing is read from the file.
  virtual bool OnOpenDocument(const std::string& path);

  // Called after every change of title (the frame shows it in its caption).
  void SetTitleListener(std::function<void()> listener) { titleListener_ = std::move(listener); }

 private:
  std::string title_;
  std::string pathName_;
  std::function<void()> titleListener_;
};

}  // namespace fw

#endif
