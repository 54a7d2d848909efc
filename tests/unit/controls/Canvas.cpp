#include "Canvas.h"

Canvas::Canvas(int width, int height) : width_(width), height_(height) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;  // top-down rows
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  dc_ = CreateCompatibleDC(nullptr);
  bitmap_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  bits_ = static_cast<const DWORD*>(bits);
  previous_ = SelectObject(dc_, bitmap_);
}

Canvas::~Canvas() {
  SelectObject(dc_, previous_);
  DeleteObject(bitmap_);
  DeleteDC(dc_);
}

COLORREF Canvas::Pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return CLR_INVALID;
  GdiFlush();
  const DWORD bgr = bits_[y * width_ + x];
  return RGB((bgr >> 16) & 0xFF, (bgr >> 8) & 0xFF, bgr & 0xFF);
}

void Canvas::Fill(COLORREF colour) {
  RECT all = {0, 0, width_, height_};
  HBRUSH brush = CreateSolidBrush(colour);
  FillRect(dc_, &all, brush);
  DeleteObject(brush);
}

RECT Canvas::InkBounds(const RECT& area, COLORREF background) const {
  RECT ink = {area.right, area.bottom, area.left, area.top};
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (Pixel(x, y) == background) continue;
      if (x < ink.left) ink.left = x;
      if (y < ink.top) ink.top = y;
      if (x + 1 > ink.right) ink.right = x + 1;
      if (y + 1 > ink.bottom) ink.bottom = y + 1;
    }
  }
  if (ink.left >= ink.right) return RECT{area.left, area.top, area.left, area.top};
  return ink;
}

int Canvas::Count(const RECT& area, COLORREF colour) const {
  int count = 0;
  for (int y = area.top; y < area.bottom; ++y)
    for (int x = area.left; x < area.right; ++x) count += Pixel(x, y) == colour;
  return count;
}
