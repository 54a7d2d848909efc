#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Canvas.h"
#include "ListHost.h"
#include "SortListCtrl.h"

namespace {

enum class Ink { Face, Light, Dark };

COLORREF ColourOf(Ink ink) {
  switch (ink) {
    case Ink::Light: return GetSysColor(COLOR_BTNHIGHLIGHT);
    case Ink::Dark: return GetSysColor(COLOR_BTNSHADOW);
    default: return GetSysColor(COLOR_BTNFACE);
  }
}

// Paints the header of a real list into a bitmap, in the header's own font (optionally
// enlarged, to show that the mark scales with the width of a blank).
class HeaderPainter {
 public:
  explicit HeaderPainter(int fontScale) {
    LOGFONTA font = {};
    GetObjectA(GetStockObject(DEFAULT_GUI_FONT), sizeof font, &font);
    font.lfHeight *= fontScale;
    font_ = CreateFontIndirectA(&font);
    SendMessageA(host.List(), WM_SETFONT, reinterpret_cast<WPARAM>(font_), TRUE);
    attached_ = host.Attach(list);
    host.AddColumns({"Name", "City", "Salary"}, 150);
    host.AddRow({"b", "y", "2"});
    host.AddRow({"a", "x", "1"});
  }
  ~HeaderPainter() {
    DestroyWindow(host.List());
    DeleteObject(font_);
  }

  bool Attached() const { return attached_; }

  std::unique_ptr<Canvas> PaintHeader() {
    RECT client = {};
    GetClientRect(host.Header(), &client);
    auto canvas = std::make_unique<Canvas>(client.right, client.bottom);
    SendMessageA(host.Header(), WM_PRINTCLIENT, reinterpret_cast<WPARAM>(canvas->Dc()), PRF_CLIENT | PRF_ERASEBKGND);
    return canvas;
  }

  // Calls DrawItem as the header would, with the header's font and a transparent background.
  std::unique_ptr<Canvas> DrawItem(int column, UINT state) {
    const RECT item = host.HeaderItemRect(column);
    auto canvas = std::make_unique<Canvas>(item.right, item.bottom);
    SelectObject(canvas->Dc(), HeaderFont());
    SetBkMode(canvas->Dc(), TRANSPARENT);
    DRAWITEMSTRUCT draw = {};
    draw.CtlType = ODT_HEADER;
    draw.itemID = column;
    draw.itemAction = ODA_DRAWENTIRE;
    draw.itemState = state;
    draw.hwndItem = host.Header();
    draw.hDC = canvas->Dc();
    draw.rcItem = item;
    list.Header().DrawItem(draw);
    return canvas;
  }

  // The label as DrawText itself puts it in `rect`, on the header's background.
  std::unique_ptr<Canvas> DrawReference(const char* text, RECT rect, UINT alignment) {
    const RECT item = host.HeaderItemRect(1);
    auto canvas = std::make_unique<Canvas>(item.right, item.bottom);
    canvas->Fill(GetSysColor(COLOR_BTNFACE));
    SelectObject(canvas->Dc(), HeaderFont());
    SetBkMode(canvas->Dc(), TRANSPARENT);
    DrawTextA(canvas->Dc(), text, -1, &rect, DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | alignment);
    return canvas;
  }

  int Blank() {
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, HeaderFont());
    SIZE size = {};
    GetTextExtentPoint32A(dc, " ", 1, &size);
    DeleteDC(dc);
    return size.cx;
  }

  void SetColumn(int column, const char* text, int width, int format) {
    HDITEMA item = {};
    item.mask = HDI_TEXT | HDI_WIDTH | HDI_FORMAT;
    item.pszText = const_cast<char*>(text);
    item.cxy = width;
    item.fmt = format | HDF_STRING;
    SendMessageA(host.Header(), HDM_SETITEMA, column, reinterpret_cast<LPARAM>(&item));
  }

  ListHost host;
  CSortListCtrl list;

 private:
  HFONT HeaderFont() { return reinterpret_cast<HFONT>(SendMessageA(host.Header(), WM_GETFONT, 0, 0)); }

  HFONT font_ = nullptr;
  bool attached_ = false;
};

// A pixel of the mark: x = R + xBlanks*s + xPixels, y = (fromBottom ? B : 0) + yBlanks*s + yPixels.
struct MarkProbe {
  const char* what;
  int xBlanks, xPixels;
  bool fromBottom;
  int yBlanks, yPixels;
  Ink ink;
};

struct MarkCase {
  const char* name;
  bool ascending;
  int fontScale;
  std::vector<MarkProbe> probes;
};

const std::vector<MarkProbe> kAscending = {
    {"light start", -4, 0, false, 2, -1, Ink::Light},
    {"light corner", -3, 0, true, -2, 0, Ink::Light},
    {"base", -4, 0, true, -2, 0, Ink::Light},
    {"base reaches its end", -5, -1, true, -2, 0, Ink::Light},
    {"base end is not painted", -5, -2, true, -2, 0, Ink::Face},
    {"dark start", -5, -1, true, -2, -1, Ink::Dark},
    {"dark end is not painted", -4, 0, false, 2, -2, Ink::Face},
    {"right of the mark", -3, 1, true, -2, 0, Ink::Face},
};

const std::vector<MarkProbe> kDescending = {
    {"light start", -3, 0, false, 2, -1, Ink::Light}, {"light end is not painted", -4, -1, true, -2, 1, Ink::Face},
    {"dark start", -4, -1, true, -2, 0, Ink::Dark},   {"top corner", -5, -1, false, 2, -1, Ink::Dark},
    {"top edge", -4, 0, false, 2, -1, Ink::Dark},     {"below the tip", -4, -1, true, -2, 2, Ink::Face},
};

const MarkCase kMarkCases[] = {
    {"Ascending", true, 1, kAscending},
    {"Descending", false, 1, kDescending},
    {"AscendingLargeFont", true, 2, kAscending},
    {"DescendingLargeFont", false, 2, kDescending},
};

class SortMarkTest : public ::testing::TestWithParam<MarkCase> {};

TEST_P(SortMarkTest, DrawsTheTriangleAtItsPlace) {
  const MarkCase& c = GetParam();
  HeaderPainter painter(c.fontScale);
  ASSERT_TRUE(painter.Attached());
  painter.host.NotifyHeaderClick(1, 0, HDN_ITEMCLICKA);
  if (!c.ascending) painter.host.NotifyHeaderClick(1, 0, HDN_ITEMCLICKA);
  ASSERT_EQ(c.ascending, painter.list.Ascending());

  const auto canvas = painter.PaintHeader();
  const RECT item = painter.host.HeaderItemRect(1);
  const int s = painter.Blank();
  ASSERT_GT(s, 1);
  for (const MarkProbe& p : c.probes) {
    const int x = item.right + p.xBlanks * s + p.xPixels;
    const int y = (p.fromBottom ? item.bottom : 0) + p.yBlanks * s + p.yPixels;
    EXPECT_EQ(ColourOf(p.ink), canvas->Pixel(x, y)) << p.what << " at " << x << "," << y;
  }

  // Nothing else is painted right of the text: the mark spans R-5s-2 to R-3s.
  const RECT band = {item.right - 8 * s, item.top + 1, item.right - 1, item.bottom - 1};
  const RECT ink = canvas->InkBounds(band, ColourOf(Ink::Face));
  EXPECT_GE(ink.left, item.right - 5 * s - 2);
  EXPECT_LE(ink.right, item.right - 3 * s + 1);
}

INSTANTIATE_TEST_SUITE_P(Cases, SortMarkTest, ::testing::ValuesIn(kMarkCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SortMark, EarlierColumnLosesItsMark) {
  HeaderPainter painter(1);
  ASSERT_TRUE(painter.Attached());
  painter.host.NotifyHeaderClick(2, 0, HDN_ITEMCLICKA);
  painter.host.NotifyHeaderClick(0, 0, HDN_ITEMCLICKA);

  const auto canvas = painter.PaintHeader();
  const int s = painter.Blank();
  const RECT old = painter.host.HeaderItemRect(2);
  const RECT oldBand = {old.right - 6 * s, old.top + 1, old.right - 2 * s, old.bottom - 1};
  EXPECT_EQ(oldBand.left, canvas->InkBounds(oldBand, ColourOf(Ink::Face)).right);

  const RECT now = painter.host.HeaderItemRect(0);
  const RECT nowBand = {now.right - 6 * s, now.top + 1, now.right - 2 * s, now.bottom - 1};
  EXPECT_GT(canvas->Count(nowBand, ColourOf(Ink::Light)), 0);
  EXPECT_GT(canvas->Count(nowBand, ColourOf(Ink::Dark)), 0);
}

TEST(SortMark, PressedItemMovesTextNotMark) {
  HeaderPainter painter(1);
  ASSERT_TRUE(painter.Attached());
  painter.host.NotifyHeaderClick(1, 0, HDN_ITEMCLICKA);
  const auto up = painter.DrawItem(1, 0);
  const auto down = painter.DrawItem(1, ODS_SELECTED);

  const RECT item = painter.host.HeaderItemRect(1);
  const int s = painter.Blank();
  const COLORREF face = ColourOf(Ink::Face);
  const RECT textArea = {item.left, item.top, item.right - 6 * s, item.bottom};
  const RECT upText = up->InkBounds(textArea, face);
  const RECT downText = down->InkBounds(textArea, face);
  ASSERT_LT(upText.left, upText.right) << "the label was drawn";
  EXPECT_EQ(upText.left + 1, downText.left);
  // The label is centred vertically in a rectangle whose top moved down by two pixels.
  EXPECT_EQ(upText.top + 1, downText.top);

  const RECT markArea = {item.right - 6 * s, item.top, item.right, item.bottom};
  const RECT upMark = up->InkBounds(markArea, face);
  const RECT downMark = down->InkBounds(markArea, face);
  EXPECT_TRUE(EqualRect(&upMark, &downMark));
}

TEST(SortMark, NarrowColumnCutsTextWithEllipsis) {
  HeaderPainter painter(1);
  ASSERT_TRUE(painter.Attached());
  const int s = painter.Blank();
  painter.SetColumn(1, "A HEADING FAR TOO LONG FOR ITS COLUMN", 20 * s, HDF_LEFT);
  painter.host.NotifyHeaderClick(1, 0, HDN_ITEMCLICKA);

  const auto canvas = painter.PaintHeader();
  const RECT item = painter.host.HeaderItemRect(1);
  const RECT textArea = {item.left + 1, item.top + 1, item.right - 6 * s, item.bottom - 1};
  const RECT text = canvas->InkBounds(textArea, ColourOf(Ink::Face));
  ASSERT_LT(text.left, text.right);
  EXPECT_GE(text.left, item.left + 2 * s);
  EXPECT_LE(text.right, item.right - 8 * s);
}

struct RoomCase {
  const char* name;
  bool sorted;
  int widthInBlanks;
};

class NoRoomTest : public ::testing::TestWithParam<RoomCase> {};

TEST_P(NoRoomTest, DrawsOnlyBackgroundAndMark) {
  const RoomCase& c = GetParam();
  HeaderPainter painter(1);
  ASSERT_TRUE(painter.Attached());
  const int s = painter.Blank();
  painter.SetColumn(1, "WWWW", c.widthInBlanks * s, HDF_LEFT);
  painter.host.NotifyHeaderClick(c.sorted ? 1 : 2, 0, HDN_ITEMCLICKA);

  const auto canvas = painter.DrawItem(1, 0);
  const RECT item = painter.host.HeaderItemRect(1);
  const RECT leftOfMark = {item.left, item.top, item.right - 5 * s - 2, item.bottom};
  EXPECT_EQ(leftOfMark.left, canvas->InkBounds(leftOfMark, ColourOf(Ink::Face)).right);
  const RECT markArea = {item.right - 5 * s - 2, item.top, item.right, item.bottom};
  EXPECT_EQ(c.sorted, canvas->Count(markArea, ColourOf(Ink::Dark)) > 0);
}

const RoomCase kRoomCases[] = {
    {"UnsortedFourBlanks", false, 4},
    {"SortedTenBlanks", true, 10},
};

INSTANTIATE_TEST_SUITE_P(Cases, NoRoomTest, ::testing::ValuesIn(kRoomCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct AlignCase {
  const char* name;
  int headerFormat;
  UINT textFormat;
};

class AlignmentTest : public ::testing::TestWithParam<AlignCase> {};

TEST_P(AlignmentTest, PutsTheLabelBetweenTheMargins) {
  const AlignCase& c = GetParam();
  HeaderPainter painter(1);
  ASSERT_TRUE(painter.Attached());
  const int s = painter.Blank();
  painter.SetColumn(1, "Mid", 40 * s, c.headerFormat);
  painter.host.NotifyHeaderClick(1, 0, HDN_ITEMCLICKA);

  const auto drawn = painter.DrawItem(1, 0);
  const RECT item = painter.host.HeaderItemRect(1);
  const RECT margins = {item.left + 2 * s, item.top, item.right - 8 * s, item.bottom};
  const auto expected = painter.DrawReference("Mid", margins, c.textFormat);

  const RECT textArea = {item.left, item.top, item.right - 6 * s, item.bottom};
  const COLORREF face = ColourOf(Ink::Face);
  const RECT got = drawn->InkBounds(textArea, face);
  const RECT want = expected->InkBounds(textArea, face);
  ASSERT_LT(want.left, want.right);
  EXPECT_TRUE(EqualRect(&want, &got)) << "label at " << got.left << ".." << got.right << ", expected " << want.left
                                      << ".." << want.right;
}

const AlignCase kAlignCases[] = {
    {"Left", HDF_LEFT, DT_LEFT},
    {"Centre", HDF_CENTER, DT_CENTER},
    {"Right", HDF_RIGHT, DT_RIGHT},
};

INSTANTIATE_TEST_SUITE_P(Cases, AlignmentTest, ::testing::ValuesIn(kAlignCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
