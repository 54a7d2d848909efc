#include <windows.h>
#include <commctrl.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <string>
#include <vector>

#include "ListHost.h"
#include "ResultMemoryCap.h"
#include "ResultSet.h"
#include "Settle.h"
#include "SortCase.h"
#include "SortKey.h"
#include "SortListCtrl.h"

namespace {

const SortCase kSortCases[] = {
    {"NumbersSortAsText", {"10", "9", "100"}, true, {"10", "100", "9"}},
    {"NullBetweenMAndO",
     {"Oslo", "NULL", "Madrid", "Zurich", "Athens"},
     true,
     {"Athens", "Madrid", "NULL", "Oslo", "Zurich"}},
    {"IgnoresCase", {"Delta", "charlie", "Bravo", "alpha"}, true, {"alpha", "Bravo", "charlie", "Delta"}},
    {"Descending", {"alpha", "Delta", "Bravo", "charlie"}, false, {"Delta", "charlie", "Bravo", "alpha"}},
    {"HyphenIsText", {"cooper", "coop", "co-op"}, true, {"co-op", "coop", "cooper"}},
    {"LongCellsCompareWhole",
     {std::string(300, 'x') + "b", std::string(300, 'x') + "c", std::string(300, 'x') + "a"},
     true,
     {std::string(300, 'x') + "a", std::string(300, 'x') + "b", std::string(300, 'x') + "c"}},
    {"EmptyCellsFirst", {"b", "", "a"}, true, {"", "a", "b"}},
};

class SortByColumnTest : public ::testing::TestWithParam<SortCase> {};

TEST_P(SortByColumnTest, OrdersRowsByCellText) {
  const SortCase& c = GetParam();
  ListHost host;
  CSortListCtrl list;
  ASSERT_TRUE(host.Attach(list));
  host.AddColumns({"ID", "VALUE"});
  for (size_t i = 0; i < c.cells.size(); ++i) host.AddRow({std::to_string(i), c.cells[i]});

  list.SortByColumn(1, c.ascending);

  EXPECT_EQ(c.expected, host.ColumnTexts(1));
}

INSTANTIATE_TEST_SUITE_P(Cases, SortByColumnTest, ::testing::ValuesIn(kSortCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct CompareCase {
  const char* name;
  const char* a;
  const char* b;
  int sign;
};

const CompareCase kCompareCases[] = {
    {"SameCase", "abc", "abc", 0},
    {"LowerAndUpperAreEqual", "abc", "ABC", 0},
    {"MixedCaseAreEqual", "NuLl", "null", 0},
    {"LetterOrderFirst", "abc", "ABD", -1},
    {"UpperBeforeLaterLower", "ABC", "abd", -1},
    {"PrefixFirst", "abc", "ABCD", -1},
    {"DigitsAsText", "100", "9", -1},
    {"TenBeforeHundred", "10", "100", -1},
    {"EmptyFirst", "", "a", -1},
    {"EmptyBeforeBlank", "", " ", -1},
    {"NullAfterM", "Madrid", "NULL", -1},
    {"NullBeforeO", "NULL", "Oslo", -1},
    {"AccentedLettersIgnoreCase", "\xE9t\xE9", "\xC9T\xC9", 0},
    {"AccentAfterPlainLetter", "e", "\xE9", -1},
    {"SharpSIsDoubleS",
     "stra\xDF"
     "e",
     "STRASSE", 0},
    {"BlankBeforeLetter", "a b", "ab", -1},
    {"HyphenIsText", "co-op", "coop", -1},
    {"PunctuationBeforeDigits", "#1", "1", -1},
    {"ApostropheIsText", "o'neil", "oneil", -1},
};

class CompareSortTextsTest : public ::testing::TestWithParam<CompareCase> {};

int Sign(int value) { return (value > 0) - (value < 0); }

// The order the result list sorts by: its cells' sort keys, byte by byte.
int KeyOrder(const std::string& a, const std::string& b) {
  std::string keyA, keyB;
  results::MakeSortKey(a.c_str(), keyA);
  results::MakeSortKey(b.c_str(), keyB);
  return Sign(std::strcmp(keyA.c_str(), keyB.c_str()));
}

// The system's own comparison that the keys must agree with.
int SystemOrder(const std::string& a, const std::string& b) {
  return CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE | SORT_STRINGSORT, a.c_str(), -1, b.c_str(), -1) -
         CSTR_EQUAL;
}

TEST_P(CompareSortTextsTest, KeysOrderAsTheSystemComparesIgnoringCase) {
  const CompareCase& c = GetParam();
  EXPECT_EQ(c.sign, SystemOrder(c.a, c.b)) << "the table itself";
  EXPECT_EQ(c.sign, KeyOrder(c.a, c.b));
  EXPECT_EQ(-c.sign, KeyOrder(c.b, c.a));
}

INSTANTIATE_TEST_SUITE_P(Cases, CompareSortTextsTest, ::testing::ValuesIn(kCompareCases),
                         [](const auto& info) { return std::string(info.param.name); });

// Short texts from a small alphabet of both cases, digits, blanks, punctuation and Latin-1
// letters, so that equal and near-equal cells are frequent.
TEST(SortByColumn, TenThousandRandomCellsSortInTheSystemsOrder) {
  const std::string alphabet = "aAbBzZ019 -'.,_#\xE9\xC9\xE0\xC4\xE4\xDF\xF1\xD1";
  std::mt19937 random(20261208);
  results::ResultSet rows;
  rows.AddColumn("TEXT");
  for (int row = 0; row < 10000; ++row) {
    std::string text(random() % 5, ' ');
    for (char& c : text) c = alphabet[random() % alphabet.size()];
    ASSERT_TRUE(rows.AppendRow({text}));
  }
  for (bool ascending : {true, false}) {
    ASSERT_TRUE(rows.Sort(0, ascending));
    for (int row = 1; row < rows.RowCount(); ++row) {
      const int order = SystemOrder(rows.CellText(row - 1, 0), rows.CellText(row, 0));
      ASSERT_TRUE(ascending ? order <= 0 : order >= 0)
          << row << ": '" << rows.Cell(row - 1, 0) << "' then '" << rows.Cell(row, 0) << "'";
    }
  }
}

TEST(SortByColumn, EqualIgnoringCaseStayTogether) {
  ListHost host;
  CSortListCtrl list;
  ASSERT_TRUE(host.Attach(list));
  host.AddColumns({"NAME"});
  for (const char* text : {"abd", "ABC", "abb", "abc"}) host.AddRow({text});

  list.SortByColumn(0, true);

  const Texts sorted = host.ColumnTexts(0);
  ASSERT_EQ(4u, sorted.size());
  EXPECT_EQ("abb", sorted[0]);
  EXPECT_EQ((Texts{"ABC", "abc"}), (Texts{std::min(sorted[1], sorted[2]), std::max(sorted[1], sorted[2])}));
  EXPECT_EQ("abd", sorted[3]);
}

// The rows carry no item data of their own any more: what belongs to a row is its cells
// and its selection, and both move with it.
TEST(SortByColumn, RowsMoveWithTheirCellsAndSelection) {
  ListHost host;
  CSortListCtrl list;
  ASSERT_TRUE(host.Attach(list));
  host.AddColumns({"NAME", "FETCHED"});
  const Texts names = {"pear", "apple", "fig", "kiwi", "banana"};
  for (size_t i = 0; i < names.size(); ++i) host.AddRow({names[i], std::to_string(i)});
  ListView_SetItemState(host.List(), 2, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);

  for (bool ascending : {true, false}) {
    list.SortByColumn(0, ascending);
    const Texts sorted = host.ColumnTexts(0);
    const Texts fetched = host.ColumnTexts(1);
    for (size_t row = 0; row < sorted.size(); ++row) {
      const size_t original = std::find(names.begin(), names.end(), sorted[row]) - names.begin();
      EXPECT_EQ(std::to_string(original), fetched[row]) << sorted[row] << (ascending ? " ascending" : " descending");
    }
    const int selected = ListView_GetNextItem(host.List(), -1, LVNI_SELECTED);
    ASSERT_GE(selected, 0);
    EXPECT_EQ("fig", sorted[selected]);
    EXPECT_EQ(selected, ListView_GetNextItem(host.List(), -1, LVNI_FOCUSED));
    EXPECT_EQ(std::vector<int>{selected}, list.SelectedRows());
  }
}

TEST(SortByColumn, RepaintsOnceAndKeepsRedrawing) {
  ListHost host;
  CSortListCtrl list;
  ASSERT_TRUE(host.Attach(list));
  host.AddColumns({"NAME"});
  for (const char* text : {"b", "c", "a"}) host.AddRow({text});
  ShowSettled(GetParent(host.List()));  // hidden windows collect no update region

  ASSERT_FALSE(GetUpdateRect(host.List(), nullptr, FALSE));
  list.SortByColumn(0, true);
  EXPECT_TRUE(GetUpdateRect(host.List(), nullptr, FALSE)) << "the sorted rows are repainted";

  ValidateRect(host.List(), nullptr);
  host.AddRow({"d"});
  EXPECT_TRUE(GetUpdateRect(host.List(), nullptr, FALSE)) << "redrawing is on again";
}

class HeaderClickTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(host.Attach(list));
    host.AddColumns({"A", "B", "C"});
    host.AddRow({"3", "x", "beta"});
    host.AddRow({"1", "z", "alpha"});
    host.AddRow({"2", "y", "gamma"});
  }

  void ExpectState(int column, bool ascending) {
    EXPECT_EQ(column, list.SortColumn());
    EXPECT_EQ(ascending, list.Ascending());
    EXPECT_EQ(column, list.Header().SortColumn());
    EXPECT_EQ(ascending, list.Header().Ascending());
  }

  bool OwnerDrawn(int column) { return (host.HeaderFormat(column) & HDF_OWNERDRAW) != 0; }

  ListHost host;
  CSortListCtrl list;
};

TEST_F(HeaderClickTest, StartsUnsorted) { ExpectState(-1, true); }

TEST_F(HeaderClickTest, FirstClickAscendsSecondDescendsOtherColumnAscends) {
  host.NotifyHeaderClick(2, 0, HDN_ITEMCLICKA);
  ExpectState(2, true);
  EXPECT_EQ((Texts{"alpha", "beta", "gamma"}), host.ColumnTexts(2));
  EXPECT_TRUE(OwnerDrawn(2));

  host.NotifyHeaderClick(2, 0, HDN_ITEMCLICKA);
  ExpectState(2, false);
  EXPECT_EQ((Texts{"gamma", "beta", "alpha"}), host.ColumnTexts(2));

  host.NotifyHeaderClick(0, 0, HDN_ITEMCLICKA);
  ExpectState(0, true);
  EXPECT_EQ((Texts{"1", "2", "3"}), host.ColumnTexts(0));
  EXPECT_TRUE(OwnerDrawn(0));
  EXPECT_TRUE(OwnerDrawn(2)) << "an earlier column keeps its owner-draw flag";
  EXPECT_FALSE(OwnerDrawn(1));
}

TEST_F(HeaderClickTest, AcceptsBothCharacterSets) {
  for (UINT code : {HDN_ITEMCLICKA, HDN_ITEMCLICKW}) {
    host.NotifyHeaderClick(1, 0, code);
    EXPECT_EQ(1, list.SortColumn()) << code;
  }
  EXPECT_FALSE(list.Ascending()) << "two clicks on one column, one in each form";
  EXPECT_EQ((Texts{"z", "y", "x"}), host.ColumnTexts(1));
}

TEST_F(HeaderClickTest, RightAndMiddleClicksAreIgnored) {
  for (int button : {1, 2}) {
    host.NotifyHeaderClick(2, button, HDN_ITEMCLICKW);
    ExpectState(-1, true);
    EXPECT_EQ((Texts{"beta", "alpha", "gamma"}), host.ColumnTexts(2)) << "button " << button;
    EXPECT_FALSE(OwnerDrawn(2)) << "button " << button;
  }
}

TEST_F(HeaderClickTest, OtherNotificationsDoNotSort) {
  host.NotifyHeaderClick(2, 0, HDN_ITEMDBLCLICKA);
  ExpectState(-1, true);
}

TEST_F(HeaderClickTest, MouseClickOnHeaderSorts) {
  host.MouseClickHeader(1);
  ExpectState(1, true);
  EXPECT_EQ((Texts{"x", "y", "z"}), host.ColumnTexts(1));
}

TEST_F(HeaderClickTest, StateSurvivesRefill) {
  host.NotifyHeaderClick(1, 0, HDN_ITEMCLICKA);
  host.Refill({"A", "B", "C"});
  host.AddRow({"1", "p", "q"});
  host.AddRow({"2", "r", "s"});

  EXPECT_FALSE(OwnerDrawn(1)) << "recreated columns show no mark";
  ExpectState(1, true);

  host.NotifyHeaderClick(1, 0, HDN_ITEMCLICKA);
  ExpectState(1, false);
  EXPECT_EQ((Texts{"r", "p"}), host.ColumnTexts(1));
}

TEST_F(HeaderClickTest, OtherColumnAfterRefillAscends) {
  host.NotifyHeaderClick(1, 0, HDN_ITEMCLICKA);
  host.NotifyHeaderClick(1, 0, HDN_ITEMCLICKA);
  host.Refill({"A", "B"});
  host.NotifyHeaderClick(0, 0, HDN_ITEMCLICKA);
  ExpectState(0, true);
}

TEST_F(HeaderClickTest, ClickOnEmptyListStillMarks) {
  host.Refill({"A", "B", "C"});
  host.NotifyHeaderClick(2, 0, HDN_ITEMCLICKA);
  ExpectState(2, true);
  EXPECT_TRUE(OwnerDrawn(2));
  EXPECT_TRUE(host.ColumnTexts(2).empty());
}

// Memory for none of the keys: the sort cannot run, and the selected row stays where it was.
TEST_F(HeaderClickTest, OutOfMemoryLeavesRowsSelectionAndStateAsTheyWere) {
  ListView_SetItemState(host.List(), 1, LVIS_SELECTED, LVIS_SELECTED);
  int failures = 0;
  list.OnSortOutOfMemory([&failures] { ++failures; });
  fw::SetResultMemoryCap(1);
  host.NotifyHeaderClick(2, 0, HDN_ITEMCLICKA);
  fw::SetResultMemoryCap(0);
  EXPECT_EQ(1, failures);
  ExpectState(-1, true);
  EXPECT_FALSE(OwnerDrawn(2));
  EXPECT_EQ((Texts{"beta", "alpha", "gamma"}), host.ColumnTexts(2));
  EXPECT_EQ(std::vector<int>{1}, list.SelectedRows());
  host.NotifyHeaderClick(2, 0, HDN_ITEMCLICKA);
  EXPECT_EQ((Texts{"alpha", "beta", "gamma"}), host.ColumnTexts(2)) << "with memory the same click sorts";
}

TEST_F(HeaderClickTest, TypedCharactersSelectTheRowTheyBegin) {
  SendMessageA(host.List(), WM_CHAR, '1', 1);
  EXPECT_EQ(std::vector<int>{1}, list.SelectedRows()) << "column 0 holds 3, 1, 2";
  EXPECT_EQ(1, ListView_GetNextItem(host.List(), -1, LVNI_FOCUSED));
}

TEST(SortListAttach, RejectsWindowsThatAreNotListViews) {
  ListHost host;
  HWND button =
      CreateWindowExA(0, "BUTTON", "b", WS_CHILD, 0, 0, 10, 10, GetParent(host.List()), nullptr, nullptr, nullptr);
  CSortListCtrl list;
  EXPECT_FALSE(list.Attach(nullptr));
  EXPECT_FALSE(list.Attach(button));
  EXPECT_EQ(nullptr, list.Handle());
  EXPECT_TRUE(list.Attach(host.List()));
  EXPECT_EQ(host.Header(), list.Header().Handle());
  EXPECT_FALSE(list.Attach(host.List())) << "attached once only";
}

LRESULT CALLBACK PassThrough(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  auto previous = reinterpret_cast<WNDPROC>(GetPropA(hwnd, "ZqTestPrevious"));
  return CallWindowProcW(previous, hwnd, msg, wParam, lParam);
}

TEST(SortListAttach, DetachRestoresTheWindowProcedure) {
  ListHost host;
  const LONG_PTR original = GetWindowLongPtrW(host.List(), GWLP_WNDPROC);
  CSortListCtrl list;
  ASSERT_TRUE(host.Attach(list));
  host.AddColumns({"NAME"});
  for (const char* text : {"b", "a"}) host.AddRow({text});
  EXPECT_NE(original, GetWindowLongPtrW(host.List(), GWLP_WNDPROC));
  CSortListCtrl second;
  EXPECT_FALSE(second.Attach(host.List())) << "one sorting object per window";

  list.Detach();
  EXPECT_EQ(original, GetWindowLongPtrW(host.List(), GWLP_WNDPROC));
  host.NotifyHeaderClick(0, 0, HDN_ITEMCLICKA);
  EXPECT_EQ("b", list.Rows().Cell(0, 0)) << "no longer sorting";
  EXPECT_EQ(-1, list.SortColumn());

  CSortListCtrl again;
  ASSERT_TRUE(host.Attach(again));
  host.AddColumns({"NAME"});
  for (const char* text : {"b", "a"}) host.AddRow({text});
  host.NotifyHeaderClick(0, 0, HDN_ITEMCLICKA);
  EXPECT_EQ((Texts{"a", "b"}), host.ColumnTexts(0));
}

TEST(SortListAttach, LaterSubclassKeepsWorkingAfterDetach) {
  ListHost host;
  CSortListCtrl list;
  ASSERT_TRUE(host.Attach(list));
  host.AddColumns({"NAME"});
  for (const char* text : {"b", "a"}) host.AddRow({text});
  const LONG_PTR ours = SetWindowLongPtrW(host.List(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(PassThrough));
  SetPropA(host.List(), "ZqTestPrevious", reinterpret_cast<HANDLE>(ours));

  list.Detach();

  EXPECT_EQ(reinterpret_cast<LONG_PTR>(PassThrough), GetWindowLongPtrW(host.List(), GWLP_WNDPROC));
  host.NotifyHeaderClick(0, 0, HDN_ITEMCLICKA);
  EXPECT_EQ("b", list.Rows().Cell(0, 0)) << "detached: passes clicks on unsorted";
  SendMessageA(host.List(), LVM_SETITEMCOUNT, 3, 0);
  EXPECT_EQ(3, ListView_GetItemCount(host.List())) << "the list itself still works";
  SetWindowLongPtrW(host.List(), GWLP_WNDPROC, ours);  // unhook the test's own subclass
  RemovePropA(host.List(), "ZqTestPrevious");
}

TEST(SortListAttach, DestroyingTheWindowDetaches) {
  CSortListCtrl list;
  {
    ListHost host;
    ASSERT_TRUE(list.Attach(host.List()));
  }
  EXPECT_EQ(nullptr, list.Handle());
  EXPECT_EQ(nullptr, list.Header().Handle());
}

}  // namespace
