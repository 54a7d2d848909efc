// Everyday statements against SCOTT with the answers Oracle gives them (its documented
// semantics and the well-known SCOTT results), by area. An answer is the rows, columns
// joined by '|' and rows by ';' (NULL as the document shows it), or the start of the error Oracle raises.
#include "DemoSession.h"

namespace {

struct Answer {
  const char* name;
  const char* sql;
  const char* answer;
};

std::string Joined(const Outcome& outcome) {
  std::string text;
  for (size_t r = 0; r < outcome.rows.size(); ++r) {
    for (size_t c = 0; c < outcome.rows[r].size(); ++c) text += (c ? "|" : "") + outcome.rows[r][c];
    if (r + 1 < outcome.rows.size()) text += ";";
  }
  return text;
}

// A case may be a script of statements each ended by ";\n": its answer is the last one's, or the first error.
Outcome RunScript(DatabaseDocument& document, const std::string& script) {
  size_t from = 0;
  for (size_t end; (end = script.find(";\n", from)) != std::string::npos; from = end + 2) {
    Outcome step = RunSql(document, script.substr(from, end - from));
    if (step.result != DB_OK) return step;
  }
  return RunSql(document, script.substr(from));
}

class OracleAnswerTest : public DemoSessionTest, public ::testing::WithParamInterface<Answer> {};

TEST_P(OracleAnswerTest, GivesOraclesAnswer) {
  const Answer& c = GetParam();
  Outcome outcome = RunScript(scott_, c.sql);
  std::string expected = c.answer;
  if (expected.compare(0, 4, "ORA-") == 0) {
    EXPECT_EQ(expected, outcome.error.substr(0, expected.size()));
  } else {
    ASSERT_EQ(DB_OK, outcome.result) << outcome.error;
    EXPECT_EQ(expected, Joined(outcome));
  }
}

#define ANSWERS(area, ...)                                                       \
  const Answer k##area[] = {__VA_ARGS__};                                        \
  INSTANTIATE_TEST_SUITE_P(area, OracleAnswerTest, ::testing::ValuesIn(k##area), \
                           [](const ::testing::TestParamInfo<Answer>& info) { return info.param.name; });

ANSWERS(Numbers, {"division_keeps_fraction", "SELECT 10/4, 7/7, -1/8 FROM DUAL", "2.5|1|-.125"},
        {"salary_third", "SELECT SAL/3 FROM EMP WHERE EMPNO = 7839", "1666.66666666667"},
        {"average_salary", "SELECT AVG(SAL) FROM EMP", "2073.21428571429"},
        {"large_and_small", "SELECT 1e20 * 3, 1/1000000 FROM DUAL", "300000000000000000000|.000001"},
        {"division_by_zero", "SELECT 1/0 FROM DUAL", "ORA-01476: divisor is equal to zero"},
        {"text_is_no_number", "SELECT ENAME FROM EMP WHERE ENAME = 7839", "ORA-01722: invalid number"},
        {"text_as_number", "SELECT ENAME FROM EMP WHERE EMPNO = '7839'", "KING"},
        {"sum_by_department", "SELECT DEPTNO, COUNT(*), SUM(SAL) FROM EMP GROUP BY DEPTNO ORDER BY DEPTNO",
         "10|3|8750;20|5|10875;30|6|9400"})

ANSWERS(Nulls, {"empty_string_is_null", "SELECT NVL('', 'X'), LENGTH('') FROM DUAL", "X|NULL"},
        {"concat_skips_null", "SELECT 'A' || NULL || 'B' FROM DUAL", "AB"},
        {"empty_function_result", "SELECT NVL(TRIM('  '), 'none'), NVL(SUBSTR('A', 5), 'none') FROM DUAL", "none|none"},
        {"nulls_last_ascending", "SELECT COMM FROM EMP WHERE DEPTNO = 30 ORDER BY COMM", "0;300;500;1400;NULL;NULL"},
        {"nulls_first_descending", "SELECT COMM FROM EMP WHERE DEPTNO = 30 ORDER BY COMM DESC",
         "NULL;NULL;1400;500;300;0"},
        {"nulls_first_asked", "SELECT COMM FROM EMP WHERE DEPTNO = 30 ORDER BY COMM NULLS FIRST",
         "NULL;NULL;0;300;500;1400"},
        {"empty_literal_is_null", "SELECT COUNT(*) FROM DUAL WHERE '' IS NULL", "1"})

ANSWERS(Text, {"like_is_case_sensitive", "SELECT COUNT(*) FROM EMP WHERE ENAME LIKE 'k%'", "0"},
        {"like_matches_case", "SELECT ENAME FROM EMP WHERE ENAME LIKE 'K%'", "KING"},
        {"like_escape", "SELECT COUNT(*) FROM DUAL WHERE 'A_B' LIKE 'A\\_B' ESCAPE '\\'", "1"},
        {"substr_from_zero", "SELECT SUBSTR('ORACLE', 0, 2), SUBSTR('ORACLE', 1, 2) FROM DUAL", "OR|OR"},
        {"substr_from_end", "SELECT SUBSTR('ORACLE', -3), SUBSTR('ORACLE', -3, 2) FROM DUAL", "CLE|CL"},
        {"mod", "SELECT MOD(11, 4), MOD(-11, 4), MOD(11, 0), MOD(7.5, 2) FROM DUAL", "3|-3|11|1.5"},
        {"concat_number", "SELECT ENAME || ' earns ' || SAL/2 FROM EMP WHERE EMPNO = 7369", "SMITH earns 400"})

ANSWERS(Queries, {"minus", "SELECT DEPTNO FROM DEPT MINUS SELECT DEPTNO FROM EMP", "40"},
        {"sqlite_keyword_as_column",
         "SELECT STATUS, DEFERRABLE FROM USER_CONSTRAINTS WHERE CONSTRAINT_NAME = 'PK_DEPT'", "ENABLED|NOT DEFERRABLE"})

ANSWERS(Errors,
        {"not_single_group", "SELECT DEPTNO, COUNT(*) FROM EMP", "ORA-00937: not a single-group group function"},
        {"not_group_by_expression", "SELECT DEPTNO, JOB, COUNT(*) FROM EMP GROUP BY DEPTNO",
         "ORA-00979: not a GROUP BY expression"},
        {"single_row_subquery", "SELECT ENAME FROM EMP WHERE SAL = (SELECT SAL FROM EMP WHERE DEPTNO = 20)",
         "ORA-01427: single-row subquery returns more than one row"},
        {"single_row_subquery_fine", "SELECT ENAME FROM EMP WHERE SAL = (SELECT MAX(SAL) FROM EMP)", "KING"},
        {"ambiguous_column", "SELECT DEPTNO FROM EMP, DEPT", "ORA-00918: column ambiguously defined"},
        {"group_function_in_where", "SELECT ENAME FROM EMP WHERE COUNT(*) > 1", "ORA-00934"},
        {"argument_count", "SELECT ADD_MONTHS(SYSDATE) FROM DUAL", "ORA-00909: invalid number of arguments"},
        {"nesting_bounded",
         "SELECT ((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((("
         "(((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((("
         "((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((((1",
         "ORA-03001: unimplemented feature: nesting deeper than 200 levels"},
        {"no_from", "SELECT 1", "ORA-00923: FROM keyword not found where expected"},
        {"missing_expression", "SELECT * FROM EMP WHERE", "ORA-00936: missing expression"},
        {"connect_by_join", "SELECT ENAME FROM EMP, DEPT START WITH MGR IS NULL CONNECT BY PRIOR EMPNO = MGR",
         "ORA-03001: unimplemented feature: CONNECT BY over a join"},
        {"level_needs_connect_by", "SELECT LEVEL FROM DUAL", "ORA-01788"},
        {"grouping_sets_bounded",
         "SELECT COUNT(*) FROM EMP GROUP BY CUBE(EMPNO, ENAME, JOB, MGR, HIREDATE, SAL, COMM, DEPTNO, "
         "EMPNO + 1)",
         "ORA-03001: unimplemented feature: more than 256 grouping sets"},
        {"rownum_in_a_disjunction", "SELECT ENAME FROM EMP WHERE ROWNUM < 3 OR SAL > 0",
         "ORA-03001: unimplemented feature: ROWNUM in this condition"},
        {"outer_join_of_an_expression", "SELECT E.ENAME FROM EMP E, DEPT D WHERE (E.DEPTNO + 0)(+) = D.DEPTNO",
         "ORA-03001: unimplemented feature: (+) on an expression"})

ANSWERS(Dates, {"shown_as_dd_mon_rr", "SELECT HIREDATE FROM EMP WHERE ENAME = 'KING'", "17-NOV-81"},
        {"plus_days", "SELECT HIREDATE + 30, HIREDATE - 17 FROM EMP WHERE ENAME = 'KING'", "17-DEC-81|31-OCT-81"},
        {"date_minus_date", "SELECT TO_DATE('01-JAN-82') - HIREDATE FROM EMP WHERE ENAME = 'KING'", "45"},
        {"equal_to_text", "SELECT ENAME FROM EMP WHERE HIREDATE = '03-DEC-81' ORDER BY ENAME", "FORD;JAMES"},
        {"between_texts", "SELECT ENAME FROM EMP WHERE HIREDATE BETWEEN '01-JAN-81' AND '31-MAR-81' ORDER BY ENAME",
         "ALLEN;WARD"},
        {"ordered_as_dates", "SELECT MIN(HIREDATE), MAX(HIREDATE) FROM EMP", "17-DEC-80|23-MAY-87"},
        {"to_char_formats",
         "SELECT TO_CHAR(HIREDATE, 'YYYY-MM-DD HH24:MI:SS'), TO_CHAR(HIREDATE, 'FMMonth DD, YYYY') "
         "FROM EMP WHERE ENAME = 'KING'",
         "1981-11-17 00:00:00|November 17, 1981"},
        {"to_char_days", "SELECT TO_CHAR(HIREDATE, 'DY Day D DDD J Q WW \"x\" HH12 AM') FROM EMP WHERE ENAME = 'KING'",
         "TUE Tuesday   3 321 2444926 4 46 x 12 AM"},
        {"to_date_format", "SELECT TO_DATE('1981/11/17 14:30', 'YYYY/MM/DD HH24:MI') + 1 FROM DUAL", "18-NOV-81"},
        {"to_date_bad_month", "SELECT TO_DATE('17-XYZ-81') FROM DUAL", "ORA-01843"},
        {"month_functions",
         "SELECT ADD_MONTHS('31-JAN-81', 1), MONTHS_BETWEEN('01-MAR-81', '01-JAN-81'), LAST_DAY('17-NOV-81'), "
         "NEXT_DAY('17-NOV-81', 'FRIDAY') FROM DUAL",
         "28-FEB-81|2|30-NOV-81|20-NOV-81"},
        {"trunc_round",
         "SELECT TRUNC(HIREDATE, 'YYYY'), ROUND(HIREDATE, 'MONTH'), TRUNC(HIREDATE + 0.75) "
         "FROM EMP WHERE ENAME = 'KING'",
         "01-JAN-81|01-DEC-81|17-NOV-81"},
        {"extract", "SELECT EXTRACT(YEAR FROM HIREDATE), EXTRACT(MONTH FROM HIREDATE) FROM EMP WHERE ENAME = 'KING'",
         "1981|11"},
        {"dates_beside_using_join", "SELECT * FROM DEPT JOIN EMP USING (DEPTNO) WHERE EMPNO = 7839",
         "10|ACCOUNTING|NEW YORK|7839|KING|PRESIDENT|NULL|17-NOV-81|5000|NULL"},
        {"date_literal", "SELECT COUNT(*) FROM EMP WHERE HIREDATE < DATE '1981-03-01'", "3"},
        {"number_formats",
         "SELECT TO_CHAR(SAL, '$9,999.99'), TO_CHAR(1234.5, 'FM9,999.00'), TO_CHAR(800, '9,999') "
         "FROM EMP WHERE ENAME = 'KING'",
         " $5,000.00|1,234.50|   800"})

ANSWERS(Constraints, {"too_long", "INSERT INTO DEPT VALUES (50, 'ABCDEFGHIJKLMNOPQ', 'X')", "ORA-12899"},
        {"too_many_digits", "INSERT INTO DEPT VALUES (100, 'X', 'Y')", "ORA-01438"},
        {"primary_key_null", "INSERT INTO DEPT (DNAME) VALUES ('X')", "ORA-01400"},
        {"empty_key_is_null", "INSERT INTO DEPT VALUES ('', 'X', 'Y')", "ORA-01400"},
        {"duplicate_key", "INSERT INTO DEPT VALUES (10, 'X', 'Y')", "ORA-00001"},
        {"parent_missing", "INSERT INTO EMP (EMPNO, DEPTNO) VALUES (1, 99)", "ORA-02291"},
        {"child_found", "DELETE FROM DEPT WHERE DEPTNO = 10", "ORA-02292"},
        {"bonus_text_length", "INSERT INTO BONUS (ENAME) VALUES ('ABCDEFGHIJKLMNOP')", "ORA-12899"},
        {"date_column_takes_text", "INSERT INTO EMP (EMPNO, HIREDATE) VALUES (1, 'not a date')", "ORA-01858"},
        {"number_column_takes_text", "UPDATE EMP SET SAL = 'much' WHERE EMPNO = 7839", "ORA-01722"})

ANSWERS(
    Functions,
    {"round_trunc_numbers",
     "SELECT ROUND(45.926, 2), ROUND(45.926), ROUND(1250, -2), TRUNC(45.926, 1), "
     "TRUNC(-45.926), ROUND(-2.5) FROM DUAL",
     "45.93|46|1300|45.9|-45|-3"},
    {"remainder", "SELECT REMAINDER(11, 4), REMAINDER(10, 4), MOD(10, 4) FROM DUAL", "-1|2|2"},
    {"null_functions",
     "SELECT NVL2(COMM, 'Y', 'N'), NULLIF(SAL, 5000), COALESCE(COMM, MGR, 0) FROM EMP WHERE EMPNO = 7839", "N|NULL|0"},
    {"padding",
     "SELECT LPAD(ENAME, 8, '*'), RPAD(ENAME, 7, '-'), LPAD('ABC', 2), RPAD('X', 3) || '#' FROM EMP "
     "WHERE EMPNO = 7839",
     "****KING|KING---|AB|X  #"},
    {"initcap", "SELECT INITCAP('the SCOTT schema'), INITCAP(ENAME) FROM EMP WHERE EMPNO = 7839",
     "The Scott Schema|King"},
    {"greatest_least",
     "SELECT GREATEST(SAL, 3000, 1000), LEAST(SAL, 3000), GREATEST('APPLE', 'BANANA'), LEAST(1, NULL) "
     "FROM EMP WHERE EMPNO = 7369",
     "3000|800|BANANA|NULL"},
    {"arithmetic", "SELECT CEIL(15.2), FLOOR(-15.2), SIGN(-7), SIGN(0), POWER(2, 10), SQRT(16), POWER(2, -1) FROM DUAL",
     "16|-16|-1|0|1024|4|.5"},
    {"instr",
     "SELECT INSTR('CORPORATE FLOOR', 'OR', 3, 2), INSTR('CORPORATE FLOOR', 'OR', -3, 2), "
     "INSTR('CORPORATE FLOOR', 'OR'), INSTR('ABC', 'Z') FROM DUAL",
     "14|2|2|0"},
    {"translate_replace",
     "SELECT TRANSLATE('SQL*Plus User''s Guide', ' */''', '___'), REPLACE('JACK and JUE', 'J', 'BL'), "
     "REPLACE('ABCABC', 'B') FROM DUAL",
     "SQL_Plus_Users_Guide|BLACK and BLUE|ACAC"},
    {"trim_from",
     "SELECT TRIM(LEADING '0' FROM '000123'), TRIM(TRAILING 'x' FROM 'axxx'), TRIM(BOTH '*' FROM '**a**'), "
     "TRIM('  b  ') || '#', TRIM('0' FROM '0100') FROM DUAL",
     "123|a|a|b#|1"},
    {"ascii_chr", "SELECT ASCII('A'), ASCII('abc'), CHR(75) || CHR(105) FROM DUAL", "65|97|Ki"},
    {"conversions",
     "SELECT TO_NUMBER('12.50') + 1, CAST('42' AS NUMBER) * 2, CAST(SAL AS VARCHAR2(10)) || '#', "
     "CAST('17-NOV-81' AS DATE) + 1 FROM EMP WHERE EMPNO = 7839",
     "13.5|84|5000#|18-NOV-81"},
    {"regexp_like", "SELECT ENAME FROM EMP WHERE REGEXP_LIKE(ENAME, '^[AJ].*S$') ORDER BY ENAME", "ADAMS;JAMES;JONES"},
    {"regexp_like_ignoring_case", "SELECT COUNT(*) FROM EMP WHERE REGEXP_LIKE(ENAME, '^k', 'i')", "1"},
    {"regexp_substr_instr",
     "SELECT REGEXP_SUBSTR('500 Oracle Parkway, Redwood Shores, CA', ',[^,]+,'), "
     "REGEXP_SUBSTR('a1b22c333', '[0-9]+', 1, 2), REGEXP_INSTR('a1b22c333', '[0-9]+', 1, 3) FROM DUAL",
     ", Redwood Shores,|22|7"},
    {"regexp_replace",
     "SELECT REGEXP_REPLACE('555.123.4567', '([0-9]{3})\\.([0-9]{3})\\.([0-9]{4})', '(\\1) \\2-\\3'), "
     "REGEXP_REPLACE('a  b   c', ' +', ' ') FROM DUAL",
     "(555) 123-4567|a b c"})

ANSWERS(TopN, {"rownum_below", "SELECT COUNT(*) FROM EMP WHERE ROWNUM < 4", "3"},
        {"rownum_up_to", "SELECT COUNT(*) FROM EMP WHERE DEPTNO = 30 AND ROWNUM <= 10", "6"},
        {"rownum_one", "SELECT ENAME FROM EMP WHERE EMPNO = 7839 AND ROWNUM = 1", "KING"},
        {"rownum_above_one", "SELECT COUNT(*) FROM EMP WHERE ROWNUM > 1", "0"},
        {"top_n_subquery",
         "SELECT ROWNUM, ENAME FROM (SELECT ENAME FROM EMP ORDER BY SAL DESC, ENAME) WHERE ROWNUM <= 3",
         "1|KING;2|FORD;3|SCOTT"},
        {"fetch_first", "SELECT ENAME, SAL FROM EMP ORDER BY SAL DESC, ENAME FETCH FIRST 3 ROWS ONLY",
         "KING|5000;FORD|3000;SCOTT|3000"},
        {"fetch_with_ties",
         "SELECT COUNT(*) FROM (SELECT ENAME FROM EMP ORDER BY SAL DESC FETCH FIRST 2 ROWS WITH TIES)", "3"},
        {"offset", "SELECT ENAME FROM EMP ORDER BY EMPNO OFFSET 12 ROWS", "FORD;MILLER"},
        {"offset_fetch_next", "SELECT ENAME FROM EMP ORDER BY EMPNO OFFSET 2 ROWS FETCH NEXT 1 ROW ONLY", "WARD"})

ANSWERS(OuterJoins,
        {"outer_left_of_equals",
         "SELECT D.DNAME, COUNT(E.EMPNO) FROM EMP E, DEPT D WHERE E.DEPTNO(+) = D.DEPTNO "
         "GROUP BY D.DNAME ORDER BY D.DNAME",
         "ACCOUNTING|3;OPERATIONS|0;RESEARCH|5;SALES|6"},
        {"outer_right_of_equals",
         "SELECT D.DEPTNO, E.ENAME FROM DEPT D, EMP E WHERE D.DEPTNO = E.DEPTNO(+) AND D.DEPTNO = 40", "40|NULL"},
        {"outer_with_filter",
         "SELECT D.DEPTNO, E.ENAME FROM DEPT D, EMP E WHERE D.DEPTNO = E.DEPTNO(+) "
         "AND E.JOB(+) = 'PRESIDENT' ORDER BY D.DEPTNO",
         "10|KING;20|NULL;30|NULL;40|NULL"},
        {"outer_two_columns",
         "SELECT COUNT(*), COUNT(M.EMPNO) FROM EMP E, EMP M WHERE E.MGR = M.EMPNO(+) AND E.DEPTNO = M.DEPTNO(+)",
         "14|11"})

ANSWERS(
    Hierarchies,
    {"levels_and_siblings",
     "SELECT LEVEL, ENAME FROM EMP START WITH MGR IS NULL CONNECT BY PRIOR EMPNO = MGR "
     "ORDER SIBLINGS BY ENAME",
     "1|KING;2|BLAKE;3|ALLEN;3|JAMES;3|MARTIN;3|TURNER;3|WARD;2|CLARK;3|MILLER;2|JONES;3|FORD;4|SMITH;3|SCOTT;4|ADAMS"},
    {"path",
     "SELECT SYS_CONNECT_BY_PATH(ENAME, '/') FROM EMP WHERE EMPNO = 7876 START WITH MGR IS NULL "
     "CONNECT BY PRIOR EMPNO = MGR",
     "/KING/JONES/SCOTT/ADAMS"},
    {"root",
     "SELECT ENAME, CONNECT_BY_ROOT ENAME FROM EMP WHERE LEVEL = 2 START WITH ENAME = 'JONES' "
     "CONNECT BY PRIOR EMPNO = MGR ORDER BY ENAME",
     "FORD|JONES;SCOTT|JONES"},
    {"subtree", "SELECT COUNT(*) FROM EMP START WITH ENAME = 'BLAKE' CONNECT BY PRIOR EMPNO = MGR", "6"},
    {"nocycle", "SELECT COUNT(*) FROM EMP START WITH EMPNO = 7839 CONNECT BY NOCYCLE PRIOR EMPNO = MGR", "14"},
    {"level_in_connect_by",
     "SELECT COUNT(*) FROM EMP START WITH MGR IS NULL CONNECT BY PRIOR EMPNO = MGR AND LEVEL <= 2", "4"},
    {"star_shows_the_table", "SELECT * FROM DEPT START WITH DEPTNO = 10 CONNECT BY PRIOR DEPTNO = DEPTNO - 10",
     "10|ACCOUNTING|NEW YORK;20|RESEARCH|DALLAS;30|SALES|CHICAGO;40|OPERATIONS|BOSTON"})

ANSWERS(Grouping,
        {"rollup", "SELECT DEPTNO, SUM(SAL) FROM EMP GROUP BY ROLLUP(DEPTNO) ORDER BY DEPTNO",
         "10|8750;20|10875;30|9400;NULL|29025"},
        {"grouping", "SELECT DEPTNO, GROUPING(DEPTNO), COUNT(*) FROM EMP GROUP BY ROLLUP(DEPTNO) ORDER BY 2, 1",
         "10|0|3;20|0|5;30|0|6;NULL|1|14"},
        {"cube", "SELECT COUNT(*) FROM (SELECT DEPTNO, JOB, SUM(SAL) S FROM EMP GROUP BY CUBE(DEPTNO, JOB))", "18"},
        {"above_all", "SELECT ENAME FROM EMP WHERE SAL > ALL (SELECT SAL FROM EMP WHERE DEPTNO = 20)", "KING"},
        {"equal_any", "SELECT COUNT(*) FROM EMP WHERE SAL = ANY (SELECT SAL FROM EMP WHERE DEPTNO = 30)", "6"},
        {"below_some_list", "SELECT COUNT(*) FROM EMP WHERE SAL < SOME (1000, 1200)", "3"},
        {"listagg",
         "SELECT DEPTNO, LISTAGG(ENAME, ',') WITHIN GROUP (ORDER BY ENAME) FROM EMP GROUP BY DEPTNO ORDER BY DEPTNO",
         "10|CLARK,KING,MILLER;20|ADAMS,FORD,JONES,SCOTT,SMITH;30|ALLEN,BLAKE,JAMES,MARTIN,TURNER,WARD"})

ANSWERS(Dictionary,
        {"user_objects", "SELECT OBJECT_TYPE FROM USER_OBJECTS WHERE OBJECT_NAME = 'EMP_DEPTNO_IX'", "INDEX"},
        {"tab", "SELECT TABTYPE FROM TAB WHERE TNAME = 'EMP_DEPT'", "VIEW"},
        {"index_columns",
         "SELECT COLUMN_NAME, COLUMN_POSITION FROM USER_IND_COLUMNS WHERE INDEX_NAME = 'EMP_DEPTNO_IX'", "DEPTNO|1"},
        {"constraint_columns",
         "SELECT C.COLUMN_NAME FROM USER_CONS_COLUMNS C, USER_CONSTRAINTS K "
         "WHERE C.CONSTRAINT_NAME = K.CONSTRAINT_NAME AND K.TABLE_NAME = 'DEPT' AND K.CONSTRAINT_TYPE = 'P'",
         "DEPTNO"},
        {"user_indexes", "SELECT TABLE_NAME, UNIQUENESS FROM USER_INDEXES WHERE INDEX_NAME = 'EMP_DEPTNO_IX'",
         "EMP|NONUNIQUE"},
        {"user_synonyms", "SELECT COUNT(*) FROM USER_SYNONYMS WHERE SYNONYM_NAME = 'NO_SUCH'", "0"},
        {"all_objects", "SELECT OWNER, OBJECT_TYPE FROM ALL_OBJECTS WHERE OBJECT_NAME = 'DEPT' AND OWNER = 'SCOTT'",
         "SCOTT|TABLE"})

ANSWERS(HonestTypesAndDdl,
        {"date_compared_with_number", "SELECT ENAME FROM EMP WHERE HIREDATE > 100",
         "ORA-00932: inconsistent datatypes: expected DATE got NUMBER"},
        {"number_in_list_of_dates", "SELECT COUNT(*) FROM EMP WHERE SAL IN (SYSDATE)",
         "ORA-00932: inconsistent datatypes: expected NUMBER got DATE"},
        {"union_of_text_and_number", "SELECT ENAME FROM EMP UNION SELECT SAL FROM EMP",
         "ORA-01790: expression must have same datatype as corresponding expression"},
        {"union_column_count", "SELECT ENAME, SAL FROM EMP UNION SELECT ENAME FROM EMP",
         "ORA-01789: query block has incorrect number of result columns"},
        {"union_with_null", "SELECT ENAME FROM EMP WHERE EMPNO = 7839 UNION ALL SELECT NULL FROM DUAL", "KING;NULL"},
        {"qualified_using_column", "SELECT E.DEPTNO FROM EMP E JOIN DEPT D USING (DEPTNO)",
         "ORA-25154: column part of USING clause cannot have qualifier"},
        {"qualified_natural_column", "SELECT DEPT.DEPTNO FROM EMP NATURAL JOIN DEPT",
         "ORA-25155: column used in NATURAL join cannot have qualifier"},
        {"other_column_of_using_join", "SELECT D.DNAME FROM EMP E JOIN DEPT D USING (DEPTNO) WHERE EMPNO = 7839",
         "ACCOUNTING"},
        {"oracle_function_not_run", "SELECT REGR_SLOPE(SAL, EMPNO) FROM EMP",
         "ORA-03001: unimplemented feature: REGR_SLOPE"},
        {"unknown_function", "SELECT NO_SUCH_FN(1) FROM DUAL", "ORA-00904: \"NO_SUCH_FN\": invalid identifier"},
        {"update_to_null", "UPDATE EMP SET EMPNO = NULL WHERE EMPNO = 7839",
         "ORA-01407: cannot update (\"SCOTT\".\"EMP\".\"EMPNO\") to NULL"},
        {"unique_index_named",
         "CREATE UNIQUE INDEX DEPT_DNAME_UX ON DEPT (DNAME);\nINSERT INTO DEPT VALUES (50, 'SALES', 'X')",
         "ORA-00001: unique constraint (SCOTT.DEPT_DNAME_UX) violated"},
        {"parent_key_updated", "UPDATE DEPT SET DEPTNO = 50 WHERE DEPTNO = 10", "ORA-02292"},
        {"child_key_updated", "UPDATE EMP SET DEPTNO = 99 WHERE EMPNO = 7839", "ORA-02291"},
        {"set_row_from_subquery",
         "UPDATE EMP SET (SAL, COMM) = (SELECT SAL * 2, 10 FROM EMP WHERE EMPNO = 7369) WHERE EMPNO = 7900;\n"
         "SELECT SAL, COMM FROM EMP WHERE EMPNO = 7900",
         "1600|10"},
        {"values_default",
         "CREATE TABLE T (A NUMBER, B VARCHAR2(5) DEFAULT 'none', C DATE DEFAULT SYSDATE);\n"
         "INSERT INTO T VALUES (1, DEFAULT, DEFAULT);\nSELECT A, B, COUNT(C) FROM T GROUP BY A, B",
         "1|none|1"},
        {"set_default", "UPDATE EMP SET COMM = DEFAULT WHERE EMPNO = 7499;\nSELECT COMM FROM EMP WHERE EMPNO = 7499",
         "NULL"},
        {"default_outside_a_store", "SELECT DEFAULT FROM DUAL", "ORA-00936"},
        {"insert_first",
         "INSERT FIRST WHEN SAL >= 3000 THEN INTO BONUS (ENAME, JOB) VALUES (ENAME, 'HIGH') "
         "WHEN SAL >= 1000 THEN INTO BONUS (ENAME, JOB) VALUES (ENAME, 'MID') "
         "ELSE INTO BONUS (ENAME, JOB) VALUES (ENAME, 'LOW') SELECT ENAME, SAL FROM EMP;\n"
         "SELECT JOB, COUNT(*) FROM BONUS GROUP BY JOB ORDER BY JOB",
         "HIGH|3;LOW|2;MID|9"},
        {"insert_all_when",
         "INSERT ALL WHEN SAL >= 3000 THEN INTO BONUS (ENAME, JOB) VALUES (ENAME, 'HIGH') "
         "WHEN DEPTNO = 10 THEN INTO BONUS (ENAME, JOB) VALUES (ENAME, 'TEN') SELECT ENAME, SAL, DEPTNO FROM EMP;\n"
         "SELECT JOB, COUNT(*) FROM BONUS GROUP BY JOB ORDER BY JOB",
         "HIGH|3;TEN|3"},
        {"fetch_percent", "SELECT ENAME FROM EMP ORDER BY SAL DESC, ENAME FETCH FIRST 20 PERCENT ROWS ONLY",
         "KING;FORD;SCOTT"},
        {"named_constraints",
         "CREATE TABLE MEMBERS (ID NUMBER CONSTRAINT MEMBERS_PK PRIMARY KEY, NAME VARCHAR2(20) "
         "CONSTRAINT MEMBERS_NAME_UK UNIQUE, AGE NUMBER CONSTRAINT MEMBERS_AGE_CK CHECK (AGE >= 18));\n"
         "SELECT CONSTRAINT_NAME, CONSTRAINT_TYPE FROM USER_CONSTRAINTS WHERE TABLE_NAME = 'MEMBERS' "
         "ORDER BY CONSTRAINT_NAME",
         "MEMBERS_AGE_CK|C;MEMBERS_NAME_UK|U;MEMBERS_PK|P"},
        {"constraint_index_named",
         "CREATE TABLE MEMBERS (ID NUMBER CONSTRAINT MEMBERS_PK PRIMARY KEY);\n"
         "SELECT I.INDEX_NAME, O.OBJECT_TYPE FROM USER_INDEXES I, USER_OBJECTS O "
         "WHERE I.TABLE_NAME = 'MEMBERS' AND O.OBJECT_NAME = I.INDEX_NAME",
         "MEMBERS_PK|INDEX"},
        {"unique_violation_named",
         "CREATE TABLE MEMBERS (ID NUMBER, NAME VARCHAR2(20) CONSTRAINT MEMBERS_NAME_UK UNIQUE);\n"
         "INSERT INTO MEMBERS VALUES (1, 'A');\nINSERT INTO MEMBERS VALUES (2, 'A')",
         "ORA-00001: unique constraint (SCOTT.MEMBERS_NAME_UK) violated"},
        {"check_violation_named",
         "CREATE TABLE MEMBERS (AGE NUMBER CONSTRAINT MEMBERS_AGE_CK CHECK (AGE >= 18));\n"
         "INSERT INTO MEMBERS VALUES (5)",
         "ORA-02290: check constraint (SCOTT.MEMBERS_AGE_CK) violated"},
        {"generated_name",
         "CREATE TABLE MEMBERS (ID NUMBER PRIMARY KEY);\n"
         "SELECT COUNT(*) FROM USER_CONSTRAINTS WHERE TABLE_NAME = 'MEMBERS' AND CONSTRAINT_NAME LIKE 'SYS\\_C%' "
         "ESCAPE '\\' "
         "AND GENERATED = 'GENERATED NAME'",
         "1"},
        {"not_null_listed",
         "CREATE TABLE MEMBERS (ID NUMBER NOT NULL, NAME VARCHAR2(5) CONSTRAINT MEMBERS_NAME_NN NOT NULL);\n"
         "SELECT CONSTRAINT_TYPE, SEARCH_CONDITION FROM USER_CONSTRAINTS WHERE CONSTRAINT_NAME = 'MEMBERS_NAME_NN'",
         "C|\"NAME\" IS NOT NULL"},
        {"child_record_named", "DELETE FROM DEPT WHERE DEPTNO = 10",
         "ORA-02292: integrity constraint (SCOTT.FK_DEPTNO) violated - child record found"},
        {"drop_referenced_parent", "DROP TABLE DEPT",
         "ORA-02449: unique/primary keys in table referenced by foreign keys"},
        {"drop_parent_cascade",
         "DROP TABLE DEPT CASCADE CONSTRAINTS;\nUPDATE EMP SET DEPTNO = 99 WHERE EMPNO = 7839;\n"
         "SELECT COUNT(*) FROM USER_CONSTRAINTS WHERE CONSTRAINT_NAME = 'FK_DEPTNO'",
         "0"},
        {"alter_add_columns",
         "ALTER TABLE DEPT ADD (BUDGET NUMBER(9,2) DEFAULT 1000 NOT NULL, HEAD VARCHAR2(10));\n"
         "SELECT BUDGET, HEAD FROM DEPT WHERE DEPTNO = 10",
         "1000|NULL"},
        {"alter_add_keeps_limits", "ALTER TABLE DEPT ADD HEAD VARCHAR2(3);\nUPDATE DEPT SET HEAD = 'ABCD'",
         "ORA-12899"},
        {"alter_modify",
         "ALTER TABLE DEPT MODIFY (DNAME VARCHAR2(30) NOT NULL);\n"
         "UPDATE DEPT SET DNAME = 'A NAME OF TWENTY-FIVE CHARS' WHERE DEPTNO = 10;\n"
         "SELECT NULLABLE, DATA_LENGTH FROM USER_TAB_COLUMNS WHERE TABLE_NAME = 'DEPT' AND COLUMN_NAME = 'DNAME'",
         "N|30"},
        {"alter_modify_finds_nulls", "ALTER TABLE EMP MODIFY (COMM NOT NULL)", "ORA-02296"},
        {"alter_rename_column", "ALTER TABLE DEPT RENAME COLUMN LOC TO CITY;\nSELECT CITY FROM DEPT WHERE DEPTNO = 40",
         "BOSTON"},
        {"alter_drop_column",
         "ALTER TABLE EMP DROP COLUMN COMM;\nSELECT (SELECT COUNT(*) FROM USER_TAB_COLUMNS WHERE TABLE_NAME = 'EMP'), "
         "(SELECT COUNT(*) FROM USER_INDEXES WHERE TABLE_NAME = 'EMP') FROM DUAL",
         "7|2"},
        {"alter_add_check_validates", "ALTER TABLE EMP ADD CONSTRAINT EMP_SAL_CK CHECK (SAL > 1000)",
         "ORA-02293: cannot validate (SCOTT.EMP_SAL_CK) - check constraint violated"},
        {"alter_add_and_drop_constraint",
         "ALTER TABLE BONUS ADD CONSTRAINT BONUS_UK UNIQUE (ENAME);\nALTER TABLE BONUS DROP CONSTRAINT BONUS_UK;\n"
         "ALTER TABLE BONUS ADD CONSTRAINT BONUS_CK CHECK (SAL > 0);\n"
         "SELECT CONSTRAINT_NAME, SEARCH_CONDITION FROM USER_CONSTRAINTS WHERE TABLE_NAME = 'BONUS'",
         "BONUS_CK|SAL > 0"},
        {"alter_drop_referenced_key", "ALTER TABLE DEPT DROP PRIMARY KEY",
         "ORA-02273: this unique/primary key is referenced by some foreign keys"},
        {"alter_add_foreign_key_without_key",
         "ALTER TABLE BONUS ADD CONSTRAINT BONUS_FK FOREIGN KEY (ENAME) REFERENCES EMP (ENAME)",
         "ORA-02270: no matching unique or primary key for this column-list"},
        {"alter_add_second_primary_key", "ALTER TABLE DEPT ADD (ID NUMBER PRIMARY KEY)",
         "ORA-02260: table can have only one primary key"},
        {"alter_drop_missing_constraint", "ALTER TABLE BONUS DROP CONSTRAINT NO_SUCH",
         "ORA-02443: Cannot drop constraint  - nonexistent constraint"},
        {"alter_rename_to", "ALTER TABLE BONUS RENAME TO REWARDS;\nSELECT COUNT(*) FROM REWARDS", "0"},
        {"view_with_check_option",
         "CREATE VIEW CLERKS AS SELECT EMPNO, ENAME FROM EMP WHERE JOB = 'CLERK' WITH CHECK OPTION;\n"
         "SELECT COUNT(*), MAX(TEXT) FROM CLERKS, USER_VIEWS WHERE VIEW_NAME = 'CLERKS'",
         "4|SELECT EMPNO, ENAME FROM EMP WHERE JOB = 'CLERK'"},
        {"read_only_view",
         "CREATE VIEW CLERKS AS SELECT EMPNO, ENAME FROM EMP WHERE JOB = 'CLERK' WITH READ ONLY;\nDELETE FROM CLERKS",
         "ORA-42399: cannot perform a DML operation on a read-only view"},
        {"dml_on_a_view", "UPDATE EMP_DEPT SET SAL = 1 WHERE EMPNO = 7839",
         "ORA-03001: unimplemented feature: DML on a view"})

ANSWERS(
    Analytics,
    {"rows_frame",
     "SELECT ENAME, SUM(SAL) OVER (ORDER BY EMPNO ROWS BETWEEN 1 PRECEDING AND CURRENT ROW) FROM EMP "
     "WHERE DEPTNO = 10 ORDER BY EMPNO",
     "CLARK|2450;KING|7450;MILLER|6300"},
    {"range_frame",
     "SELECT ENAME, SUM(SAL) OVER (ORDER BY SAL RANGE BETWEEN 500 PRECEDING AND 500 FOLLOWING) FROM EMP "
     "WHERE DEPTNO = 30 ORDER BY SAL, ENAME",
     "JAMES|3450;MARTIN|6550;WARD|6550;TURNER|5600;ALLEN|5600;BLAKE|2850"},
    {"first_last_value",
     "SELECT ENAME, FIRST_VALUE(ENAME) OVER (ORDER BY SAL ROWS BETWEEN UNBOUNDED PRECEDING AND UNBOUNDED FOLLOWING), "
     "LAST_VALUE(ENAME) OVER (ORDER BY SAL ROWS UNBOUNDED PRECEDING) FROM EMP WHERE DEPTNO = 10 ORDER BY SAL",
     "MILLER|MILLER|MILLER;CLARK|MILLER|CLARK;KING|MILLER|KING"},
    {"ratio_to_report", "SELECT ENAME, RATIO_TO_REPORT(SAL) OVER () FROM EMP WHERE DEPTNO = 10 ORDER BY ENAME",
     "CLARK|.28;KING|.571428571428571;MILLER|.148571428571429"},
    {"statistics", "SELECT STDDEV(SAL), VARIANCE(SAL), VAR_POP(SAL), MEDIAN(SAL) FROM EMP",
     "1182.50322351627|1398313.87362637|1298434.31122449|1550"},
    {"statistics_of_one_row",
     "SELECT STDDEV(SAL), VARIANCE(SAL), STDDEV_SAMP(SAL), VAR_SAMP(SAL), STDDEV_POP(SAL) FROM EMP "
     "WHERE EMPNO = 7839",
     "0|0|NULL|NULL|0"},
    {"median_by_department", "SELECT DEPTNO, MEDIAN(SAL) FROM EMP GROUP BY DEPTNO ORDER BY DEPTNO",
     "10|2450;20|2975;30|1375"},
    {"keep_first_last",
     "SELECT DEPTNO, MIN(SAL) KEEP (DENSE_RANK FIRST ORDER BY COMM), MAX(SAL) KEEP (DENSE_RANK LAST ORDER BY COMM) "
     "FROM EMP GROUP BY DEPTNO ORDER BY DEPTNO",
     "10|1300|5000;20|800|3000;30|1500|2850"},
    {"keep_by_two_keys", "SELECT AVG(SAL) KEEP (DENSE_RANK LAST ORDER BY DEPTNO, JOB) FROM EMP", "1400"},
    {"nested_aggregates", "SELECT MAX(SUM(SAL)), MIN(COUNT(*)) FROM EMP GROUP BY DEPTNO", "10875|3"},
    {"nested_beside_a_column", "SELECT DEPTNO, MAX(SUM(SAL)) FROM EMP GROUP BY DEPTNO",
     "ORA-00937: not a single-group group function"},
    {"order_by_grouping",
     "SELECT DEPTNO, GROUPING(DEPTNO), COUNT(*) FROM EMP GROUP BY ROLLUP(DEPTNO) "
     "ORDER BY GROUPING(DEPTNO) DESC, DEPTNO",
     "NULL|1|14;10|0|3;20|0|5;30|0|6"},
    {"frame_needs_order", "SELECT SUM(SAL) OVER (ROWS 1 PRECEDING) FROM EMP", "ORA-30485"},
    {"ratio_takes_no_order", "SELECT RATIO_TO_REPORT(SAL) OVER (ORDER BY SAL) FROM EMP", "ORA-30487"},
    {"frame_ending_before_its_start",
     "SELECT SUM(SAL) OVER (ORDER BY SAL ROWS BETWEEN CURRENT ROW AND 1 PRECEDING) FROM EMP",
     "ORA-03001: unimplemented feature: a window frame that ends before it starts"})

ANSWERS(RowGenerators, {"level_on_dual", "SELECT LEVEL FROM DUAL CONNECT BY LEVEL <= 3", "1;2;3"},
        {"rownum_on_dual", "SELECT ROWNUM FROM DUAL CONNECT BY ROWNUM <= 4", "1;2;3;4"},
        {"months", "SELECT TO_CHAR(ADD_MONTHS(DATE '2024-01-01', LEVEL - 1), 'MON') FROM DUAL CONNECT BY LEVEL <= 3",
         "JAN;FEB;MAR"},
        {"every_row_under_every_row", "SELECT COUNT(*) FROM DEPT CONNECT BY LEVEL <= 2", "20"},
        {"rownum_over_a_table", "SELECT ENAME FROM EMP CONNECT BY ROWNUM <= 2",
         "ORA-03001: unimplemented feature: ROWNUM in CONNECT BY over a table"})

ANSWERS(DatesAndIntervals,
        {"interval_arithmetic",
         "SELECT DATE '2024-01-15' + INTERVAL '1-2' YEAR TO MONTH, DATE '2024-01-15' - INTERVAL '3' MONTH, "
         "DATE '2024-01-15' + INTERVAL '10' DAY, "
         "TO_CHAR(DATE '2024-01-15' + INTERVAL '1 12:30:00' DAY TO SECOND, 'YYYY-MM-DD HH24:MI:SS') FROM DUAL",
         "15-MAR-25|15-OCT-23|25-JAN-24|2024-01-16 12:30:00"},
        {"interval_past_month_end", "SELECT DATE '2024-01-31' + INTERVAL '1' MONTH FROM DUAL", "ORA-01839"},
        {"interval_shown", "SELECT INTERVAL '1-6' YEAR TO MONTH, INTERVAL '4 5:12:10' DAY TO SECOND FROM DUAL",
         "+01-06|+04 05:12:10.000000"},
        {"interval_precision", "SELECT INTERVAL '300' DAY FROM DUAL", "ORA-01873"},
        {"round_at_boundaries",
         "SELECT ROUND(DATE '2024-07-01', 'YYYY'), ROUND(DATE '2024-06-30', 'YYYY'), ROUND(DATE '2024-03-16', 'MM'), "
         "ROUND(DATE '2024-03-15', 'MM'), ROUND(DATE '2024-05-16', 'Q'), ROUND(DATE '2024-05-15', 'Q') FROM DUAL",
         "01-JAN-25|01-JAN-24|01-APR-24|01-MAR-24|01-JUL-24|01-APR-24"},
        {"trunc_weeks_and_more",
         "SELECT TRUNC(DATE '2024-01-03', 'IW'), TRUNC(DATE '2024-03-10', 'WW'), TRUNC(DATE '2024-03-10', 'W'), "
         "TRUNC(DATE '2021-01-02', 'IYYY'), TRUNC(DATE '2024-06-01', 'CC') FROM DUAL",
         "01-JAN-24|04-MAR-24|08-MAR-24|30-DEC-19|01-JAN-01"},
        {"round_time",
         "SELECT TO_CHAR(ROUND(TO_DATE('2024-03-06 11:30', 'YYYY-MM-DD HH24:MI'), 'HH'), 'HH24:MI'), "
         "ROUND(TO_DATE('2024-03-06 12:00', 'YYYY-MM-DD HH24:MI')) FROM DUAL",
         "12:00|07-MAR-24"},
        {"iso_masks", "SELECT TO_CHAR(DATE '2021-01-02', 'IYYY-IW'), TO_CHAR(DATE '2024-12-30', 'IYYY-IW') FROM DUAL",
         "2020-53|2025-01"},
        {"suffixes",
         "SELECT TO_CHAR(DATE '2024-03-01', 'DDth'), TO_CHAR(DATE '2024-03-22', 'fmDDTH'), "
         "TO_CHAR(DATE '2024-03-23', 'DDSP'), TO_CHAR(DATE '2024-03-12', 'DDSPTH'), "
         "TO_CHAR(DATE '2024-01-01', 'YYYYSP') FROM DUAL",
         "01st|22ND|TWENTY-THREE|TWELFTH|TWO THOUSAND TWENTY-FOUR"},
        {"fx_wants_every_digit", "SELECT TO_DATE('1-01-2024', 'FXDD-MM-YYYY') FROM DUAL", "ORA-01862"},
        {"fx_wants_the_punctuation", "SELECT TO_DATE('01/01/2024', 'FXDD-MM-YYYY') FROM DUAL", "ORA-01861"})

ANSWERS(NumberModels,
        {"signs",
         "SELECT TO_CHAR(-1234567890, '9999999999S'), TO_CHAR(1234567890, '9999999999S'), TO_CHAR(-1234, '9999MI'), "
         "TO_CHAR(-1234, '9999PR'), TO_CHAR(1234, '9999PR') || '#' FROM DUAL",
         "1234567890-|1234567890+|1234-|<1234>| 1234 #"},
        {"scientific_shifted_hex",
         "SELECT TO_CHAR(1E+123, '9.9EEEE'), TO_CHAR(12.34, '99V99'), TO_CHAR(255, 'XXXX'), TO_CHAR(255, 'FMxx') "
         "FROM DUAL",
         " 1.0E+123| 1234|   FF|ff"},
        {"to_number_by_model",
         "SELECT TO_NUMBER('$1,234.50', '$9,999.99'), TO_NUMBER('FF', 'XX'), TO_NUMBER('1234-', '9999MI'), "
         "TO_NUMBER('<42>', '99PR') FROM DUAL",
         "1234.5|255|-1234|-42"},
        {"to_number_too_many_digits", "SELECT TO_NUMBER('12345', '999') FROM DUAL", "ORA-01722"})

ANSWERS(MoreFunctions,
        {"logarithms", "SELECT LN(95), EXP(4), LOG(10, 100) FROM DUAL", "4.55387689160054|54.5981500331442|2"},
        {"ln_of_zero", "SELECT LN(0) FROM DUAL", "ORA-01428: argument '0' is out of range"},
        {"trigonometry_and_bits",
         "SELECT SIN(0), COS(0), ATAN2(0, 1), BITAND(6, 3), WIDTH_BUCKET(5, 0, 10, 4) FROM DUAL", "0|1|0|2|3"},
        {"regexp_count",
         "SELECT REGEXP_COUNT('123123123123', '123', 3, 'i'), REGEXP_COUNT('a1b22c333', '\\d+') FROM DUAL", "3|3"},
        {"perl_classes",
         "SELECT REGEXP_SUBSTR('ab 12 cd', '\\w+\\s\\d+'), REGEXP_REPLACE('a1b2', '[\\d]', '#'), "
         "REGEXP_INSTR('abc 9', '\\S\\s'), REGEXP_REPLACE('x1 y2', '\\D') FROM DUAL",
         "ab 12|a#b#|3|12"},
        {"soundex_and_nls_case",
         "SELECT SOUNDEX('SMYTHE'), SOUNDEX('Smith'), NLS_UPPER('abc'), NLS_LOWER('ABC', 'NLS_SORT = BINARY'), "
         "NLS_INITCAP('the sky'), LENGTHB('abc') FROM DUAL",
         "S530|S530|ABC|abc|The Sky|3"},
        {"known_but_unbuilt", "SELECT CORR(SAL, COMM) FROM EMP", "ORA-03001: unimplemented feature: CORR"},
        {"ignore_nulls_unbuilt", "SELECT FIRST_VALUE(COMM IGNORE NULLS) OVER (ORDER BY EMPNO) FROM EMP",
         "ORA-03001: unimplemented feature: IGNORE NULLS"})

ANSWERS(Pivots,
        {"pivot",
         "SELECT * FROM (SELECT DEPTNO, JOB, SAL FROM EMP) "
         "PIVOT (SUM(SAL) FOR JOB IN ('CLERK' AS CLERK, 'MANAGER' AS MANAGER, 'ANALYST')) ORDER BY DEPTNO",
         "10|1300|2450|NULL;20|1900|2975|6000;30|950|2850|NULL"},
        {"pivot_two_aggregates",
         "SELECT D10_S, D10_N, D20_S, D20_N FROM (SELECT DEPTNO, SAL FROM EMP) "
         "PIVOT (SUM(SAL) AS S, COUNT(*) AS N FOR DEPTNO IN (10 AS D10, 20 AS D20))",
         "8750|3|10875|5"},
        {"pivot_needs_an_aggregate", "SELECT * FROM EMP PIVOT (SAL FOR JOB IN ('CLERK'))", "ORA-56902"},
        {"unpivot",
         "SELECT * FROM (SELECT EMPNO, SAL, COMM FROM EMP WHERE EMPNO IN (7499, 7839)) "
         "UNPIVOT (AMOUNT FOR KIND IN (SAL AS 'SALARY', COMM AS 'COMMISSION')) ORDER BY EMPNO, KIND",
         "7499|COMMISSION|300;7499|SALARY|1600;7839|SALARY|5000"},
        {"unpivot_including_nulls",
         "SELECT KIND, COUNT(*), COUNT(AMOUNT) FROM EMP UNPIVOT INCLUDE NULLS (AMOUNT FOR KIND IN (SAL, COMM)) "
         "GROUP BY KIND ORDER BY KIND",
         "COMM|14|4;SAL|14|14"})

struct Stored {
  const char* change;
  const char* query;
  const char* answer;
  int rowCount = -1;  // the rows the change reports, where the case says
};

class StoredValueTest : public DemoSessionTest, public ::testing::WithParamInterface<Stored> {};

TEST_P(StoredValueTest, KeepsWhatOracleKeeps) {
  Outcome change = RunSql(scott_, GetParam().change);
  ASSERT_EQ(DB_OK, change.result) << change.error;
  EXPECT_EQ(GetParam().answer, Joined(RunSql(scott_, GetParam().query)));
  if (GetParam().rowCount >= 0) EXPECT_EQ(GetParam().rowCount, change.rowCount);
}

const Stored kStored[] = {
    {"UPDATE EMP SET SAL = 1234.567, COMM = '' WHERE EMPNO = 7499", "SELECT SAL, COMM FROM EMP WHERE EMPNO = 7499",
     "1234.57|NULL"},
    {"INSERT INTO EMP (EMPNO, ENAME, HIREDATE) VALUES (1, '', '05-MAR-02')",
     "SELECT ENAME, HIREDATE, TO_CHAR(HIREDATE, 'YYYY') FROM EMP WHERE EMPNO = 1", "NULL|05-MAR-02|2002"},
    {"UPDATE EMP SET HIREDATE = HIREDATE + 1 WHERE EMPNO = 7839", "SELECT HIREDATE FROM EMP WHERE EMPNO = 7839",
     "18-NOV-81"},
    {"TRUNCATE TABLE SALGRADE", "SELECT COUNT(*) FROM SALGRADE", "0"},
    {"INSERT INTO BONUS (ENAME, SAL, COMM) SELECT ENAME, SAL, EMP_SEQ.NEXTVAL FROM EMP WHERE DEPTNO = 10",
     "SELECT COUNT(*), COUNT(DISTINCT COMM) FROM BONUS", "3|3", 3},
    {"MERGE INTO EMP E USING (SELECT 7839 EMPNO, 6000 SAL FROM DUAL UNION ALL SELECT 9999, 100 FROM DUAL) S "
     "ON (E.EMPNO = S.EMPNO) WHEN MATCHED THEN UPDATE SET E.SAL = S.SAL "
     "WHEN NOT MATCHED THEN INSERT (EMPNO, ENAME, SAL) VALUES (S.EMPNO, 'NEW', S.SAL)",
     "SELECT EMPNO, ENAME, SAL FROM EMP WHERE EMPNO IN (7839, 9999) ORDER BY EMPNO", "7839|KING|6000;9999|NEW|100", 2},
    {"MERGE INTO EMP E USING DEPT D ON (E.DEPTNO = D.DEPTNO AND D.LOC = 'NEW YORK') "
     "WHEN MATCHED THEN UPDATE SET E.COMM = 1 DELETE WHERE E.JOB = 'CLERK'",
     "SELECT ENAME, COMM FROM EMP WHERE DEPTNO = 10 ORDER BY ENAME", "CLARK|1;KING|1", 3},
    {"INSERT ALL INTO BONUS (ENAME, SAL) VALUES (ENAME, SAL) INTO BONUS (ENAME, JOB) VALUES (ENAME, 'COPY') "
     "SELECT ENAME, SAL FROM EMP WHERE DEPTNO = 10",
     "SELECT COUNT(*), COUNT(JOB), SUM(SAL) FROM BONUS", "6|3|8750", 6},
    {"CREATE OR REPLACE PROCEDURE P AS\nBEGIN\n  NULL;\nEND;",
     "SELECT LINE, TYPE, TEXT FROM USER_SOURCE WHERE NAME = 'P' AND LINE > 2 ORDER BY LINE",
     "3|PROCEDURE|  NULL;\n;4|PROCEDURE|END;"},
};

INSTANTIATE_TEST_SUITE_P(Stores, StoredValueTest, ::testing::ValuesIn(kStored));

struct Heading {
  const char* sql;
  const char* headings;
};

class HeadingTest : public DemoSessionTest, public ::testing::WithParamInterface<Heading> {};

TEST_P(HeadingTest, NamesColumnsAsOracle) {
  Outcome outcome = RunSql(scott_, GetParam().sql);
  ASSERT_EQ(DB_OK, outcome.result) << outcome.error;
  std::string headings;
  for (const std::string& column : outcome.columns) headings += (headings.empty() ? "" : "|") + column;
  EXPECT_EQ(GetParam().headings, headings);
}

const Heading kHeadings[] = {
    {"SELECT sal / 3, NVL(comm, 0), E.ENAME, 'abc' FROM EMP E", "SAL/3|NVL(COMM,0)|ENAME|'abc'"},
    {"SELECT SYSDATE, USER, EMP_SEQ.NEXTVAL FROM DUAL", "SYSDATE|USER|NEXTVAL"},
    {"SELECT COUNT(*) total, deptno FROM EMP GROUP BY deptno", "TOTAL|DEPTNO"},
    {"SELECT * FROM DEPT", "DEPTNO|DNAME|LOC"},
    {"SELECT * FROM (SELECT JOB, SAL FROM EMP) PIVOT (MAX(SAL) FOR JOB IN ('CLERK', 'ANALYST' AS A))", "'CLERK'|A"},
};

INSTANTIATE_TEST_SUITE_P(Headings, HeadingTest, ::testing::ValuesIn(kHeadings));

TEST_F(DemoSessionTest, SessionDateFormatIsHonoured) {
  ASSERT_EQ(DB_OK, RunSql(scott_, "ALTER SESSION SET NLS_DATE_FORMAT = 'YYYY-MM-DD HH24:MI'").result);
  Outcome outcome = RunSql(scott_, "SELECT HIREDATE FROM EMP WHERE HIREDATE = '1981-11-17 00:00'");
  EXPECT_EQ("1981-11-17 00:00", Joined(outcome)) << outcome.error;
  EXPECT_EQ("ORA-01821: date format not recognized", RunSql(scott_, "ALTER SESSION SET NLS_DATE_FORMAT = 'XQZ'").error);
}

TEST_F(DemoSessionTest, ViewsAnswerAsTheirQueryAndKeepItsText) {
  EXPECT_EQ(0u, RunSql(scott_, "SELECT TEXT FROM USER_VIEWS WHERE VIEW_NAME = 'EMP_DEPT'")
                    .rows.at(0)
                    .at(0)
                    .find("SELECT E.EMPNO"));
  const char* query = "SELECT ENAME, SAL/3 THIRD, HIREDATE /* hired */ FROM EMP";
  ASSERT_EQ(DB_OK, RunSql(scott_, std::string("CREATE VIEW THIRDS AS ") + query).result);
  EXPECT_EQ("1666.66666666667|17-NOV-81",
            Joined(RunSql(scott_, "SELECT THIRD, HIREDATE FROM THIRDS WHERE ENAME = 'KING'")));
  EXPECT_EQ(query, Joined(RunSql(scott_, "SELECT TEXT FROM USER_VIEWS WHERE VIEW_NAME = 'THIRDS'")));
}

}  // namespace
