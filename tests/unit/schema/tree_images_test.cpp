// The tree's image list from the program's own bitmap 147.
#include <gtest/gtest.h>

#include <windows.h>
#include <commctrl.h>

#include "SchemaTree.h"

namespace {

constexpr COLORREF kBackground = RGB(255, 0, 255);

// Draws one image over a magenta square and reads back the pixel at (x, y).
class ImageCanvas {
 public:
  ImageCanvas() : dc_(CreateCompatibleDC(nullptr)) {
    BITMAPINFO info = {};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = 16;
    info.bmiHeader.biHeight = -15;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    void* bits = nullptr;
    surface_ = CreateDIBSection(dc_, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    previous_ = SelectObject(dc_, surface_);
  }
  ~ImageCanvas() {
    SelectObject(dc_, previous_);
    DeleteObject(surface_);
    DeleteDC(dc_);
  }
  ImageCanvas(const ImageCanvas&) = delete;
  ImageCanvas& operator=(const ImageCanvas&) = delete;

  void Draw(HIMAGELIST images, int index) {
    HBRUSH brush = CreateSolidBrush(kBackground);
    RECT all = {0, 0, 16, 15};
    FillRect(dc_, &all, brush);
    DeleteObject(brush);
    ImageList_Draw(images, index, dc_, 0, 0, ILD_TRANSPARENT);
  }
  COLORREF Pixel(int x, int y) const { return GetPixel(dc_, x, y); }

 private:
  HDC dc_;
  HBITMAP surface_ = nullptr;
  HGDIOBJ previous_ = nullptr;
};

class TreeImagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    images = schematree::CreateImageList(GetModuleHandleA(nullptr), bitmap);
    ASSERT_NE(nullptr, images);
    ASSERT_NE(nullptr, bitmap);
  }
  void TearDown() override {
    ImageList_Destroy(images);
    DeleteObject(bitmap);
  }

  HBITMAP bitmap = nullptr;
  HIMAGELIST images = nullptr;
};

TEST_F(TreeImagesTest, TwelvePicturesOf16By15) {
  EXPECT_EQ(12, ImageList_GetImageCount(images));
  int width = 0;
  int height = 0;
  ASSERT_TRUE(ImageList_GetIconSize(images, &width, &height));
  EXPECT_EQ(16, width);
  EXPECT_EQ(15, height);
}

// Every picture leaves its light grey corner transparent and paints its middle.
TEST_F(TreeImagesTest, LightGreyIsTransparent) {
  ImageCanvas canvas;
  for (int index = 0; index < 12; ++index) {
    SCOPED_TRACE(index);
    canvas.Draw(images, index);
    EXPECT_EQ(kBackground, canvas.Pixel(0, 0));
    EXPECT_EQ(kBackground, canvas.Pixel(15, 14));
    EXPECT_NE(kBackground, canvas.Pixel(7, 7));
  }
}

TEST(TreeImages, MissingBitmapGivesNoList) {
  HBITMAP bitmap = reinterpret_cast<HBITMAP>(1);
  // kernel32 holds no bitmap 147.
  EXPECT_EQ(nullptr, schematree::CreateImageList(GetModuleHandleA("kernel32.dll"), bitmap));
  EXPECT_EQ(nullptr, bitmap);
}

}  // namespace
