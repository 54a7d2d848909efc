// The document: the database session for the life of the process. Constructing it
// loads the client library; destroying it ends the session and unloads the library.
#ifndef ZENQUILL_WORKSPACE_ZENQUILLDOC_H
#define ZENQUILL_WORKSPACE_ZENQUILLDOC_H

#include "DatabaseDocument.h"
#include "Document.h"

class CZenquillDoc : public fw::Document, public DatabaseDocument {};

#endif
