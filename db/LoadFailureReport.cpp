#include "LoadFailureReport.h"

#include <cstdio>

namespace {

void WriteToStandardError(const char* message) { std::fprintf(stderr, "%s\n", message); }

LoadFailureHandler currentHandler = WriteToStandardError;

}  // namespace

void SetLoadFailureHandler(LoadFailureHandler handler) { currentHandler = handler ? handler : WriteToStandardError; }

void ReportLoadFailure(const char* message) { currentHandler(message); }
