// Names the database makes up: Oracle's SYS_Cn for a constraint created without a name.
#ifndef ZENQUILL_OCILITE_SYSTEMNAMES_H
#define ZENQUILL_OCILITE_SYSTEMNAMES_H

#include <string>

#include "oci/Session.h"

namespace ocilite {

// SYS_C007001, SYS_C007002, ...: one number for the whole database, never given twice.
std::string NextConstraintName(Session& session);

}  // namespace ocilite

#endif
