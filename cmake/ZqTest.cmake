# GoogleTest from Debian's sources, built with this tree's flags (sanitizers, MinGW).
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL)

# Environment every Windows test runs in: the build tree's own Wine prefix.
set(ZQ_WINE_ENV "WINEPREFIX=${CMAKE_BINARY_DIR}/wineprefix;WINEARCH=win32;WINEDEBUG=-all")

# zq_add_gtest(NAME SOURCES ... [LIBS ...] [WORKDIR dir] [ENV k=v ...])
# One test executable, registered as one CTest test. WORKDIR is where it runs:
# tests that load ".\oci.dll" run in the folder that holds the library they want.
function(zq_add_gtest name)
  cmake_parse_arguments(T "" "WORKDIR" "SOURCES;LIBS;ENV" ${ARGN})
  add_executable(${name} ${T_SOURCES})
  target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest_main)
  if(WIN32)
    target_link_options(${name} PRIVATE -mconsole)
  endif()
  if(NOT T_WORKDIR)
    set(T_WORKDIR ${CMAKE_CURRENT_BINARY_DIR})
  endif()
  add_test(NAME ${name} COMMAND ${name} WORKING_DIRECTORY ${T_WORKDIR})
  set(env ${T_ENV})
  if(WIN32)
    list(APPEND env ${ZQ_WINE_ENV})
  endif()
  if(env)
    set_tests_properties(${name} PROPERTIES ENVIRONMENT "${env}")
  endif()
endfunction()

# zq_oci_library(TARGET DIR): put a client library built from TARGET into DIR as
# "oci.dll" (also natively: the binding loads "./oci.dll" on every platform).
function(zq_oci_library target dir)
  set_target_properties(${target} PROPERTIES
    OUTPUT_NAME oci PREFIX "" SUFFIX ".dll"
    RUNTIME_OUTPUT_DIRECTORY ${dir} LIBRARY_OUTPUT_DIRECTORY ${dir} ARCHIVE_OUTPUT_DIRECTORY ${dir})
  if(WIN32)
    # Bare export names, no import library needed by anyone.
    target_link_options(${target} PRIVATE -Wl,--kill-at)
  endif()
endfunction()
