// The client character set of an environment, as Oracle's client takes it from NLS_LANG,
// and the conversions of text between it and the database's character set, AL32UTF8.
#ifndef ZENQUILL_OCILITE_CLIENTCHARSET_H
#define ZENQUILL_OCILITE_CLIENTCHARSET_H

#include <cstdint>
#include <string>
#include <string_view>

#include "OracleCharsets.h"

namespace ocilite {

class ClientCharset {
 public:
  // US7ASCII, the client's set when NLS_LANG names none.
  ClientCharset() : set_(&DefaultClientCharset()) {}
  explicit ClientCharset(const OracleCharset& set) : set_(&set) {}
  // The set NLS_LANG names where the client looks for it; US7ASCII when it names none or
  // one this library does not convert.
  static ClientCharset FromNlsLang();

  uint16_t Id() const { return set_->id; }

  // Each returns false when the text passes as it is, and puts it in `converted` otherwise.
  // Into US7ASCII every other character becomes '?'. Bytes in the database that are no UTF-8
  // (written unconverted before the database kept UTF-8) reach a code-page client as they are.
  bool ToDatabase(std::string_view text, std::string& converted) const;
  bool ToClient(std::string_view text, std::string& converted) const;
  std::string DatabaseText(std::string_view text) const;
  std::string ClientText(std::string_view text) const;

 private:
  const OracleCharset* set_;
};

}  // namespace ocilite

#endif
