// The schema browser through the real program under Wine, against ocilite's demo database:
// the tree's skeleton, catalogue loads, a table's columns, View Data, Refresh and the
// context menu, as SCOTT, as SYSTEM and without a session.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "ContextMenuDriver.h"
#include "Harness.h"
#include "TreeDispatch.h"
#include "ZenquillSession.h"
#include "resource.h"

namespace {

using schemae2e::ContextMenuDriver;
using schemae2e::PopupItem;
using Texts = std::vector<std::string>;
using Path = std::vector<std::string>;

const char kNoSession[] = "No message! Are you connected to the database?";

Texts TextsOf(const std::vector<e2e::TreeNode>& nodes) {
  Texts texts;
  for (const e2e::TreeNode& node : nodes) texts.push_back(node.text);
  return texts;
}

class SchemaBrowserE2e : public ::testing::Test {
 protected:
  static void SetUpTestSuite() { schemae2e::ZenquillSession::ResetDatabase(); }

  void TearDown() override { session.Close(); }

  void Start() {
    std::string error;
    ASSERT_TRUE(session.Start(error)) << error;
    tree = std::make_unique<e2e::TreeViewReader>(session.Tree());
    list = std::make_unique<e2e::ListViewReader>(session.List());
    menu = std::make_unique<ContextMenuDriver>(session.ProcessId());
  }
  void StartAs(const std::string& user, const std::string& password) {
    ASSERT_NO_FATAL_FAILURE(Start());
    std::string error;
    ASSERT_TRUE(session.Connect(user, password, error)) << error;
  }
  void StartWithoutSession() {
    ASSERT_NO_FATAL_FAILURE(Start());
    std::string error;
    ASSERT_TRUE(session.CancelConnect(error)) << error;
  }

  // Selects the node as a click would; a node that loads has loaded when this returns.
  void Select(const Path& path) {
    HTREEITEM item = tree->Find(path);
    ASSERT_NE(nullptr, item) << path.back();
    const auto text = [&](std::size_t up) { return path.size() > up ? path[path.size() - 1 - up] : std::string(); };
    const bool loads = DispatchTreeSelection(text(0), text(1), text(2)).kind != TreeAction::kNothing;
    if (loads) session.ClearMessage();
    ASSERT_TRUE(tree->Select(item));
    if (loads) session.WaitForMessageOtherThan("");
  }
  // The node at `path` with all its descendants; an empty node when there is none.
  e2e::TreeNode Node(const Path& path) {
    e2e::TreeNode node;
    node.children = tree->Roots();
    for (const std::string& text : path) {
      auto next = std::find_if(node.children.begin(), node.children.end(),
                               [&](const e2e::TreeNode& child) { return child.text == text; });
      if (next == node.children.end()) {
        ADD_FAILURE() << "no node " << text;
        return {};
      }
      e2e::TreeNode found = *next;
      node = std::move(found);
    }
    return node;
  }
  std::vector<e2e::TreeNode> Children(const Path& path) { return Node(path).children; }
  Texts Column(int column) {
    Texts cells;
    for (int row = 0; row < list->RowCount(); ++row) cells.push_back(list->Cell(row, column));
    return cells;
  }
  int ColumnIndex(const std::string& heading) {
    const Texts headings = list->Columns();
    return static_cast<int>(std::find(headings.begin(), headings.end(), heading) - headings.begin());
  }

  // Opens the context menu over `control`, reads it, and closes it with Escape.
  std::vector<PopupItem> ReadContextMenu(HWND control) {
    std::vector<PopupItem> items;
    std::string error;
    EXPECT_TRUE(menu->Open(control, {10, 10}));
    EXPECT_TRUE(menu->Read(items, error)) << error;
    menu->Dismiss();
    EXPECT_TRUE(menu->WaitClosed());
    return items;
  }
  // Chooses an item of the context menu over `control` by its mnemonic.
  void ChooseFromContextMenu(HWND control, char key) {
    ASSERT_TRUE(menu->Open(control, {10, 10}));
    menu->Choose(key);
    ASSERT_TRUE(menu->WaitClosed());
  }

  // Waits until the program has handled every message posted to it so far: a caret position
  // posted last to the editor shows once everything posted before it is done. Setting the
  // text puts the caret at 0 first.
  void Settle() {
    constexpr int kCaret = 3;
    HWND editor = e2e::FindControl(session.Main(), IDC_SQL_EDIT);
    ASSERT_TRUE(e2e::SetText(editor, "settle"));
    PostMessageA(editor, EM_SETSEL, kCaret, kCaret);
    ASSERT_TRUE(e2e::WaitUntil([&] {
      DWORD start = 0;
      SendMessageA(editor, EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
      return start == kCaret;
    }));
  }
  // Runs a query of its own with F5, so that a load afterwards is seen replacing it.
  void ShowDualInList() {
    ASSERT_TRUE(e2e::SetText(e2e::FindControl(session.Main(), IDC_SQL_EDIT), "SELECT * FROM DUAL"));
    e2e::PostKey(session.Main(), VK_F5);
    ASSERT_TRUE(e2e::WaitUntil([&] { return list->Columns() == Texts{"DUMMY"}; })) << session.Message();
  }
  bool FirstHeadingIs(const std::string& heading) {
    const Texts headings = list->Columns();
    return !headings.empty() && headings[0] == heading;
  }
  // Waits for a load's outcome: "Rows %d" with the list's row count.
  void ExpectRowsMessage() {
    EXPECT_TRUE(e2e::WaitUntil([&] { return session.Message() == "Rows " + std::to_string(list->RowCount()); }))
        << session.Message();
  }

  schemae2e::ZenquillSession session;
  std::unique_ptr<e2e::TreeViewReader> tree;
  std::unique_ptr<e2e::ListViewReader> list;
  std::unique_ptr<ContextMenuDriver> menu;
};

// The menu's items other than separators, with whether each is greyed.
std::vector<std::pair<UINT, bool>> Greying(const std::vector<PopupItem>& items) {
  std::vector<std::pair<UINT, bool>> states;
  for (const PopupItem& item : items)
    if (!item.separator) states.emplace_back(item.id, item.greyed);
  return states;
}

std::vector<std::pair<UINT, bool>> ExpectedGreying(bool connected, bool listHasRows = false) {
  return {{ID_REFRESH, !connected},
          {ID_VIEW_DATA, !connected},
          {ID_FILE_SAVE_XML, false},
          {ID_COPY_ROWS, !listHasRows},
          {ID_COPY_ROWS_HEADINGS, !listHasRows},
          {ID_FILE_SAVE_CSV, false},
          {ID_DATABASE_CONNECT, connected},
          {ID_DATABASE_DISCONNECT, !connected},
          {ID_LINKS_HALVERN, false},
          {ID_LINKS_HALVERN_DOWNLOAD, false},
          {ID_LINKS_ORACLE, false},
          {ID_LINKS_ORACLE_TECHNET, false},
          {ID_LINKS_ORACLE_METALINK, false},
          {ID_HELP, false}};
}

TEST_F(SchemaBrowserE2e, BeforeConnectingTheSkeletonLoadsNothing) {
  ASSERT_NO_FATAL_FAILURE(StartWithoutSession());
  EXPECT_EQ(1u, tree->Roots().size());
  const e2e::TreeNode database = Node({"Database"});
  EXPECT_EQ(1, database.image);
  EXPECT_TRUE(database.expanded);
  const std::vector<std::pair<std::string, int>> categories = {
      {"Tables", 0},    {"Views", 4},     {"Indexes", 7},      {"Procedures", 5}, {"Triggers", 8},
      {"Sequenses", 9}, {"Synonyms", 11}, {"Constraints", 10}, {"DBLinks", 6},    {"Users", 3}};
  ASSERT_EQ(categories.size(), database.children.size());
  for (size_t k = 0; k < categories.size(); ++k) {
    const e2e::TreeNode& category = database.children[k];
    SCOPED_TRACE(categories[k].first);
    EXPECT_EQ(categories[k].first, category.text);
    EXPECT_EQ(categories[k].second, category.image);
    EXPECT_EQ(categories[k].second, category.selectedImage);
    EXPECT_EQ(category.text == "Users" ? Texts{} : (Texts{"User", "All"}), TextsOf(category.children));
    for (const e2e::TreeNode& scope : category.children) {
      EXPECT_EQ(scope.text == "User" ? 2 : 3, scope.image);
      EXPECT_TRUE(scope.children.empty());
      EXPECT_EQ(0, scope.childrenFlag) << "no expand button";
    }
  }

  EXPECT_EQ(ExpectedGreying(false), Greying(ReadContextMenu(session.Tree())));
  EXPECT_EQ(ExpectedGreying(false), Greying(ReadContextMenu(session.List()))) << "the list shows the same menu";

  ASSERT_NO_FATAL_FAILURE(Select({"Database", "Tables", "All"}));
  EXPECT_EQ(kNoSession, session.Message());
  EXPECT_TRUE(list->Columns().empty());
  EXPECT_EQ(0, list->RowCount());
  EXPECT_TRUE(Children({"Database", "Tables", "All"}).empty());
}

TEST_F(SchemaBrowserE2e, SystemSeesEveryTableAsOwnerDotName) {
  ASSERT_NO_FATAL_FAILURE(StartAs("SYSTEM", "manager"));
  EXPECT_EQ(ExpectedGreying(true), Greying(ReadContextMenu(session.Tree())));

  ASSERT_NO_FATAL_FAILURE(Select({"Database", "Tables", "All"}));
  ExpectRowsMessage();
  EXPECT_EQ((Texts{"TABLE_NAME", "OWNER", "TABLESPACE_NAME", "NUM_ROWS", "AVG_ROW_LEN", "TABLE_LOCK", "BACKED_UP",
                   "CLUSTER_NAME", "LOGGING", "SAMPLE_SIZE", "LAST_ANALYZED", "PARTITIONED", "TEMPORARY"}),
            list->Columns());
  const Texts names = Column(0);
  const Texts owners = Column(1);
  Texts expected;
  for (size_t row = 0; row < names.size(); ++row) expected.push_back(owners[row] + "." + names[row]);
  const std::vector<e2e::TreeNode> children = Children({"Database", "Tables", "All"});
  EXPECT_EQ(expected, TextsOf(children));
  for (const char* table : {"HR.REGIONS", "SCOTT.DEPT", "SCOTT.EMP", "SYSTEM.HELP"})
    EXPECT_NE(expected.end(), std::find(expected.begin(), expected.end(), table)) << table;
  std::vector<std::pair<std::string, std::string>> order;
  for (size_t row = 0; row < names.size(); ++row) order.emplace_back(owners[row], names[row]);
  EXPECT_TRUE(std::is_sorted(order.begin(), order.end())) << "by owner, then name";
  for (const e2e::TreeNode& child : children) {
    EXPECT_EQ(0, child.image) << child.text;
    EXPECT_EQ(0, child.selectedImage) << child.text;
  }
  EXPECT_TRUE(Node({"Database", "Tables", "All"}).expanded);
  EXPECT_TRUE(e2e::SaveScreenshot(e2e::ArtifactPath("schema-tree.png")));
  EXPECT_EQ(ExpectedGreying(true, true), Greying(ReadContextMenu(session.List()))) << "rows to copy";

  ASSERT_NO_FATAL_FAILURE(ShowDualInList());
  ChooseFromContextMenu(session.Tree(), 'r');
  ASSERT_TRUE(e2e::WaitUntil([&] { return FirstHeadingIs("TABLE_NAME"); })) << "Refresh loads again";
  EXPECT_EQ(expected, TextsOf(Children({"Database", "Tables", "All"}))) << "Refresh gives the children once";
  ASSERT_NO_FATAL_FAILURE(Select({"Database", "Tables", "User"}));
  ASSERT_NO_FATAL_FAILURE(Select({"Database", "Tables", "All"}));
  EXPECT_EQ(expected, TextsOf(Children({"Database", "Tables", "All"}))) << "a second load gives them once";
}

TEST_F(SchemaBrowserE2e, TableNodeShowsColumnsThenRows) {
  ASSERT_NO_FATAL_FAILURE(StartAs("SYSTEM", "manager"));
  ASSERT_NO_FATAL_FAILURE(Select({"Database", "Tables", "All"}));
  const size_t tables = Children({"Database", "Tables", "All"}).size();
  const Texts empColumns = {"EMPNO", "ENAME", "JOB", "MGR", "HIREDATE", "SAL", "COMM", "DEPTNO"};

  ASSERT_NO_FATAL_FAILURE(Select({"Database", "Tables", "All", "SCOTT.EMP"}));
  ExpectRowsMessage();
  EXPECT_EQ(empColumns, Column(ColumnIndex("COLUMN_NAME")));
  EXPECT_EQ(Texts(8, "EMP"), Column(ColumnIndex("TABLE_NAME")));
  EXPECT_EQ(Texts(8, "SCOTT"), Column(ColumnIndex("OWNER")));
  EXPECT_EQ(tables, Children({"Database", "Tables", "All"}).size()) << "the tree is left as it was";
  EXPECT_TRUE(Children({"Database", "Tables", "All", "SCOTT.EMP"}).empty());

  // Chosen in the result list's menu, View Data still acts on the tree's selection.
  ChooseFromContextMenu(session.List(), 'v');
  ASSERT_TRUE(e2e::WaitUntil([&] { return list->RowCount() == 14; })) << session.Message();
  EXPECT_EQ(empColumns, list->Columns());
  const Texts enames = Column(1);
  EXPECT_NE(enames.end(), std::find(enames.begin(), enames.end(), "KING"));
  ExpectRowsMessage();

  // Refresh on a table node shows its columns again, not its rows. The right click lands on
  // "Database" and leaves the selection where it was.
  ChooseFromContextMenu(session.Tree(), 'r');
  ASSERT_TRUE(e2e::WaitUntil([&] { return FirstHeadingIs("OWNER"); }));
  EXPECT_EQ(empColumns, Column(ColumnIndex("COLUMN_NAME")));
}

TEST_F(SchemaBrowserE2e, SystemListsUsersAndSynonyms) {
  ASSERT_NO_FATAL_FAILURE(StartAs("SYSTEM", "manager"));
  ASSERT_NO_FATAL_FAILURE(Select({"Database", "Users"}));
  ExpectRowsMessage();
  EXPECT_EQ("USERNAME", list->Columns().at(0));
  const Texts users = Column(0);
  EXPECT_EQ(users, TextsOf(Children({"Database", "Users"})));
  EXPECT_TRUE(std::is_sorted(users.begin(), users.end()));
  for (const char* user : {"HR", "SCOTT", "SYSTEM"})
    EXPECT_NE(users.end(), std::find(users.begin(), users.end(), user)) << user;
  for (const e2e::TreeNode& node : Children({"Database", "Users"})) EXPECT_EQ(2, node.image) << node.text;

  ASSERT_NO_FATAL_FAILURE(Select({"Database", "Synonyms", "All"}));
  ASSERT_NO_FATAL_FAILURE(ShowDualInList());
  ChooseFromContextMenu(session.Tree(), 'r');
  ASSERT_TRUE(e2e::WaitUntil([&] { return FirstHeadingIs("SYNONYM_NAME"); })) << "Refresh loads again";
  EXPECT_EQ((Texts{"SYNONYM_NAME", "OWNER", "TABLE_NAME", "TABLE_OWNER", "DB_LINK"}), list->Columns());
  EXPECT_EQ((Texts{"PUBLIC.SCOTT_DEPT", "SCOTT.EMPLOYEES"}), TextsOf(Children({"Database", "Synonyms", "All"})));
}

TEST_F(SchemaBrowserE2e, ScottSeesBareNamesAndNoUsers) {
  ASSERT_NO_FATAL_FAILURE(StartAs("SCOTT", "tiger"));
  ASSERT_NO_FATAL_FAILURE(Select({"Database", "Views", "User"}));
  ExpectRowsMessage();
  EXPECT_EQ((Texts{"VIEW_NAME", "TYPE_TEXT", "VIEW_TYPE_OWNER", "VIEW_TYPE", "SUPERVIEW_NAME"}), list->Columns());
  const std::vector<e2e::TreeNode> views = Children({"Database", "Views", "User"});
  ASSERT_EQ((Texts{"EMP_DEPT"}), TextsOf(views));
  EXPECT_EQ(4, views[0].image);

  ASSERT_NO_FATAL_FAILURE(Select({"Database", "Users"}));
  EXPECT_EQ(0, session.Message().rfind("ORA-", 0)) << session.Message();
  EXPECT_EQ(0, list->RowCount());
  EXPECT_TRUE(list->Columns().empty());
  EXPECT_TRUE(Children({"Database", "Users"}).empty());
}

TEST_F(SchemaBrowserE2e, ArrowKeysLoadEveryScopeTheyPass) {
  ASSERT_NO_FATAL_FAILURE(StartAs("SCOTT", "tiger"));
  ASSERT_TRUE(tree->Expand(tree->Find({"Database", "Tables"}), true));
  ASSERT_NO_FATAL_FAILURE(Select({"Database", "Tables"}));
  const Texts tables = {"BONUS", "DEPT", "EMP", "MEASUREMENTS", "ORDER_LINES", "SALGRADE"};

  e2e::PostKey(session.Tree(), VK_DOWN);  // onto User
  Settle();
  EXPECT_EQ(tables, TextsOf(Children({"Database", "Tables", "User"})));
  EXPECT_EQ("TABLE_NAME", list->Columns().at(0));

  e2e::PostKey(session.Tree(), VK_DOWN);  // onto its first table
  Settle();
  EXPECT_EQ((Texts{"ENAME", "JOB", "SAL", "COMM"}), Column(ColumnIndex("COLUMN_NAME")));

  e2e::PostKey(session.Tree(), VK_UP);  // back onto User: loaded again
  Settle();
  EXPECT_EQ("TABLE_NAME", list->Columns().at(0));
  EXPECT_EQ(tables, TextsOf(Children({"Database", "Tables", "User"}))) << "reloaded, not doubled";
  ExpectRowsMessage();
}

TEST_F(SchemaBrowserE2e, ViewDataActsOnlyOnTablesAndViews) {
  ASSERT_NO_FATAL_FAILURE(StartAs("SCOTT", "tiger"));
  ASSERT_NO_FATAL_FAILURE(Select({"Database", "Indexes", "User"}));
  const Texts indexes = TextsOf(Children({"Database", "Indexes", "User"}));
  ASSERT_FALSE(indexes.empty());
  const int indexRows = list->RowCount();
  const std::string indexMessage = session.Message();

  for (const Path& path : {Path{"Database", "Indexes", "User", indexes[0]}, Path{"Database", "Tables"}}) {
    SCOPED_TRACE(path.back());
    ASSERT_NO_FATAL_FAILURE(Select(path));
    e2e::PostCommand(session.Main(), ID_VIEW_DATA);
    Settle();
    EXPECT_EQ(indexRows, list->RowCount());
    EXPECT_EQ(indexMessage, session.Message());
  }

  ASSERT_NO_FATAL_FAILURE(Select({"Database", "Views", "User"}));
  ASSERT_NO_FATAL_FAILURE(Select({"Database", "Views", "User", "EMP_DEPT"}));
  ChooseFromContextMenu(session.Tree(), 'v');
  ASSERT_TRUE(e2e::WaitUntil([&] { return list->RowCount() == 14; })) << session.Message();
  EXPECT_EQ((Texts{"EMPNO", "ENAME", "JOB", "SAL", "DNAME", "LOC"}), list->Columns());
}

}  // namespace
