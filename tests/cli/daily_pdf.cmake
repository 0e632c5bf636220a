# The printed daily pages read back: morvel-solve --daily DATE --days 2
# --pdf FILE on the offscreen platform, then pdfinfo (two A4 pages a day)
# and pdftotext (the titles, the bodies' headings, the hourly figures the
# text page gives, the events table and the stars).
find_program(PDFINFO pdfinfo REQUIRED)
find_program(PDFTOTEXT pdftotext REQUIRED)
set(pdf ${WORK}/daily_pages.pdf)
file(REMOVE ${pdf})
execute_process(COMMAND ${PROGRAM} --daily 2026-12-07 --days 2 --pdf ${pdf}
                RESULT_VARIABLE status OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT status EQUAL 0 OR NOT out STREQUAL "" OR NOT err STREQUAL "")
  message(FATAL_ERROR "--pdf: exit ${status}, out '${out}', err '${err}'")
endif()
execute_process(COMMAND ${PDFINFO} ${pdf} OUTPUT_VARIABLE info RESULT_VARIABLE status)
if(NOT status EQUAL 0 OR NOT info MATCHES "Pages: +4\n" OR NOT info MATCHES "Page size: +595[.0-9]* x 841[.0-9]* pts \\(A4\\)|Page size: +595[.0-9]* x 842[.0-9]* pts \\(A4\\)")
  message(FATAL_ERROR "pdfinfo: ${info}")
endif()
execute_process(COMMAND ${PDFTOTEXT} -layout ${pdf} - OUTPUT_VARIABLE text RESULT_VARIABLE status)
# Aries at 0h, the Moon's GHA and v at 0h and its HP, the Sun's passage,
# Acamar's SHA, the twilight at 40 N: as the text page gives them.
foreach(want "2026 December 7, Monday \\(UT\\)" "2026 December 8, Tuesday \\(UT\\)" "ARIES" "VENUS" "SATURN"
             "075°47.0'" "207°15.3' +11.5 +23°12.3'S +8.0 +54.7" "Mer. Pass." "11:51" "Acamar +315°10.2' +40°11.8'S"
             "40 N +06:04 +06:38 +07:08 +16:35 +17:05 +17:39 +05:51 +15:08" "Moonrise" "Illuminated")
  if(NOT text MATCHES "${want}")
    message(FATAL_ERROR "pdftotext: '${want}' not found in\n${text}")
  endif()
endforeach()
