// The program's version: the About box's text, the executable's version resource and the
// name of the Windows download all come from here. Plain macros for the resource compiler.
#ifndef ZENQUILL_RES_VERSION_H
#define ZENQUILL_RES_VERSION_H

#define ZQ_VERSION_MAJOR 2
#define ZQ_VERSION_MINOR 1
#define ZQ_VERSION_TEXT "2.1"

#endif
