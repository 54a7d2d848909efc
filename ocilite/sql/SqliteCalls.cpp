#include "sql/SqliteCalls.h"

#include "sql/SqlAst.h"

namespace ocilite {

std::string QuoteText(const std::string& text) {
  std::string quoted = "'";
  for (char c : text) quoted += c == '\'' ? std::string("''") : std::string(1, c);
  return quoted + "'";
}

std::string PseudoColumnCall(const std::string& name) {
  if (name == "USER") return "ZQ_USER()";
  if (name == kTransactionIdName) return "ZQ_TRANSACTION_ID()";
  return "ZQ_SYSDATE()";
}

std::string SequenceCall(bool next, const std::string& owner, const std::string& sequence) {
  return std::string(next ? "ZQ_NEXTVAL(" : "ZQ_CURRVAL(") + QuoteText(owner) + ", " + QuoteText(sequence) + ")";
}

}  // namespace ocilite
