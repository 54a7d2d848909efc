#include "ResultFiller.h"

#include <vector>

std::string ReadAllQuestionText(int limit) {
  return "You have read " + std::to_string(limit) + " rows do you want to read all?";
}

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

FillEnd Fetch(StatementSource& source, int columnCount, ResultList& list, ReadAllQuestion& question) {
  std::vector<std::string> values;
  DbResult result;
  while ((result = source.FetchRow(columnCount, values)) == DB_OK) {
    list.AppendRow(values);
    if (!AskWhetherToGoOn(list, question)) return FillEnd::Declined;
  }
  return result == DB_NO_DATA ? FillEnd::AllRead : FillEnd::Failed;
}

}  // namespace

FillEnd FillRows(StatementSource& source, int columnCount, ResultList& list, ReadAllQuestion& question) {
  list.SetRedraw(false);
  const FillEnd end = Fetch(source, columnCount, list, question);
  list.SetRedraw(true);
  return end;
}
