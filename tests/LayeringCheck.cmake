# Builds each of TARGETS (comma-separated), a file that includes the header of
# the same place in HEADERS from a layer that must not see it; each build must
# fail for want of that header, and for nothing else.
string(REPLACE "," ";" targets "${TARGETS}")
string(REPLACE "," ";" headers "${HEADERS}")
set(failures "")
list(LENGTH targets count)
math(EXPR last "${count} - 1")
foreach(index RANGE ${last})
  list(GET targets ${index} target)
  list(GET headers ${index} header)
  execute_process(COMMAND ${CMAKE_COMMAND} --build ${BUILD_DIR} --target ${target}
    RESULT_VARIABLE result OUTPUT_VARIABLE output ERROR_VARIABLE output)
  string(FIND "${output}" "${header}: No such file" missing)
  if(result EQUAL 0)
    string(APPEND failures "${target}: ${header} is visible\n")
  elseif(missing EQUAL -1)
    string(APPEND failures "${target} failed otherwise:\n${output}\n")
  endif()
endforeach()
if(failures)
  message(FATAL_ERROR "${failures}")
endif()
message(STATUS "${count} folders out of sight")
