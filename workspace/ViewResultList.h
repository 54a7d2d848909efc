// The result list as the execution logic sees it: the workspace's owner-data list, whose rows
// go into its store and are shown when redrawing is turned on again, with the read-all
// question asked over the workspace.
#ifndef ZENQUILL_WORKSPACE_VIEWRESULTLIST_H
#define ZENQUILL_WORKSPACE_VIEWRESULTLIST_H

#include <windows.h>

#include "ExecutionPorts.h"
#include "SortListCtrl.h"

class ResultListWindow : public ResultList {
 public:
  ResultListWindow(CSortListCtrl& list, HWND questionOwner) : list_(list), owner_(questionOwner) {}

  void Clear() override { list_.Clear(); }
  void AddColumn(const std::string& heading, int width) override { list_.AddColumn(heading, width); }
  bool AppendRow(const std::vector<std::string>& values) override { return list_.AppendRow(values); }
  // Straight from the batch into the store, a copy per row; the list learns of them when
  // redrawing is turned on.
  std::size_t AppendRows(const RowBatch& rows) override {
    std::size_t appended = 0;
    while (appended < rows.Count() && list_.AppendRowText(rows.RowText(appended))) ++appended;
    return appended;
  }
  int RowCount() const override { return list_.Rows().RowCount(); }
  // Rows reach the store without a window message: turning redrawing on shows them.
  void SetRedraw(bool on) override {
    if (on) list_.ShowRowCount();
  }
  bool AskToReadAll(const std::string& question) override;
  bool AskSubstitution(const SubstitutionAsk& ask, std::string& value) override;

 private:
  CSortListCtrl& list_;
  HWND owner_;
};

#endif
