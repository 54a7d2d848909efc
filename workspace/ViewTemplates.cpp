// The Sql menu's templates: each appends its comment line and statement to the editor.
#include "SqlTemplates.h"
#include "ZenquillView.h"

void CZenquillView::OnSqlTemplate(unsigned id) {
  const SqlTemplate* sqlTemplate = FindSqlTemplate(static_cast<int>(id));
  if (!sqlTemplate) return;
  ReadControls();
  sqlText = AppendTemplate(sqlText, *sqlTemplate, sqlSeparator);
  Report(kTemplateReadyMessage);
}
