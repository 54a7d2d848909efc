// Where the binding's load failures go: a message box in the program, a capture in tests.
#ifndef ZENQUILL_DB_LOADFAILUREREPORT_H
#define ZENQUILL_DB_LOADFAILUREREPORT_H

using LoadFailureHandler = void (*)(const char* message);

// A null handler restores the default, which writes the message to the standard error.
void SetLoadFailureHandler(LoadFailureHandler handler);
void ReportLoadFailure(const char* message);

#endif
