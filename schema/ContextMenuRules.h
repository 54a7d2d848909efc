// Which items of the schema tree's context menu are greyed. The menu does its own enabling
// each time it opens, from the view's connection state, whether the result list has rows and
// whether a run goes on.
#ifndef ZENQUILL_SCHEMA_CONTEXTMENURULES_H
#define ZENQUILL_SCHEMA_CONTEXTMENURULES_H

// Refresh, View Data and Disconnect need a session; Connect needs none; the two Copy rows
// commands need a row in the list. Every other item of the menu stays enabled in all states.
// While a run goes on, the items that use the session (those four and Save XML data) wait
// for it to end.
bool GreyedInContextMenu(unsigned commandId, bool connected, bool listHasRows, bool running = false);

#endif
