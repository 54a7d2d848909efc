#include "SoakCycle.h"

#include "resource.h"

namespace soak {
namespace {

using exece2e::Workbench;

struct Statement {
  const char* sql;
  const char* expected;  // the message line, or its start for an error
};

const Statement kUpdate = {"UPDATE ORDER_LINES SET QUANTITY = QUANTITY WHERE LINE_ID = 1",
                           "Execute succeeded! Rows changed 1"};
const Statement kFailing = {"SELECT * FROM NO_SUCH_TABLE", "ORA-00942"};
const Statement kScript = {
    "SELECT * FROM DEPT;\r\nUPDATE DEPT SET LOC = LOC WHERE DEPTNO = 10;\r\nSELECT ENAME FROM EMP;", "Rows 18"};
// Alternated so that every cycle changes the tree's selection and loads a catalogue.
const std::vector<std::string> kScopes[] = {{"Database", "Tables", "User"}, {"Database", "Indexes", "User"}};

std::string Expect(const std::string& step, const std::string& shown, const std::string& expected) {
  return shown.compare(0, expected.size(), expected) == 0 ? "" : step + ": \"" + shown + "\"";
}

std::string Connect(Workbench& bench) {
  e2e::PostCommand(bench.Main(), ID_DATABASE_CONNECT);
  return Expect("connect", bench.AnswerConnect("SCOTT", "tiger", IDC_LOGIN_NORMAL), "Connect succeeded!");
}

// 600 rows: the read-all question comes after row 500 and is answered Yes.
std::string QueryAllRows(Workbench& bench) {
  bench.SetEditorText("SELECT * FROM ORDER_LINES WHERE LINE_ID <= 600");
  e2e::SetText(e2e::FindControl(bench.Main(), IDC_MESSAGE_LINE), "");
  e2e::PostKey(bench.Main(), VK_F5);
  HWND question = bench.WaitForDialog();
  if (!question) return "query: no read-all question";
  Workbench::Answer(question, IDYES);
  e2e::WaitUntil([&] { return exece2e::Finished(bench.Message()); }, exece2e::kPatienceMs);
  return Expect("query", bench.Message(), "Rows 600");
}

std::string LoadSchemaScope(Workbench& bench, int cycle) {
  e2e::TreeViewReader tree(e2e::FindControl(bench.Main(), IDC_SCHEMA_TREE));
  HTREEITEM scope = tree.Find(kScopes[cycle % 2]);
  e2e::SetText(e2e::FindControl(bench.Main(), IDC_MESSAGE_LINE), "");
  if (!scope || !tree.Select(scope)) return "schema: no scope node to select";
  e2e::WaitUntil([&] { return exece2e::Finished(bench.Message()); }, exece2e::kPatienceMs);
  return Expect("schema", bench.Message(), "Rows ");
}

std::string SaveXml(Workbench& bench) {
  e2e::SetText(e2e::FindControl(bench.Main(), IDC_MESSAGE_LINE), "");
  e2e::PostCommand(bench.Main(), ID_FILE_SAVE_XML);
  if (!bench.AnswerFileDialog("Save As", bench.Scratch() + "\\soak.xml")) return "save: no save dialog";
  e2e::WaitUntil([&] { return exece2e::Finished(bench.Message()); }, exece2e::kPatienceMs);
  return Expect("save", bench.Message(), "Saved XML file!");
}

// A query that runs until it is cancelled: Esc once the message line shows it going on.
std::string CancelLongQuery(Workbench& bench) {
  bench.SetEditorText(exece2e::kEndlessQuery);
  e2e::SetText(e2e::FindControl(bench.Main(), IDC_MESSAGE_LINE), "");
  e2e::PostKey(bench.Main(), VK_F5);
  if (!e2e::WaitUntil([&] { return e2e::IsRunProgress(bench.Message()); }, exece2e::kPatienceMs)) {
    return "cancel: the query did not run";
  }
  e2e::PostKey(bench.Main(), VK_ESCAPE);
  e2e::WaitUntil([&] { return exece2e::Finished(bench.Message()); }, exece2e::kPatienceMs);
  return Expect("cancel", bench.Message(), "ORA-01013: user requested cancel of current operation");
}

}  // namespace

std::string StartForSoak(Workbench& bench, const std::string& name) {
  const ::testing::AssertionResult started = bench.Start(name, "VIEWXML=0\r\n");
  if (!started) return started.message();
  Workbench::Answer(bench.WaitForDialog("Connect"), IDCANCEL);
  return "";
}

std::string RunCycle(Workbench& bench, int cycle) {
  std::string error = Connect(bench);
  if (error.empty()) error = QueryAllRows(bench);
  for (const Statement& statement : {kUpdate, kFailing, kScript}) {
    if (error.empty()) error = Expect(statement.sql, bench.Execute(statement.sql), statement.expected);
  }
  if (error.empty()) error = CancelLongQuery(bench);
  if (error.empty()) error = LoadSchemaScope(bench, cycle);
  if (error.empty()) error = SaveXml(bench);
  if (error.empty()) error = Expect("disconnect", bench.RunCommand(ID_DATABASE_DISCONNECT), "Disconnect succeded!");
  return error.empty() ? "" : "cycle " + std::to_string(cycle) + ": " + error;
}

DWORD ProgramId(const Workbench& bench) {
  DWORD id = 0;
  GetWindowThreadProcessId(bench.Main(), &id);
  return id;
}

}  // namespace soak
