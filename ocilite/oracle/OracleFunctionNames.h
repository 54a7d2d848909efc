// The names of Oracle's built-in SQL functions, so that one this library does not run is
// reported as unimplemented rather than as the user's invalid identifier.
#ifndef ZENQUILL_OCILITE_ORACLEFUNCTIONNAMES_H
#define ZENQUILL_OCILITE_ORACLEFUNCTIONNAMES_H

#include <string>

namespace ocilite {

bool IsOracleFunction(const std::string& upperName);

}  // namespace ocilite

#endif
