# The SQLite amalgamation, fetched by scripts/fetch-sqlite into .cache/ (never committed).
set(ZQ_SQLITE_DIR ${CMAKE_SOURCE_DIR}/.cache/sqlite-12.4.1 CACHE PATH "SQLite amalgamation folder")
if(NOT EXISTS ${ZQ_SQLITE_DIR}/sqlite3.c)
  execute_process(COMMAND ${CMAKE_SOURCE_DIR}/scripts/fetch-sqlite RESULT_VARIABLE rc)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "SQLite amalgamation missing: run scripts/setup")
  endif()
endif()
add_library(zq_sqlite STATIC ${ZQ_SQLITE_DIR}/sqlite3.c)
target_include_directories(zq_sqlite SYSTEM PUBLIC ${ZQ_SQLITE_DIR})
# Oracle allows far wider select lists than SQLite's default of 2,000 columns.
target_compile_definitions(zq_sqlite PUBLIC SQLITE_THREADSAFE=1 SQLITE_OMIT_LOAD_EXTENSION SQLITE_DQS=0 SQLITE_MAX_COLUMN=32767
  SQLITE_ENABLE_COLUMN_METADATA)
set_target_properties(zq_sqlite PROPERTIES POSITION_INDEPENDENT_CODE ON)
# SQLite is not ours to sanitize, and an instrumented copy makes every ocilite test crawl.
target_compile_options(zq_sqlite PRIVATE -w -O2 -fno-sanitize=all)
