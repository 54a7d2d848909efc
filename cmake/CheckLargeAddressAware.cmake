# Run after linking: fails the build unless the executable's header says it is large-address-
# aware (on 64-bit Windows a 32-bit program then gets 4 GB of address space instead of 2).
# Arguments: -DOBJDUMP=<objdump> -DEXECUTABLE=<file>.
execute_process(COMMAND ${OBJDUMP} -p ${EXECUTABLE} OUTPUT_VARIABLE headers RESULT_VARIABLE status)
if(NOT status EQUAL 0)
  message(FATAL_ERROR "${OBJDUMP} could not read ${EXECUTABLE}")
endif()
if(NOT headers MATCHES "large address aware")
  message(FATAL_ERROR "${EXECUTABLE} is not large-address-aware")
endif()
