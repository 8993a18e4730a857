# The same commit gives the same program bytes wherever and whenever it is built.
#
# The link time stamp is SOURCE_DATE_EPOCH: taken from the environment when given,
# else the time of the commit being built, else a fixed date (a tree without git).
# It is worked out at every configure, so a new commit gets its own stamp.
set(_epoch "$ENV{SOURCE_DATE_EPOCH}")
if(_epoch STREQUAL "")
  find_package(Git QUIET)
  if(GIT_FOUND)
    execute_process(COMMAND ${GIT_EXECUTABLE} log -1 --format=%ct
                    WORKING_DIRECTORY ${CMAKE_SOURCE_DIR}
                    OUTPUT_VARIABLE _epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  endif()
  if(_epoch STREQUAL "")
    set(_epoch 1767225600) # 2026-01-01 00:00 UTC
  endif()
endif()
if(NOT _epoch MATCHES "^[0-9]+$" OR _epoch GREATER 4294967295)
  message(FATAL_ERROR "SOURCE_DATE_EPOCH must be seconds since 1970 that fit a PE time stamp, not \"${_epoch}\"")
endif()
set(VOTAROO_SOURCE_DATE_EPOCH ${_epoch})

# The linker stamps the PE header with SOURCE_DATE_EPOCH when it finds it in its environment.
foreach(_lang C CXX)
  set(CMAKE_${_lang}_LINKER_LAUNCHER ${CMAKE_COMMAND} -E env SOURCE_DATE_EPOCH=${VOTAROO_SOURCE_DATE_EPOCH})
endforeach()

# File names the compiler records (__FILE__ in the trace lines, assertions) are taken
# relative to the source tree, the build tree's relative to it, so no folder of the
# build machine ends up in a program; -Wdate-time keeps the clock out as well.
add_compile_options(
  "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}/=>"
  "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}/=>"
  "$<$<COMPILE_LANGUAGE:C,CXX>:-Wdate-time>")

# The version, from project(): the version resources, the About box and the zip's name.
configure_file(${CMAKE_CURRENT_LIST_DIR}/VotarooVersion.h.in ${CMAKE_BINARY_DIR}/generated/VotarooVersion.h @ONLY)
# The manifest both programs carry names their version too.
configure_file(${CMAKE_SOURCE_DIR}/resources/votaroo.manifest.in ${CMAKE_BINARY_DIR}/generated/votaroo.manifest @ONLY)
include_directories(${CMAKE_BINARY_DIR}/generated)
