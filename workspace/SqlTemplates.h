// The example statements of the Sql menu, which are appended to the editor's text.
#ifndef ZENQUILL_WORKSPACE_SQLTEMPLATES_H
#define ZENQUILL_WORKSPACE_SQLTEMPLATES_H

#include <string>

// The menu item, prompt and tooltip of each live in the resources under its command id.
struct SqlTemplate {
  int commandId;
  const char* commentLine;
  const char* statement;
};

constexpr int kSqlTemplateCount = 12;

// In menu order.
extern const SqlTemplate kSqlTemplates[kSqlTemplateCount];

// The message line's text once a template has been appended.
extern const char* const kTemplateReadyMessage;

// Null when no template has this command id.
const SqlTemplate* FindSqlTemplate(int commandId);

// `sqlText` followed by CR LF, the comment line, CR LF, the statement, the separator, CR LF.
std::string AppendTemplate(const std::string& sqlText, const SqlTemplate& sqlTemplate, const std::string& sqlSeparator);

#endif
