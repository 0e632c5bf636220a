# morvel-solve --gpx: its routes valid against the GPX 1.1 schema (no xmllint
# fails: it does not skip); a target it cannot replace: exit 2, nothing left.
find_program(XMLLINT xmllint REQUIRED)
set(dir ${WORK}/gpx-test)
file(REMOVE_RECURSE ${dir})
file(MAKE_DIRECTORY ${dir}/taken)
foreach(route "--from;33S 71.6W;--to;31.4N 121.8E" "--from;34S 18E;--to;43S 147E;--limit-lat;50S"
              "--from-lat;40N;--from-lon;179.99999999E;--to-lat;50N;--distance;2000")  # 180 is -180
  file(REMOVE ${dir}/route.gpx)
  execute_process(COMMAND ${PROGRAM} ${route} --waypoints 5 --gpx ${dir}/route.gpx RESULT_VARIABLE status OUTPUT_QUIET)
  execute_process(COMMAND ${XMLLINT} --noout --schema ${SCHEMA} ${dir}/route.gpx RESULT_VARIABLE valid)
  if(NOT status EQUAL 0 OR NOT valid EQUAL 0)
    message(FATAL_ERROR "morvel-solve ${route}: exit ${status}, xmllint ${valid}")
  endif()
endforeach()
execute_process(COMMAND ${PROGRAM} --from "40N 10W" --to "45N 20W" --waypoints 5 --gpx ${dir}/taken
                RESULT_VARIABLE status ERROR_VARIABLE err)
file(GLOB left RELATIVE ${dir} ${dir}/*)
if(NOT status EQUAL 2 OR NOT err MATCHES "cannot write" OR NOT left STREQUAL "route.gpx;taken")
  message(FATAL_ERROR "a directory as the target: exit ${status}, '${err}', left ${left}")
endif()

# morvel-solve --sights --gpx: the fix as a waypoint, valid too; without a
# fix nothing is written (exit 1).
get_filename_component(golden ${SCHEMA} DIRECTORY)
set(golden ${golden}/../golden)
foreach(log sight_log.csv sight_log_blunder.csv)
  file(REMOVE ${dir}/fix.gpx)
  execute_process(COMMAND ${PROGRAM} --sights ${golden}/${log} --gpx ${dir}/fix.gpx RESULT_VARIABLE status OUTPUT_QUIET)
  execute_process(COMMAND ${XMLLINT} --noout --schema ${SCHEMA} ${dir}/fix.gpx RESULT_VARIABLE valid)
  file(READ ${dir}/fix.gpx document)
  # The blunder's log has a line refused (exit 2) and a fix all the same.
  if(status EQUAL 1 OR NOT valid EQUAL 0 OR NOT document MATCHES "<name>FIX [0-9][0-9][0-9][0-9]Z</name>")
    message(FATAL_ERROR "morvel-solve --sights ${log} --gpx: exit ${status}, xmllint ${valid}")
  endif()
endforeach()
file(REMOVE ${dir}/fix.gpx)
file(WRITE ${dir}/none.csv "utc,body,limb,hs,ic,eye,temp,pressure,dr_lat,dr_lon\n")
execute_process(COMMAND ${PROGRAM} --sights ${dir}/none.csv --gpx ${dir}/fix.gpx RESULT_VARIABLE status
                OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT status EQUAL 1 OR EXISTS ${dir}/fix.gpx OR NOT err MATCHES "no fix, nothing written")
  message(FATAL_ERROR "no fix: exit ${status}, '${err}'")
endif()
