#include "XmlDocument.h"

namespace xmlsave {
namespace {

// IXMLDOMDocument2's published interface id; the cross compiler's uuid library lacks it.
const IID kDocument2Id = {0x2933bf95, 0x7b36, 0x11d2, {0xb2, 0x0e, 0x00, 0xc0, 0x4f, 0x98, 0x3e, 0x60}};

std::wstring Wide(const std::string& text) {
  std::wstring wide(text.size() + 1, L'\0');
  const int length = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, &wide[0], static_cast<int>(wide.size()));
  wide.resize(length > 0 ? length - 1 : 0);
  return wide;
}

// Node texts come back as UTF-16; the tests compare them with the list's ANSI texts.
std::string Narrow(BSTR text) {
  if (!text) return "";
  char buffer[4096] = {};
  WideCharToMultiByte(CP_ACP, 0, text, -1, buffer, sizeof buffer - 1, nullptr, nullptr);
  return buffer;
}

class Bstr {
 public:
  explicit Bstr(const std::string& text) : value_(SysAllocString(Wide(text).c_str())) {}
  Bstr() = default;
  ~Bstr() { SysFreeString(value_); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR get() const { return value_; }
  BSTR* out() { return &value_; }

 private:
  BSTR value_ = nullptr;
};

}  // namespace

XmlDocument::XmlDocument() {
  CoInitialize(nullptr);
  CLSID parser;
  if (SUCCEEDED(CLSIDFromProgID(L"Msxml2.DOMDocument.3.0", &parser)))
    CoCreateInstance(parser, nullptr, CLSCTX_INPROC_SERVER, kDocument2Id, reinterpret_cast<void**>(&document_));
  if (!document_) {
    error_ = "no XML parser in this system";
    return;
  }
  document_->put_async(VARIANT_FALSE);
  VARIANT xpath;
  VariantInit(&xpath);
  xpath.vt = VT_BSTR;
  xpath.bstrVal = SysAllocString(L"XPath");
  document_->setProperty(Bstr("SelectionLanguage").get(), xpath);
  VariantClear(&xpath);
}

XmlDocument::~XmlDocument() {
  if (document_) document_->Release();
  CoUninitialize();
}

bool XmlDocument::Load(const std::string& path) {
  if (!document_) return false;
  VARIANT file;
  VariantInit(&file);
  file.vt = VT_BSTR;
  file.bstrVal = SysAllocString(Wide(path).c_str());
  VARIANT_BOOL loaded = VARIANT_FALSE;
  document_->load(file, &loaded);
  VariantClear(&file);
  if (loaded == VARIANT_TRUE) return true;
  IXMLDOMParseError* parseError = nullptr;
  Bstr reason;
  long line = 0;
  if (SUCCEEDED(document_->get_parseError(&parseError)) && parseError) {
    parseError->get_reason(reason.out());
    parseError->get_line(&line);
    parseError->Release();
  }
  error_ = path + ":" + std::to_string(line) + ": " + Narrow(reason.get());
  return false;
}

std::vector<std::string> XmlDocument::Texts(const std::string& xpath) const {
  std::vector<std::string> texts;
  IXMLDOMNodeList* nodes = nullptr;
  if (!document_ || FAILED(document_->selectNodes(Bstr(xpath).get(), &nodes)) || !nodes) return texts;
  IXMLDOMNode* node = nullptr;
  while (nodes->nextNode(&node) == S_OK && node) {
    Bstr text;
    node->get_text(text.out());
    texts.push_back(Narrow(text.get()));
    node->Release();
  }
  nodes->Release();
  return texts;
}

std::string XmlDocument::RootName() const {
  IXMLDOMElement* root = nullptr;
  if (!document_ || FAILED(document_->get_documentElement(&root)) || !root) return "";
  Bstr name;
  root->get_tagName(name.out());
  root->Release();
  return Narrow(name.get());
}

}  // namespace xmlsave
