// Identifiers the framework itself relies on: the strings it loads, the commands it
// handles and the resource type of a toolbar layout. Plain macros so that resource
// scripts can include this file; an application's resource.h adds its own beside them.
#ifndef ZENQUILL_FRAMEWORK_FRAMEWORKIDS_H
#define ZENQUILL_FRAMEWORK_FRAMEWORKIDS_H

// Resource type of a toolbar layout: version 1, button width, button height, item
// count, then one command id per item (0 stands for a separator).
#define RT_TOOLBAR_LAYOUT 241

// Strings: the application's name and the status bar's idle text.
#define IDS_APP_TITLE 57344
#define IDS_IDLE_MESSAGE 57345

// Status-bar panes: 0 is the message pane, the others show a key's toggle state.
#define ID_SEPARATOR 0
#define ID_INDICATOR_CAPS 59137
#define ID_INDICATOR_NUM 59138
#define ID_INDICATOR_SCRL 59139

// Commands handled by the framework.
#define ID_APP_EXIT 57665
#define ID_HELP_FINDER 57667
#define ID_CONTEXT_HELP 57669
#define ID_HELP 57670
#define ID_DEFAULT_HELP 57671
#define ID_VIEW_TOOLBAR 59392
#define ID_VIEW_STATUS_BAR 59393

// Child window id of a frame's view.
#define ID_VIEW_PANE 59648

#endif
