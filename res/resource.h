// Numeric identifiers of Zenquill's resources, commands and dialog controls.
// Shared by Zenquill.rc and the C++ code; plain macros so that the resource compiler
// reads this file too.
#ifndef ZENQUILL_RES_RESOURCE_H
#define ZENQUILL_RES_RESOURCE_H

// The framework's own ids (application name, idle text, indicators, View and Help
// commands, toolbar resource type) come from here.
#include "../framework/FrameworkIds.h"

// Resources
#define IDD_ABOUTBOX 100
#define IDD_ZENQUILL_FORM 101
#define IDR_MAINFRAME 128  // menu, accelerators, toolbar, icon, document string
#define IDR_CONTEXT_MENU 129
#define IDD_START 137
#define IDB_SPLASH 139
#define IDD_CONNECT 140
#define IDD_CONFIGURATION 141
#define IDR_HAND_CURSOR 142
#define IDB_TREE_IMAGES 147
#define IDD_SUBSTITUTION 150

// Commands: File
#define ID_FILE_NEW 57600
#define ID_FILE_OPEN 57601
#define ID_FILE_SAVE 57603
#define ID_FILE_SAVE_AS 57604
#define ID_FILE_SAVE_XML 32817
#define ID_FILE_SAVE_CSV 32829

// Commands: Edit
#define ID_EDIT_COPY 57634
#define ID_EDIT_CUT 57635
#define ID_EDIT_PASTE 57637
#define ID_EDIT_SELECT_ALL 57642
#define ID_EDIT_UNDO 57643

// Commands: Database
#define ID_DATABASE_EXECUTE 32772
#define ID_DATABASE_CONNECT 32773
#define ID_DATABASE_DISCONNECT 32774
#define ID_DATABASE_EXECUTE_STATEMENT 32825
#define ID_DATABASE_CANCEL 32826

// Commands: Sql (history and templates)
#define ID_SQL_BACK 32789
#define ID_SQL_FORWARD 32790
#define ID_SQL_SELECT 32780
#define ID_SQL_INSERT 32781
#define ID_SQL_DELETE 32782
#define ID_SQL_CREATE_TABLE 32783
#define ID_SQL_DROP_TABLE 32784
#define ID_SQL_SELECT_VERSION 32808
#define ID_SQL_SELECT_TABLES 32809
#define ID_SQL_SELECT_COLUMNS 32810
#define ID_SQL_COMMIT 32812
#define ID_SQL_ROLLBACK 32814
#define ID_SQL_SELECT_COUNT 32815
#define ID_SQL_UPDATE 32816

// Commands: Links
#define ID_LINKS_HALVERN 32803
#define ID_LINKS_HALVERN_DOWNLOAD 32804
#define ID_LINKS_ORACLE 32805
#define ID_LINKS_ORACLE_TECHNET 32806
#define ID_LINKS_ORACLE_METALINK 32807
#define ID_LINKS_GOOGLE 32811

// Commands: Setup, View, Help
#define ID_SETUP_CONFIGURATION 32801
#define ID_APP_ABOUT 57664
#define ID_NEXT_PANE 57680
#define ID_PREV_PANE 57681

// Commands of the schema tree's context menu
#define ID_VIEW_DATA 32821
#define ID_REFRESH 32824
#define ID_COPY_ROWS 32827
#define ID_COPY_ROWS_HEADINGS 32828

// Workspace form 101
#define IDC_SQL_EDIT 1000
#define IDC_RESULT_LIST 1001
#define IDC_MESSAGE_LINE 1003
#define IDC_SCHEMA_TREE 1019

// Connect dialog 140
#define IDC_CONNECT_USER 1005
#define IDC_CONNECT_PASSWORD 1006
#define IDC_LOGIN_NORMAL 1007
#define IDC_LOGIN_SYSOPER 1008
#define IDC_LOGIN_SYSDBA 1009
#define IDC_CONNECT_DATABASE 1020

// Configuration dialog 141
#define IDC_CONFIG_AUTOCOMMIT 1012
#define IDC_CONFIG_SQL_SEPARATOR 1013
#define IDC_CONFIG_CREATE_XSL 1014
#define IDC_CONFIG_VIEW_XML 1015
#define IDC_CONFIG_PLSQL_SEPARATOR 1016

// Shared by the Connect and Configuration dialogs
#define IDC_HELP_BUTTON 1018

// Substitution variable dialog 150: one of the two edit boxes shows, the second for HIDE
#define IDC_SUBST_PROMPT 1030
#define IDC_SUBST_VALUE 1031
#define IDC_SUBST_HIDDEN 1032

// About box 100
#define IDC_ABOUT_LINK 1015
#define IDC_ABOUT_VERSION 1016
#define IDC_ABOUT_CHARSET 1017

#endif
