// The data dictionary as the schema browser and the templates read it: DBA_, ALL_ and USER_
// views of tables, views, indexes, constraints, columns, sequences, synonyms, database
// links, PL/SQL units, triggers and users, made per session over the attached schemas.
#ifndef ZENQUILL_OCILITE_DICTIONARYVIEWS_H
#define ZENQUILL_OCILITE_DICTIONARYVIEWS_H

#include <string>
#include <vector>

namespace ocilite {

// CREATE TEMP VIEW statements for every dictionary view over the given schemas.
std::vector<std::string> DictionaryViewStatements(const std::vector<std::string>& schemas);

}  // namespace ocilite

#endif
