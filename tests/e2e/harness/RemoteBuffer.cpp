#include "RemoteBuffer.h"

namespace e2e {

RemoteBuffer::RemoteBuffer(HWND window, size_t size) : size_(size) {
  DWORD processId = 0;
  GetWindowThreadProcessId(window, &processId);
  process_ = OpenProcess(
      PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_CREATE_THREAD | PROCESS_QUERY_INFORMATION,
      FALSE, processId);
  if (process_) address_ = VirtualAllocEx(process_, nullptr, size, MEM_COMMIT, PAGE_READWRITE);
}

RemoteBuffer::~RemoteBuffer() {
  if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  if (process_) CloseHandle(process_);
}

bool RemoteBuffer::Write(size_t offset, const void* data, size_t size) {
  if (!address_ || offset + size > size_) return false;
  SIZE_T written = 0;
  return WriteProcessMemory(process_, At(offset), data, size, &written) && written == size;
}

bool RemoteBuffer::Read(size_t offset, void* data, size_t size) const {
  if (!address_ || offset + size > size_) return false;
  SIZE_T read = 0;
  return ReadProcessMemory(process_, At(offset), data, size, &read) && read == size;
}

}  // namespace e2e
