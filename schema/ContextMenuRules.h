// Which items of the schema tree's context menu are greyed. The menu does its own enabling
// each time it opens, from the view's connection state and whether the result list has rows.
#ifndef ZENQUILL_SCHEMA_CONTEXTMENURULES_H
#define ZENQUILL_SCHEMA_CONTEXTMENURULES_H

// Refresh, View Data and Disconnect need a session; Connect needs none; the two Copy rows
// commands need a row in the list. Every other item of the menu stays enabled in all states.
bool GreyedInContextMenu(unsigned commandId, bool connected, bool listHasRows);

#endif
