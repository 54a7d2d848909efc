// The demo database, built from the seed script compiled into the library.
#ifndef ZENQUILL_OCILITE_DEMODATABASE_H
#define ZENQUILL_OCILITE_DEMODATABASE_H

#include "oracle/OraError.h"
#include "storage/DataFiles.h"

namespace ocilite {

extern const char kDemoAlias[];

// The seed script's text; generated from demo_seed.sql at build time.
extern const char kDemoSeedScript[];

// Builds the demo database in a scratch folder beside it and moves it into place, so that
// a half-built database is never seen by anyone.
bool CreateDemoDatabase(const DatabaseLocation& location, OraError& error);

}  // namespace ocilite

#endif
