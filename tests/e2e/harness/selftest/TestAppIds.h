// Ids shared by the harness's test program and the tests that drive it.
#ifndef ZENQUILL_TESTS_E2E_HARNESS_SELFTEST_TESTAPPIDS_H
#define ZENQUILL_TESTS_E2E_HARNESS_SELFTEST_TESTAPPIDS_H

#define IDR_TESTAPP 100
#define IDD_TESTAPP_DIALOG 100

#define IDC_NOTE 1000
#define IDC_LIST 1001
#define IDC_TREE 1002
#define IDC_COMBO 1003
#define IDC_PANEL 1004
#define IDC_NESTED 1005
#define IDC_DIALOG_TEXT 1100

#define ID_OPEN_DIALOG 101
#define ID_EXIT 102
#define ID_UNDO 201
#define ID_WRAP 202
#define ID_DEEP 211
#define ID_REFRESH 301

#endif
