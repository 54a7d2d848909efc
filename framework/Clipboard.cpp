#include "Clipboard.h"

#include <cstring>

namespace fw {
namespace {

// Another program may hold the clipboard for a moment: a few short tries before giving up.
constexpr int kOpenTries = 10;
constexpr DWORD kOpenRetryMs = 20;

// Global memory that is freed unless handed to the clipboard.
class GlobalBlock {
 public:
  explicit GlobalBlock(SIZE_T bytes) : handle_(GlobalAlloc(GMEM_MOVEABLE, bytes)) {}
  ~GlobalBlock() {
    if (handle_) GlobalFree(handle_);
  }
  GlobalBlock(const GlobalBlock&) = delete;
  GlobalBlock& operator=(const GlobalBlock&) = delete;

  bool Valid() const { return handle_ != nullptr; }
  HGLOBAL Release() {
    HGLOBAL handle = handle_;
    handle_ = nullptr;
    return handle;
  }
  HGLOBAL Handle() const { return handle_; }

 private:
  HGLOBAL handle_;
};

bool FillAnsi(GlobalBlock& block, const std::string& ansi) {
  auto* bytes = static_cast<char*>(GlobalLock(block.Handle()));
  if (!bytes) return false;
  std::memcpy(bytes, ansi.c_str(), ansi.size() + 1);
  GlobalUnlock(block.Handle());
  return true;
}

bool FillWide(GlobalBlock& block, const std::string& ansi, int wideLength) {
  auto* wide = static_cast<wchar_t*>(GlobalLock(block.Handle()));
  if (!wide) return false;
  if (wideLength > 0) MultiByteToWideChar(CP_ACP, 0, ansi.data(), static_cast<int>(ansi.size()), wide, wideLength);
  wide[wideLength] = L'\0';
  GlobalUnlock(block.Handle());
  return true;
}

bool OpenClipboardSoon(HWND owner) {
  for (int attempt = 0; attempt < kOpenTries; ++attempt) {
    if (OpenClipboard(owner)) return true;
    Sleep(kOpenRetryMs);
  }
  return false;
}

}  // namespace

ClipboardResult PutTextOnClipboard(HWND owner, const std::string& ansi) {
  const int size = static_cast<int>(ansi.size());
  const int wideLength = size > 0 ? MultiByteToWideChar(CP_ACP, 0, ansi.data(), size, nullptr, 0) : 0;
  GlobalBlock ansiBlock(ansi.size() + 1);
  GlobalBlock wideBlock((static_cast<SIZE_T>(wideLength) + 1) * sizeof(wchar_t));
  if (!ansiBlock.Valid() || !wideBlock.Valid() || !FillAnsi(ansiBlock, ansi) || !FillWide(wideBlock, ansi, wideLength))
    return ClipboardResult::NoMemory;
  if (!OpenClipboardSoon(owner)) return ClipboardResult::Busy;
  EmptyClipboard();
  // The clipboard owns a block once it has taken it.
  if (SetClipboardData(CF_TEXT, ansiBlock.Handle())) ansiBlock.Release();
  if (SetClipboardData(CF_UNICODETEXT, wideBlock.Handle())) wideBlock.Release();
  CloseClipboard();
  return ClipboardResult::Copied;
}

}  // namespace fw
