// A 32-bit device-independent bitmap to paint controls into and read pixels back from.
#ifndef ZENQUILL_TESTS_CONTROLS_CANVAS_H
#define ZENQUILL_TESTS_CONTROLS_CANVAS_H

#include <windows.h>

class Canvas {
 public:
  Canvas(int width, int height);
  ~Canvas();
  Canvas(const Canvas&) = delete;
  Canvas& operator=(const Canvas&) = delete;

  HDC Dc() const { return dc_; }
  COLORREF Pixel(int x, int y) const;
  void Fill(COLORREF colour);
  // Smallest rectangle (right and bottom exclusive) within `area` holding every pixel that
  // is not `background`; empty (left == right) when there is none.
  RECT InkBounds(const RECT& area, COLORREF background) const;
  // Number of pixels of exactly `colour` within `area`.
  int Count(const RECT& area, COLORREF colour) const;

 private:
  int width_;
  int height_;
  HDC dc_ = nullptr;
  HBITMAP bitmap_ = nullptr;
  HGDIOBJ previous_ = nullptr;
  const DWORD* bits_ = nullptr;
};

#endif
