// Before a session ends: the user decides what happens to changes not yet committed, so
// that ending the session (which commits them on Oracle) never decides for the user.
#ifndef ZENQUILL_DB_PENDINGCHANGES_H
#define ZENQUILL_DB_PENDINGCHANGES_H

#include <functional>
#include <string>

#include "DatabaseDocument.h"

enum class PendingChoice { kCommit, kRollback, kKeepSession };

// The question the user answers with Yes (commit), No (roll back) or Cancel.
extern const char kPendingChangesQuestion[];

// Asks `choose` only when the session holds pending changes, then runs COMMIT or ROLLBACK.
// True when the session may end; false when it stays: the user kept it, or the COMMIT or
// ROLLBACK failed (`error` holds the reason then).
bool SettlePendingChanges(DatabaseDocument& document, const std::function<PendingChoice()>& choose, std::string& error);

#endif
