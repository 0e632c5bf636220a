# Runs the scenario runner over files that must fail and compares what it
# prints with expected.txt beside them (paths shown relative to DIR).
file(GLOB files ${DIR}/*.scn)
list(SORT files)
execute_process(COMMAND ${RUNNER} ${files} WORKING_DIRECTORY ${DIR}
                OUTPUT_VARIABLE out RESULT_VARIABLE rc)
string(REPLACE "${DIR}/" "" out "${out}")
file(READ ${DIR}/expected.txt want)
if(rc EQUAL 0)
  message(FATAL_ERROR "the runner passed files that must fail:\n${out}")
endif()
if(NOT out STREQUAL want)
  message(FATAL_ERROR "runner output differs from expected.txt:\n--- got\n${out}--- expected\n${want}")
endif()
