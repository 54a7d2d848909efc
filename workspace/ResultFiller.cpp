#include "ResultFiller.h"

#include <new>
#include <vector>

std::string ReadAllQuestionText(int limit) {
  return "You have read " + std::to_string(limit) + " rows do you want to read all?";
}

std::string OutOfMemoryText(int rows) { return "Not enough memory: read " + std::to_string(rows) + " rows"; }

std::string CancelledText(int rows) { return "Cancelled: read " + std::to_string(rows) + " rows"; }

namespace {

// True when fetching goes on.
bool AskWhetherToGoOn(ResultList& list, ReadAllQuestion& question) {
  if (!question.ask || list.RowCount() < question.limit) return true;
  list.SetRedraw(true);  // the rows read so far stand behind the question
  if (!list.AskToReadAll(ReadAllQuestionText(question.limit))) return false;
  question.ask = false;
  list.SetRedraw(false);
  return true;
}

FillEnd Fetch(StatementSource& source, int columnCount, ResultList& list, ReadAllQuestion& question, int& appended) {
  std::vector<std::string> values;
  DbResult result;
  while ((result = source.FetchRow(columnCount, values)) == DB_OK) {
    if (!list.AppendRow(values)) return FillEnd::OutOfMemory;
    ++appended;
    if (!AskWhetherToGoOn(list, question)) return FillEnd::Declined;
  }
  if (result == DB_NO_DATA) return FillEnd::AllRead;
  return source.Cancelled() ? FillEnd::Cancelled : FillEnd::Failed;
}

}  // namespace

FillEnd FillRows(StatementSource& source, int columnCount, ResultList& list, ReadAllQuestion& question) {
  list.SetRedraw(false);
  const int before = list.RowCount();
  int appended = 0;
  FillEnd end;
  try {
    end = Fetch(source, columnCount, list, question, appended);
  } catch (const std::bad_alloc&) {
    end = FillEnd::OutOfMemory;
  }
  list.SetRedraw(true);
  if (list.RowCount() < before + appended) end = FillEnd::OutOfMemory;
  // What the client library holds for the rest of the rows is freed at once.
  if (end == FillEnd::OutOfMemory) source.CloseQuery();
  return end;
}
