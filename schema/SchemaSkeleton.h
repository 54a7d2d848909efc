// The fixed nodes of the schema tree and the pictures of its image list.
#ifndef ZENQUILL_SCHEMA_SCHEMASKELETON_H
#define ZENQUILL_SCHEMA_SCHEMASKELETON_H

// Image indexes in the tree's image list, in the order of the bitmap strip.
enum TreeImage {
  kImageTable,
  kImageDatabase,
  kImageUser,
  kImageUsers,
  kImageView,
  kImageProcedure,
  kImageDbLink,
  kImageIndex,
  kImageTrigger,
  kImageSequence,
  kImageConstraint,
  kImageSynonym,
  kTreeImageCount
};

// Indexes into kSchemaSkeleton, in display order.
enum SkeletonNodeId {
  kDatabase,
  kTables,
  kTablesUser,
  kTablesAll,
  kViews,
  kViewsUser,
  kViewsAll,
  kIndexes,
  kIndexesUser,
  kIndexesAll,
  kProcedures,
  kProceduresUser,
  kProceduresAll,
  kTriggers,
  kTriggersUser,
  kTriggersAll,
  kSequenses,
  kSequensesUser,
  kSequensesAll,
  kSynonyms,
  kSynonymsUser,
  kSynonymsAll,
  kConstraints,
  kConstraintsUser,
  kConstraintsAll,
  kDbLinks,
  kDbLinksUser,
  kDbLinksAll,
  kUsers,
  kSkeletonNodeCount
};

struct SkeletonNode {
  const char* text;
  int parent;  // index of the parent node; -1 for the root
  TreeImage image;
};

// Each node is appended as the last child of its parent, in this order.
extern const SkeletonNode kSchemaSkeleton[kSkeletonNodeCount];

#endif
