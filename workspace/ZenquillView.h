// The workspace: the form that fills the main frame (template 101) with the schema tree,
// the SQL editor, the result list and the message line, and the state that the
// workspace's commands share. Commands are routed here first (ViewCommands.cpp holds
// the routing table); the commands live by theme in ViewCommands.cpp (commands and editing),
// ViewDatabase.cpp (connect, execute and schema), ViewFiles.cpp (files and XML) and
// ViewStartup.cpp (start-up and configuration). Other code reaches the state through the
// operations below.
#ifndef ZENQUILL_WORKSPACE_ZENQUILLVIEW_H
#define ZENQUILL_WORKSPACE_ZENQUILLVIEW_H

#include <windows.h>
#include <commctrl.h>

#include <functional>
#include <memory>
#include <string>

#include "Execution.h"
#include "FormView.h"
#include "RecoveryCopy.h"
#include "ScriptEncoding.h"
#include "SchemaSkeleton.h"
#include "SessionWorker.h"
#include "SortListCtrl.h"
#include "StatementHistory.h"

class CZenquillDoc;

class CZenquillView : public fw::FormView {
 public:
  CZenquillView();
  ~CZenquillView() override;

  CZenquillDoc* GetDocument() const;

  // Data exchange: the message line and the SQL editor into messageText and sqlText,
  // and back. WriteControls leaves a control alone while it shows the same text of up
  // to 255 characters, so its caret and scrolling stay where they are.
  void ReadControls();
  void WriteControls();

  void OnInitialUpdate() override;
  // Closing the window ends the session: the user settles pending changes first.
  bool CanCloseFrame() override;
  bool OnCommand(unsigned id) override;
  bool OnUpdateCommand(fw::CmdUI& ui) override;

  // Runs one statement into the result list with its real column names (ViewDatabase.cpp):
  // the list is emptied first, errors go to the message line, nothing is recorded. The
  // statement runs on the session's worker; `then` runs on this thread once it has ended.
  void RunQueryIntoList(const std::string& statement, std::function<void()> then = nullptr);

  // Timer of the start-up sequence (ViewStartup.cpp): one tick, then stopped.
  static constexpr UINT_PTR kStartupTimer = 2;
  static constexpr UINT kStartupDelayMs = 100;
  // Timer of the recovery copy of the editor's text (ViewStartup.cpp).
  static constexpr UINT_PTR kRecoveryTimer = 3;
  // Most characters the SQL editor holds.
  static constexpr int kEditorLimit = 4096000;
  // MessageBeep(-1), the simple beep that ends every execution.
  static constexpr UINT kSimpleBeep = 0xFFFFFFFF;
  // Posted by the session's worker when it has handed something over (ViewRun.cpp).
  static constexpr UINT kRunNewsMessage = WM_APP + 1;
  // The message line's progress during a run: at most five updates a second.
  static constexpr UINT_PTR kProgressTimer = 4;
  static constexpr UINT kProgressIntervalMs = 200;
  // How long closing the window waits for a cancelled run to end.
  static constexpr DWORD kCloseWaitMs = 5000;

 protected:
  void DoDataExchange(fw::DataExchange& dx) override;
  INT_PTR OnMessage(UINT msg, WPARAM wParam, LPARAM lParam) override;

 private:
  // Edit commands (ViewCommands.cpp): always on the SQL editor, whatever has the focus.
  void OnEditCopy();
  void OnEditCut();
  void OnEditPaste();
  void OnEditSelectAll();
  void OnEditUndo();
  // Link commands (ViewCommands.cpp): an address handed to the shell.
  void OnLink(unsigned id);
  // Start-up sequence (ViewStartup.cpp).
  void OnTimer(UINT_PTR id);
  void RunStartupSequence();
  // Recovery copy (ViewStartup.cpp): offered back at start-up, kept before every run and
  // on the idle timer, deleted when the window closes.
  void OfferRecoveredText();
  void KeepEditorText();
  // The full path of `name` in the current directory, taken while that is still the
  // start-up folder: a file dialog may change it while the idle timer writes the copy.
  static std::string StartupFolderFile(const char* name);
  // Connect and Disconnect (ViewDatabase.cpp). EndSession disconnects without asking.
  void OnConnect();
  void OnDisconnect();
  void EndSession();
  // Under manual commit, the user commits or rolls back what is pending before the session
  // ends (ViewTransaction.cpp); false when the session stays.
  bool SettlePendingChanges();
  // Execute and Execute Statement (ViewDatabase.cpp): the editor's text or selection run by
  // `run`. Report puts a message in the message line and beeps.
  void OnExecute();
  void OnExecuteStatement();
  void RunEditorText(ExecutionOutcome (*run)(const EditorRequest&, StatementSource&, ResultList&));
  void ShowEditorOutcome(const ExecutionOutcome& outcome, const std::string& textRun);
  void Report(const std::string& message);
  // Runs on the session's worker (ViewRun.cpp): the job's rows reach the result list as
  // they come, and `done` gets its outcome on this thread. Cancel breaks the running call;
  // closing the window cancels and waits a while for the run to end (before its question
  // about pending changes, which needs the session).
  void CreateSessionWorker();
  void StartRun(SessionWorker::Job job, std::function<void(const ExecutionOutcome&)> done);
  bool RunGoesOn() const { return worker && worker->Busy(); }
  void OnRunNews();
  void ShowRunProgress();
  void OnCancel();
  bool OnSetCursor(LPARAM lParam);
  void EndRunForClosing();
  // History, templates (ViewCommands.cpp).
  void OnSqlBack();
  void OnSqlForward();
  void OnSqlTemplate(unsigned id);
  // File commands (ViewFiles.cpp).
  void OnFileNew();
  void OnFileOpen();
  void OnFileSave();
  void OnFileSaveAs();
  void SaveScript(const std::string& path);
  void ReportFileOutcome(const std::string& message);  // then the default beep
  // Configuration and help (ViewStartup.cpp); the separators and autocommit mode
  // come from the settings file at start-up and after the dialog's OK.
  void OnConfiguration();
  void OnHelp();
  void LoadExecutionSettings();
  // Save XML data (ViewFiles.cpp): the result list as an XML file with its stylesheet.
  void OnSaveXmlData();
  // Copy rows and Save CSV data (ViewRowExport.cpp): the result's rows as tab text on the
  // clipboard, and as a CSV file.
  void OnCopyRows(bool withHeadings);
  void OnSaveCsvData();
  // Schema browser (ViewDatabase.cpp): the tree's skeleton, catalogue loads through
  // the result list, a table's columns, the context menu, View Data and Refresh.
  void BuildSchemaTree();
  void DispatchTreeSelection();
  void LoadScopeNode(const std::string& query, HTREEITEM scopeNode, int objectImage, bool ownerColumn);
  void FillScopeNode(HTREEITEM scopeNode, int objectImage, bool ownerColumn);
  bool SelectionWouldLoad(HTREEITEM item) const;
  void ShowTableColumns(const std::string& nodeText);
  bool OnNotify(NMHDR& notify);
  bool OnSchemaNotify(const NMHDR& notify);
  void OnTreeSelChanged();
  void OnTreeListRightClick();
  void OnViewData();
  void OnRefresh();

  void OnSize(int cx, int cy);
  void OnDestroy();
  void BindControls();
  void LayoutControls();

 private:
  // The workspace's shared state, in this order. historyPosition lives inside history.
  CSortListCtrl resultList;
  std::string messageText = "Connect to database!";
  std::string sqlSeparator;
  std::string plsqlSeparator;
  StatementHistory history;
  int connected = 0;
  HWND schemaTree = nullptr;
  HTREEITEM fixedTreeNodes[kSkeletonNodeCount] = {};
  HWND messageLine = nullptr;
  HIMAGELIST treeImages = nullptr;
  HBITMAP treeBitmap = nullptr;
  HWND sqlEditor = nullptr;
  std::string sqlText;
  RecoveryCopy recovery;
  // The session's worker and what it works on; made once the document is known.
  std::unique_ptr<DocumentStatements<CZenquillDoc>> statements;
  std::unique_ptr<DocumentBreaker<CZenquillDoc>> breaker;
  std::unique_ptr<SessionWorker> worker;
  std::function<void(const ExecutionOutcome&)> runDone;
  std::string progressShown;
  // Substitution variables and rules last for the program's run, as in a SQL*Plus session.
  SubstitutionSession substitution;
  // The encoding of the file the editor belongs to, which Save writes it back in.
  ScriptEncoding scriptEncoding = ScriptEncoding::Ansi;
};

#endif
