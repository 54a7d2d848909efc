// Fuzz target for the shaping of the client library's error texts into the one line the
// message line shows, through the test double of the client library (it must be the
// "./oci.dll" of the working directory). The first byte picks the status OCIErrorGet
// answers with; the rest, up to a zero byte, is the text it reports.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "DatabaseDocument.h"
#include "FakeOciClient.h"

namespace {

const sword kStatuses[] = {OCI_SUCCESS, OCI_SUCCESS_WITH_INFO, OCI_NO_DATA, OCI_ERROR};
const size_t kBufferSize = 4096;  // the document's buffer, terminator included

void Fail(const std::string& what) {
  std::fprintf(stderr, "error text property broken: %s\n", what.c_str());
  std::abort();
}

// What the user must see: the text as the buffer holds it, trailing line feeds gone,
// inner ones blanks; anything but success gives the fallback text.
std::string Expected(sword status, std::string text) {
  if (status != OCI_SUCCESS) return "No message! Are you connected to the database?";
  text = text.substr(0, text.find('\0')).substr(0, kBufferSize - 1);
  while (!text.empty() && text.back() == '\n') text.pop_back();
  for (char& c : text)
    if (c == '\n') c = ' ';
  return text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static FakeOciClient fake;
  if (!fake.IsOpen()) Fail("no test double as ./oci.dll in the working directory");
  // The double's state, made first, is destroyed after the document that ends its session.
  static const bool stateMade = (fake.FakeOciReset(), true);
  static DatabaseDocument document;
  (void)stateMade;
  const sword status = size > 0 ? kStatuses[data[0] % 4] : OCI_SUCCESS;
  const std::string text = size > 0 ? std::string(reinterpret_cast<const char*>(data) + 1, size - 1) : "";
  // A fresh session each time, so the double's record of calls does not grow.
  document.Disconnect();
  fake.FakeOciReset();
  if (document.Connect("FUZZ", "scott", "tiger", LOGIN_NORMAL) != DB_OK) Fail("the double refused the session");
  fake.FakeOciSetErrorText(text.c_str());
  fake.FakeOciScriptStatus("OCIErrorGet", 0, status);
  const std::string shown = document.GetErrorText();
  if (shown != Expected(status, text)) Fail("shown \"" + shown + "\"");
  return 0;
}
