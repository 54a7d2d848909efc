// Memory inside the program's process. List and tree views take pointers to structures and
// text buffers that must live in their own process; the system does not carry them across.
#ifndef ZENQUILL_TESTS_E2E_HARNESS_REMOTEBUFFER_H
#define ZENQUILL_TESTS_E2E_HARNESS_REMOTEBUFFER_H

#include <windows.h>

#include <cstddef>

namespace e2e {

class RemoteBuffer {
 public:
  // `size` bytes, zero-filled, in the process that owns `window`.
  RemoteBuffer(HWND window, size_t size);
  ~RemoteBuffer();
  RemoteBuffer(const RemoteBuffer&) = delete;
  RemoteBuffer& operator=(const RemoteBuffer&) = delete;

  bool Valid() const { return address_ != nullptr; }
  size_t Size() const { return size_; }
  HANDLE Process() const { return process_; }
  // The address of byte `offset` as the program sees it.
  void* At(size_t offset) const { return static_cast<char*>(address_) + offset; }
  LPARAM Param(size_t offset = 0) const { return reinterpret_cast<LPARAM>(At(offset)); }

  bool Write(size_t offset, const void* data, size_t size);
  bool Read(size_t offset, void* data, size_t size) const;

 private:
  HANDLE process_ = nullptr;
  void* address_ = nullptr;
  size_t size_ = 0;
};

}  // namespace e2e

#endif
