// Statement types as OCI reports them, and which part of the library runs each.
#include <gtest/gtest.h>

#include "oci/StatementKind.h"
#include "OciApi.h"

namespace ocilite {

namespace {

struct KindCase {
  const char* sql;
  int ociType;
  Route route;
};

const KindCase kKindCases[] = {
    {"SELECT * FROM EMP", OCI_STMT_SELECT, Route::Sql},
    {"  with x as (select 1 from dual) select * from x", OCI_STMT_SELECT, Route::Sql},
    {"(SELECT 1 FROM DUAL)", OCI_STMT_SELECT, Route::Sql},
    {"-- Comment: select from a table\nSELECT 1 FROM DUAL", OCI_STMT_SELECT, Route::Sql},
    {"UPDATE EMP SET SAL = 1", OCI_STMT_UPDATE, Route::Sql},
    {"DELETE FROM EMP", OCI_STMT_DELETE, Route::Sql},
    {"INSERT INTO EMP VALUES (1)", OCI_STMT_INSERT, Route::Sql},
    {"CREATE TABLE T (A NUMBER)", OCI_STMT_CREATE, Route::Sql},
    {"CREATE UNIQUE INDEX I ON T (A)", OCI_STMT_CREATE, Route::Sql},
    {"CREATE OR REPLACE VIEW V AS SELECT 1 FROM DUAL", OCI_STMT_CREATE, Route::Sql},
    {"CREATE GLOBAL TEMPORARY TABLE T (A NUMBER)", OCI_STMT_CREATE, Route::Sql},
    {"CREATE OR REPLACE PROCEDURE P AS BEGIN NULL; END;", OCI_STMT_CREATE, Route::CreateUnit},
    {"CREATE EDITIONABLE PACKAGE BODY P AS END;", OCI_STMT_CREATE, Route::CreateUnit},
    {"CREATE TRIGGER T BEFORE INSERT ON E BEGIN NULL; END;", OCI_STMT_CREATE, Route::CreateUnit},
    {"CREATE SEQUENCE S", OCI_STMT_CREATE, Route::CreateSequence},
    {"CREATE PUBLIC SYNONYM S FOR T", OCI_STMT_CREATE, Route::CreateSynonym},
    {"CREATE DATABASE LINK L USING 'X'", OCI_STMT_CREATE, Route::CreateDbLink},
    {"CREATE USER X IDENTIFIED BY Y", OCI_STMT_CREATE, Route::Unsupported},
    {"DROP TABLE T", OCI_STMT_DROP, Route::Sql},
    {"DROP SEQUENCE S", OCI_STMT_DROP, Route::DropSequence},
    {"DROP PUBLIC SYNONYM S", OCI_STMT_DROP, Route::DropSynonym},
    {"DROP FUNCTION F", OCI_STMT_DROP, Route::DropUnit},
    {"DROP DATABASE LINK L", OCI_STMT_DROP, Route::DropDbLink},
    {"DROP", OCI_STMT_DROP, Route::Invalid},
    {"ALTER TABLE T ADD B NUMBER", OCI_STMT_ALTER, Route::AlterTable},
    {"ALTER SESSION SET NLS_DATE_FORMAT = 'X'", OCI_STMT_ALTER, Route::AlterSession},
    {"BEGIN NULL; END;", OCI_STMT_BEGIN, Route::AnonymousBlock},
    {"DECLARE X NUMBER; BEGIN NULL; END;", OCI_STMT_DECLARE, Route::AnonymousBlock},
    {"COMMIT", 0, Route::Commit},
    {"commit work", 0, Route::Commit},
    {"ROLLBACK", 0, Route::Rollback},
    {"SAVEPOINT A", 0, Route::Savepoint},
    {"GRANT SELECT ON T TO U", 0, Route::Unsupported},
    {"HELLO", 0, Route::Invalid},
    {"", 0, Route::Invalid},
    {"PRAGMA foreign_keys = OFF", 0, Route::Invalid},
    {"ATTACH 'x' AS y", 0, Route::Invalid},
};

class StatementKindTest : public ::testing::TestWithParam<KindCase> {};

TEST_P(StatementKindTest, Classifies) {
  StatementKind kind = ClassifyStatement(SignificantTokens(GetParam().sql));
  EXPECT_EQ(GetParam().ociType, kind.ociType) << GetParam().sql;
  EXPECT_EQ(GetParam().route, kind.route) << GetParam().sql;
}

INSTANTIATE_TEST_SUITE_P(Statements, StatementKindTest, ::testing::ValuesIn(kKindCases));

TEST(StatementCategoryTest, SaysWhatTheStatementIsToATransaction) {
  const struct {
    const char* sql;
    Category category;
  } cases[] = {
      {"SELECT 1 FROM DUAL", Category::Query},
      {"MERGE INTO T USING U ON (1 = 1)", Category::Dml},
      {"TRUNCATE TABLE T", Category::Ddl},
      {"CREATE SEQUENCE S", Category::Ddl},
      {"BEGIN NULL; END;", Category::PlSql},
      {"SAVEPOINT A", Category::Transaction},
      {"ALTER SESSION SET X = 1", Category::Session},
      {"GRANT SELECT ON T TO U", Category::Unknown},
  };
  for (const auto& c : cases) EXPECT_EQ(c.category, ClassifyStatement(SignificantTokens(c.sql)).category) << c.sql;
}

struct BlockCase {
  const char* sql;
  bool nullOnly;
};

const BlockCase kBlockCases[] = {
    {"BEGIN NULL; END;", true},
    {"begin null; null; end", true},
    {"DECLARE BEGIN NULL; END main;", true},
    {"BEGIN END;", false},
    {"BEGIN NULL; END; x", false},
    {"BEGIN NULL END;", false},
    {"BEGIN DBMS_OUTPUT.PUT_LINE('x'); END;", false},
    {"DECLARE X NUMBER; BEGIN NULL; END;", false},
};

class NullBlockTest : public ::testing::TestWithParam<BlockCase> {};

TEST_P(NullBlockTest, RecognisesBlocksOfNullOnly) {
  EXPECT_EQ(GetParam().nullOnly, IsNullOnlyBlock(SignificantTokens(GetParam().sql))) << GetParam().sql;
}

INSTANTIATE_TEST_SUITE_P(Blocks, NullBlockTest, ::testing::ValuesIn(kBlockCases));

}  // namespace

}  // namespace ocilite
