// Fetching a query's rows into the result list, with the read-all question at a limit.
#ifndef ZENQUILL_WORKSPACE_RESULTFILLER_H
#define ZENQUILL_WORKSPACE_RESULTFILLER_H

#include <string>

#include "ExecutionPorts.h"

// Row limits of the read-all question.
constexpr int kExecuteRowLimit = 500;
constexpr int kQueryIntoListRowLimit = 1000;

// The question belongs to a whole execution: once answered Yes it is not asked again, on
// any later statement either.
struct ReadAllQuestion {
  explicit ReadAllQuestion(int rowLimit) : limit(rowLimit) {}
  int limit;
  bool ask = true;
};

enum class FillEnd {
  AllRead,    // FetchRow reported the end of the rows
  Declined,   // the user answered No
  Failed,     // FetchRow failed; the rows read so far stay
  Cancelled,  // the user cancelled the fetch; the rows read so far stay
  // Memory ran out (std::bad_alloc, or a row the list could not take): the rows read so
  // far stay and the query is closed.
  OutOfMemory,
};

// "You have read <limit> rows do you want to read all?"
std::string ReadAllQuestionText(int limit);

// "Not enough memory: read <rows> rows"
std::string OutOfMemoryText(int rows);

// "Cancelled: read <rows> rows"
std::string CancelledText(int rows);

// Fetches one row per FetchRow and appends it at once. The list does not redraw while rows
// arrive, only before the question and when fetching ends, however it ends. A list filled
// from another thread may learn only then that it had no room for some of the rows.
FillEnd FillRows(StatementSource& source, int columnCount, ResultList& list, ReadAllQuestion& question);

#endif
