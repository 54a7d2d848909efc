// The tree's image list from the program's own bitmap 147, drawn as the tree draws it.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "SchemaTree.h"

namespace {

constexpr COLORREF kBackground = RGB(255, 0, 255);

// The colours at three points of image `index` drawn over a magenta square: the top-left
// and bottom-right corners (light grey in every picture) and the middle.
struct Drawn {
  COLORREF topLeft, bottomRight, middle;
};

Drawn Draw(HIMAGELIST images, int index) {
  HDC dc = CreateCompatibleDC(nullptr);
  BITMAPINFO info = {};
  info.bmiHeader = {sizeof info.bmiHeader, 16, -15, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
  void* bits = nullptr;
  HBITMAP surface = CreateDIBSection(dc, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = SelectObject(dc, surface);
  HBRUSH brush = CreateSolidBrush(kBackground);
  const RECT all = {0, 0, 16, 15};
  FillRect(dc, &all, brush);
  ImageList_Draw(images, index, dc, 0, 0, ILD_TRANSPARENT);
  const Drawn drawn = {GetPixel(dc, 0, 0), GetPixel(dc, 15, 14), GetPixel(dc, 7, 7)};
  DeleteObject(brush);
  SelectObject(dc, previous);
  DeleteObject(surface);
  DeleteDC(dc);
  return drawn;
}

TEST(TreeImages, TwelveMaskedPicturesOf16By15) {
  HBITMAP bitmap = nullptr;
  HIMAGELIST images = schematree::CreateImageList(GetModuleHandleA(nullptr), bitmap);
  ASSERT_NE(nullptr, images);
  EXPECT_NE(nullptr, bitmap);
  EXPECT_EQ(12, ImageList_GetImageCount(images));
  int width = 0;
  int height = 0;
  ASSERT_TRUE(ImageList_GetIconSize(images, &width, &height));
  EXPECT_EQ(16, width);
  EXPECT_EQ(15, height);
  for (int index = 0; index < 12; ++index) {
    SCOPED_TRACE(index);
    const Drawn drawn = Draw(images, index);
    EXPECT_EQ(kBackground, drawn.topLeft) << "light grey is transparent";
    EXPECT_EQ(kBackground, drawn.bottomRight);
    EXPECT_NE(kBackground, drawn.middle);
  }
  ImageList_Destroy(images);
  DeleteObject(bitmap);
}

TEST(TreeImages, MissingBitmapGivesNoList) {
  HBITMAP bitmap = reinterpret_cast<HBITMAP>(1);
  // kernel32 holds no bitmap 147.
  EXPECT_EQ(nullptr, schematree::CreateImageList(GetModuleHandleA("kernel32.dll"), bitmap));
  EXPECT_EQ(nullptr, bitmap);
}

}  // namespace
