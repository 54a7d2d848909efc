// The result list as the execution logic sees it: the workspace's report list view, filled
// one item at a time, with the read-all question asked over the workspace.
#ifndef ZENQUILL_WORKSPACE_VIEWRESULTLIST_H
#define ZENQUILL_WORKSPACE_VIEWRESULTLIST_H

#include <windows.h>

#include "ExecutionPorts.h"

class ResultListWindow : public ResultList {
 public:
  ResultListWindow(HWND list, HWND questionOwner) : list_(list), owner_(questionOwner) {}

  void Clear() override;
  void AddColumn(const std::string& heading, int width) override;
  bool AppendRow(const std::vector<std::string>& values) override;
  int RowCount() const override;
  void SetRedraw(bool on) override;
  bool AskToReadAll(const std::string& question) override;
  bool AskSubstitution(const SubstitutionAsk& ask, std::string& value) override;

 private:
  int ColumnCount() const;

  HWND list_;
  HWND owner_;
};

#endif
