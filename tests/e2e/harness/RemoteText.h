// Texts that a control writes into a buffer in its own process (list-view cells, header
// items, tree items), read back with as much room as they need.
#ifndef ZENQUILL_TESTS_E2E_HARNESS_REMOTETEXT_H
#define ZENQUILL_TESTS_E2E_HARNESS_REMOTETEXT_H

#include <windows.h>

#include <functional>
#include <memory>
#include <string>

#include "RemoteBuffer.h"

namespace e2e {

class RemoteTextReader {
 public:
  // Writes the request structure at offset 0 of `buffer`, naming `text` (an address in the
  // program) with room for `capacity` characters, and sends the control its message.
  using Ask = std::function<void(RemoteBuffer& buffer, void* text, int capacity)>;

  // Room for the request structure before the text.
  static constexpr size_t kStructRoom = 256;

  // `window`: any window of the program; the buffer lives in its process.
  explicit RemoteTextReader(HWND window) : window_(window) {}

  // The text the control wrote; asks again with more room while the text does not fit.
  // Empty when no memory could be had in the program.
  std::string Read(const Ask& ask);
  // The buffer of the last Read, to read back fields of the request structure.
  RemoteBuffer* Buffer() { return buffer_.get(); }

 private:
  bool Prepare(int capacity);

  HWND window_;
  std::unique_ptr<RemoteBuffer> buffer_;
  int capacity_ = 0;
};

}  // namespace e2e

#endif
