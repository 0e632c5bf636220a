# A golden run of morvel-solve: GOLDEN names a file whose first line is the
# command ("$ morvel-solve ARGS", quoted as in a shell) and whose rest is the
# expected standard output, then standard error, then "[exit N]" when the
# status is not 0.
# A file beside it with the same stem and .csv is the standard input.
file(READ ${GOLDEN} golden)
string(FIND "${golden}" "\n" eol)
string(SUBSTRING "${golden}" 0 ${eol} command)
math(EXPR rest "${eol} + 1")
string(SUBSTRING "${golden}" ${rest} -1 expected)
string(REGEX REPLACE "^\\$ morvel-solve ?" "" command "${command}")
separate_arguments(args UNIX_COMMAND "${command}")

get_filename_component(dir ${GOLDEN} DIRECTORY)
get_filename_component(stem ${GOLDEN} NAME_WE)
set(input /dev/null)
if(EXISTS ${dir}/${stem}.csv)
  set(input ${dir}/${stem}.csv)
endif()
execute_process(COMMAND ${PROGRAM} ${args} INPUT_FILE ${input} WORKING_DIRECTORY ${dir}
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status)
string(APPEND out "${err}")
if(NOT status EQUAL 0)
  string(APPEND out "[exit ${status}]\n")
endif()
if(NOT out STREQUAL expected)
  message(FATAL_ERROR "${GOLDEN}: morvel-solve ${command}\n--- expected\n${expected}--- got\n${out}--- stderr\n${err}")
endif()
