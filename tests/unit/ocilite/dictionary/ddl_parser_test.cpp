// Reading the DDL the dictionary records: sequences, synonyms, links, units, drops.
#include <gtest/gtest.h>

#include "dictionary/DdlParser.h"

namespace ocilite {

namespace {

TEST(DdlParserTest, SequenceDefaults) {
  SequenceDefinition definition;
  OraError error;
  ASSERT_TRUE(ParseCreateSequence(SignificantTokens("CREATE SEQUENCE s"), definition, error)) << error.text;
  EXPECT_EQ("", definition.name.owner);
  EXPECT_EQ("S", definition.name.name);
  EXPECT_EQ(1, definition.start);
  EXPECT_EQ(1, definition.increment);
  EXPECT_EQ(20, definition.cache);
  EXPECT_FALSE(definition.cycle);
}

TEST(DdlParserTest, SequenceOptions) {
  SequenceDefinition definition;
  OraError error;
  ASSERT_TRUE(ParseCreateSequence(SignificantTokens("CREATE SEQUENCE hr.s START WITH 5 INCREMENT BY -1 MINVALUE -10 "
                                                    "MAXVALUE 100 CYCLE ORDER NOCACHE"),
                                  definition, error))
      << error.text;
  EXPECT_EQ("HR", definition.name.owner);
  EXPECT_EQ(5, definition.start);
  EXPECT_EQ(-1, definition.increment);
  EXPECT_EQ(-10, definition.minValue);
  EXPECT_EQ(100, definition.maxValue);
  EXPECT_TRUE(definition.cycle);
  EXPECT_TRUE(definition.order);
  EXPECT_EQ(0, definition.cache);
}

TEST(DdlParserTest, DescendingSequenceStartsAtItsMaximum) {
  SequenceDefinition definition;
  OraError error;
  ASSERT_TRUE(
      ParseCreateSequence(SignificantTokens("CREATE SEQUENCE S INCREMENT BY -2 MAXVALUE 50"), definition, error));
  EXPECT_EQ(50, definition.start);
}

TEST(DdlParserTest, SynonymWithOwnersAndLink) {
  SynonymDefinition definition;
  OraError error;
  ASSERT_TRUE(ParseCreateSynonym(
      SignificantTokens("CREATE OR REPLACE PUBLIC SYNONYM e FOR scott.emp@sales.example.com"), definition, error))
      << error.text;
  EXPECT_TRUE(definition.isPublic);
  EXPECT_EQ("E", definition.name.name);
  EXPECT_EQ("SCOTT", definition.target.owner);
  EXPECT_EQ("EMP", definition.target.name);
  EXPECT_EQ("SALES.EXAMPLE.COM", definition.dbLink);
}

TEST(DdlParserTest, DatabaseLink) {
  DbLinkDefinition definition;
  OraError error;
  ASSERT_TRUE(ParseCreateDbLink(
      SignificantTokens("CREATE DATABASE LINK hq.acme CONNECT TO scott IDENTIFIED BY tiger USING 'HQ'"), definition,
      error))
      << error.text;
  EXPECT_EQ("HQ.ACME", definition.name);
  EXPECT_EQ("SCOTT", definition.user);
  EXPECT_EQ("HQ", definition.host);
}

struct UnitCase {
  const char* sql;
  const char* type;
  const char* name;
};

const UnitCase kUnitCases[] = {
    {"CREATE PROCEDURE p AS BEGIN NULL; END;", "PROCEDURE", "P"},
    {"CREATE OR REPLACE FUNCTION scott.f RETURN NUMBER IS BEGIN RETURN 1; END;", "FUNCTION", "F"},
    {"CREATE PACKAGE BODY pk AS END;", "PACKAGE BODY", "PK"},
    {"CREATE EDITIONABLE TYPE t AS OBJECT (a NUMBER);", "TYPE", "T"},
};

class UnitParseTest : public ::testing::TestWithParam<UnitCase> {};

TEST_P(UnitParseTest, TypeAndName) {
  UnitDefinition definition;
  OraError error;
  ASSERT_TRUE(ParseCreateUnit(SignificantTokens(GetParam().sql), definition, error)) << error.text;
  EXPECT_EQ(GetParam().type, definition.type);
  EXPECT_EQ(GetParam().name, definition.name.name);
}

INSTANTIATE_TEST_SUITE_P(Units, UnitParseTest, ::testing::ValuesIn(kUnitCases));

TEST(DdlParserTest, TriggerHeader) {
  UnitDefinition definition;
  OraError error;
  ASSERT_TRUE(ParseCreateUnit(SignificantTokens("CREATE TRIGGER t BEFORE UPDATE OF sal, comm OR DELETE ON scott.emp "
                                                "REFERENCING NEW AS n FOR EACH ROW WHEN (n.sal > 0) BEGIN NULL; END;"),
                              definition, error))
      << error.text;
  EXPECT_EQ("BEFORE", definition.trigger.timing);
  EXPECT_EQ("UPDATE OR DELETE", definition.trigger.events);
  EXPECT_EQ("SCOTT", definition.trigger.table.owner);
  EXPECT_EQ("EMP", definition.trigger.table.name);
  EXPECT_TRUE(definition.trigger.forEachRow);
  EXPECT_EQ("( n . sal > 0 )", definition.trigger.whenClause);
}

TEST(DdlParserTest, InsteadOfStatementTrigger) {
  UnitDefinition definition;
  OraError error;
  ASSERT_TRUE(ParseCreateUnit(SignificantTokens("CREATE TRIGGER t INSTEAD OF INSERT ON v BEGIN NULL; END;"), definition,
                              error));
  EXPECT_EQ("INSTEAD OF", definition.trigger.timing);
  EXPECT_FALSE(definition.trigger.forEachRow);
}

struct DropCase {
  const char* sql;
  const char* type;
  bool isPublic;
  const char* owner;
  const char* name;
};

const DropCase kDropCases[] = {
    {"DROP SEQUENCE s", "SEQUENCE", false, "", "S"},
    {"DROP PUBLIC SYNONYM x", "SYNONYM", true, "", "X"},
    {"DROP PACKAGE BODY hr.pk", "PACKAGE BODY", false, "HR", "PK"},
    {"DROP DATABASE LINK a.b.c", "DATABASE LINK", false, "", "A.B.C"},
    {"DROP TYPE t FORCE", "TYPE", false, "", "T"},
};

class DropParseTest : public ::testing::TestWithParam<DropCase> {};

TEST_P(DropParseTest, ReadsWhatToDrop) {
  DropDefinition definition;
  OraError error;
  ASSERT_TRUE(ParseDrop(SignificantTokens(GetParam().sql), definition, error)) << error.text;
  EXPECT_EQ(GetParam().type, definition.type);
  EXPECT_EQ(GetParam().isPublic, definition.isPublic);
  EXPECT_EQ(GetParam().owner, definition.name.owner);
  EXPECT_EQ(GetParam().name, definition.name.name);
}

INSTANTIATE_TEST_SUITE_P(Drops, DropParseTest, ::testing::ValuesIn(kDropCases));

struct MalformedCase {
  const char* sql;
  int code;
  size_t offset;
};

const MalformedCase kMalformedCases[] = {
    {"CREATE SEQUENCE", 900, 15},
    {"CREATE SEQUENCE S START 5", 933, 24},
    {"CREATE SEQUENCE S BOGUS", 933, 18},
    {"CREATE SYNONYM S", 900, 16},
    {"CREATE SYNONYM S FOR T EXTRA", 933, 23},
    {"CREATE TRIGGER T AFTER TRUNCATE ON X BEGIN NULL; END;", 933, 23},
    {"DROP SEQUENCE S T", 933, 16},
};

class MalformedDdlTest : public ::testing::TestWithParam<MalformedCase> {};

TEST_P(MalformedDdlTest, PointsAtTheFault) {
  std::vector<Token> tokens = SignificantTokens(GetParam().sql);
  OraError error;
  SequenceDefinition sequence;
  SynonymDefinition synonym;
  UnitDefinition unit;
  DropDefinition drop;
  bool parsed = tokens[0].IsWord("DROP")       ? ParseDrop(tokens, drop, error)
                : tokens[1].IsWord("SEQUENCE") ? ParseCreateSequence(tokens, sequence, error)
                : tokens[1].IsWord("SYNONYM")  ? ParseCreateSynonym(tokens, synonym, error)
                                               : ParseCreateUnit(tokens, unit, error);
  EXPECT_FALSE(parsed);
  EXPECT_EQ(GetParam().code, error.code) << GetParam().sql;
  EXPECT_EQ(GetParam().offset, error.offset) << GetParam().sql;
}

INSTANTIATE_TEST_SUITE_P(Ddl, MalformedDdlTest, ::testing::ValuesIn(kMalformedCases));

}  // namespace

}  // namespace ocilite
