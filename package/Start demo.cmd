@echo off
rem Starts Zenquill on the demo database. This folder becomes the current directory, so
rem the program loads the demo's oci.dll and keeps its settings here, and the demo's
rem Oracle home (network\admin\tnsnames.ora) offers the alias DEMO. A real Oracle client
rem and its registry entries are not touched.
cd /d "%~dp0"
set "ZENQUILL_ORACLE_HOME=%CD%"
start "" "..\zenquill.exe"
