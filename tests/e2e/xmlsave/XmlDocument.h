// A saved file read back by the system's own XML parser (msxml), so that a test judges
// well-formedness by a parser that is not ours.
#ifndef ZENQUILL_TESTS_E2E_XMLSAVE_XMLDOCUMENT_H
#define ZENQUILL_TESTS_E2E_XMLSAVE_XMLDOCUMENT_H

#include <windows.h>
#include <msxml2.h>

#include <string>
#include <vector>

namespace xmlsave {

class XmlDocument {
 public:
  XmlDocument();
  ~XmlDocument();
  XmlDocument(const XmlDocument&) = delete;
  XmlDocument& operator=(const XmlDocument&) = delete;

  // True when the file parses; otherwise Error() holds the parser's reason and line.
  bool Load(const std::string& path);
  const std::string& Error() const { return error_; }
  // The texts of the nodes an XPath expression selects, in document order.
  std::vector<std::string> Texts(const std::string& xpath) const;
  // The name of the document's root element.
  std::string RootName() const;

 private:
  IXMLDOMDocument2* document_ = nullptr;
  std::string error_;
};

}  // namespace xmlsave

#endif
