// The tree control helpers on a real tree view, in-process.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "SchemaTree.h"
#include "TreeWindow.h"

namespace {

using schematest::Node;
using Texts = std::vector<std::string>;

Texts TextsOf(const std::vector<Node>& nodes) {
  Texts texts;
  for (const Node& node : nodes) texts.push_back(node.text);
  return texts;
}

class SchemaTreeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_NE(nullptr, window.Tree());
    schematree::BuildSkeleton(window.Tree(), nodes);
  }

  schematest::TreeWindow window;
  HTREEITEM nodes[kSkeletonNodeCount] = {};
};

struct Category {
  std::string text;
  int image;
};

TEST_F(SchemaTreeTest, SkeletonShowsTheCategoriesWithUserBeforeAll) {
  const std::vector<Node> roots = window.Children(nullptr);
  ASSERT_EQ(1u, roots.size());
  const Node& database = roots[0];
  EXPECT_EQ("Database", database.text);
  EXPECT_EQ(1, database.image);
  EXPECT_EQ(1, database.selectedImage);
  EXPECT_TRUE(database.expanded);

  const Category categories[] = {{"Tables", 0},    {"Views", 4},       {"Indexes", 7},
                                 {"Procedures", 5}, {"Triggers", 8},    {"Sequenses", 9},
                                 {"Synonyms", 11},  {"Constraints", 10}, {"DBLinks", 6}};
  ASSERT_EQ(10u, database.children.size());
  for (size_t k = 0; k < 9; ++k) {
    const Node& category = database.children[k];
    SCOPED_TRACE(categories[k].text);
    EXPECT_EQ(categories[k].text, category.text);
    EXPECT_EQ(categories[k].image, category.image);
    EXPECT_EQ(categories[k].image, category.selectedImage);
    EXPECT_FALSE(category.expanded);
    ASSERT_EQ((Texts{"User", "All"}), TextsOf(category.children));
    for (size_t scope = 0; scope < 2; ++scope) {
      EXPECT_EQ(scope == 0 ? 2 : 3, category.children[scope].image);
      EXPECT_EQ(scope == 0 ? 2 : 3, category.children[scope].selectedImage);
      EXPECT_TRUE(category.children[scope].children.empty());
    }
  }
  const Node& users = database.children[9];
  EXPECT_EQ("Users", users.text);
  EXPECT_EQ(3, users.image);
  EXPECT_TRUE(users.children.empty());
  EXPECT_EQ(kSkeletonNodeCount, window.Count());
}

TEST_F(SchemaTreeTest, HandlesNameTheirOwnNodes) {
  for (int k = 0; k < kSkeletonNodeCount; ++k) {
    SCOPED_TRACE(k);
    ASSERT_NE(nullptr, nodes[k]);
    EXPECT_EQ(kSchemaSkeleton[k].text, schematree::NodeText(window.Tree(), nodes[k]));
    HTREEITEM parent = TreeView_GetParent(window.Tree(), nodes[k]);
    EXPECT_EQ(kSchemaSkeleton[k].parent < 0 ? nullptr : nodes[kSchemaSkeleton[k].parent], parent);
  }
}

TEST_F(SchemaTreeTest, ReplacingChildrenTwiceKeepsOnlyTheSecondSet) {
  HWND tree = window.Tree();
  schematree::ReplaceChildren(tree, nodes[kTablesAll], {"SCOTT.DEPT", "SCOTT.EMP"}, 0);
  schematree::ReplaceChildren(tree, nodes[kTablesAll], {"HR.REGIONS", "SCOTT.DEPT", "SCOTT.EMP"}, 0);
  const Node all = window.Read(nodes[kTablesAll]);
  EXPECT_EQ((Texts{"HR.REGIONS", "SCOTT.DEPT", "SCOTT.EMP"}), TextsOf(all.children));
  EXPECT_TRUE(all.expanded);
  for (const Node& child : all.children) {
    EXPECT_EQ(0, child.image) << child.text;
    EXPECT_EQ(0, child.selectedImage) << child.text;
  }
  EXPECT_EQ(kSkeletonNodeCount + 3, window.Count());
}

TEST_F(SchemaTreeTest, ReplacingWithNothingEmptiesTheNode) {
  HWND tree = window.Tree();
  schematree::ReplaceChildren(tree, nodes[kUsers], {"HR", "SCOTT"}, 2);
  schematree::ReplaceChildren(tree, nodes[kUsers], {}, 2);
  EXPECT_TRUE(window.Read(nodes[kUsers]).children.empty());
  EXPECT_EQ(kSkeletonNodeCount, window.Count());
}

TEST_F(SchemaTreeTest, RemovingChildrenTakesTheirDescendantsAlong) {
  HWND tree = window.Tree();
  HTREEITEM dept = schematree::AppendNode(tree, nodes[kViewsUser], "DEPT", 4);
  schematree::AppendNode(tree, dept, "DEEPER", 4);
  schematree::AppendNode(tree, nodes[kViewsUser], "EMP", 4);
  schematree::RemoveChildren(tree, nodes[kViewsUser]);
  EXPECT_TRUE(window.Read(nodes[kViewsUser]).children.empty());
  EXPECT_EQ(kSkeletonNodeCount, window.Count());
  EXPECT_EQ((Texts{"User", "All"}), TextsOf(window.Read(nodes[kViews]).children)) << "siblings stay";
}

TEST_F(SchemaTreeTest, NodeTextsOfAnyLength) {
  HWND tree = window.Tree();
  const std::string longName(300, 'N');
  HTREEITEM item = schematree::AppendNode(tree, nodes[kTablesUser], longName, 0);
  EXPECT_EQ(longName, schematree::NodeText(tree, item));
  EXPECT_EQ("", schematree::NodeText(tree, nullptr));
}

TEST_F(SchemaTreeTest, SelectionReadsNodeParentAndGrandparent) {
  HWND tree = window.Tree();
  EXPECT_EQ("", schematree::ReadSelection(tree).text) << "nothing selected yet";
  HTREEITEM emp = schematree::AppendNode(tree, nodes[kTablesAll], "SCOTT.EMP", 0);
  const struct {
    const char* name;
    HTREEITEM item;
    SelectedNode expected;
  } cases[] = {
      {"object node", emp, {"SCOTT.EMP", "All", "Tables"}},
      {"scope node", nodes[kSequensesUser], {"User", "Sequenses", "Database"}},
      {"category", nodes[kSynonyms], {"Synonyms", "Database", ""}},
      {"root", nodes[kDatabase], {"Database", "", ""}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_TRUE(TreeView_SelectItem(tree, c.item));
    const SelectedNode read = schematree::ReadSelection(tree);
    EXPECT_EQ(c.expected.text, read.text);
    EXPECT_EQ(c.expected.parent, read.parent);
    EXPECT_EQ(c.expected.grandparent, read.grandparent);
  }
}

}  // namespace
