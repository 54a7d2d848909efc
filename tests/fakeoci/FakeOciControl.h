// The scripted test double's own exports, beside the eighteen OCI entry points: a test
// scripts statuses, attribute values, columns, rows and the error text, then reads back
// every call the code under test made, one line of text per call with its arguments.
#ifndef ZENQUILL_TESTS_FAKEOCICONTROL_H
#define ZENQUILL_TESTS_FAKEOCICONTROL_H

#ifdef __cplusplus
extern "C" {
#endif

// Forgets every call, script, column, row and handle.
void FakeOciReset(void);
int FakeOciCallCount(void);
const char* FakeOciCall(int index);
// Calls whose line starts with callPrefix return status: every such call when occurrence
// is 0, else only the occurrence-th one (counted from 1). The first matching script wins.
void FakeOciScriptStatus(const char* callPrefix, int occurrence, int status);
// The value OCIAttrGet reports for a statement attribute (type, row count, error offset)
// or the environment's character set id.
void FakeOciSetAttribute(unsigned attribute, unsigned value);
void FakeOciAddColumn(const char* name, unsigned displaySize);
// An attribute of the column added last (data type, data size, character size).
void FakeOciSetColumnAttribute(unsigned attribute, unsigned value);
// One row of the result every query returns; a null pointer is a database NULL.
void FakeOciAddRow(int count, const char* const* values);
// What OCIErrorGet reports; without one it answers OCI_NO_DATA.
void FakeOciSetErrorText(const char* text);
// Handles allocated and not yet freed.
int FakeOciLiveHandles(void);
// Calls given a handle that was never allocated, was freed, or is of the wrong type.
int FakeOciInvalidHandleUses(void);

#ifdef __cplusplus
}
#endif

#define ZQ_FAKE_OCI_CONTROLS(X)                                                                        \
  X(FakeOciReset)                                                                                      \
  X(FakeOciCallCount) X(FakeOciCall) X(FakeOciScriptStatus) X(FakeOciSetAttribute) X(FakeOciAddColumn) \
      X(FakeOciSetColumnAttribute) X(FakeOciAddRow) X(FakeOciSetErrorText) X(FakeOciLiveHandles)       \
          X(FakeOciInvalidHandleUses)

#endif
