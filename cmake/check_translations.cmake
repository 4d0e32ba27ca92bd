# Fails when the English translation lacks a text marked in the sources or leaves one unfinished:
# the texts are collected afresh into a copy of the .ts, where a missing text turns up unfinished.
file(REMOVE_RECURSE ${WORK_DIR})
file(MAKE_DIRECTORY ${WORK_DIR})
set(copy ${WORK_DIR}/check.ts)
file(COPY_FILE ${TS_FILE} ${copy})
execute_process(COMMAND ${LUPDATE} ${OPTIONS} ${FOLDERS} -ts ${copy}
    WORKING_DIRECTORY ${SOURCE_DIR} RESULT_VARIABLE rc OUTPUT_QUIET ERROR_VARIABLE err)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${err}")
endif()
file(READ ${copy} ts)
string(REGEX MATCHALL "type=\"unfinished\"" unfinished "${ts}")
list(LENGTH unfinished count)
if(count GREATER 0)
    # Their sources, as far as they are plain text.
    string(REGEX MATCHALL "<source>[^<]*</source>[ \t\r\n]*<translation type=\"unfinished\"" open
           "${ts}")
    string(REGEX REPLACE "</source>[ \t\r\n]*<translation type=\"unfinished\"" "" open "${open}")
    string(REPLACE ";" "\n" open "${open}")
    message(FATAL_ERROR "${count} text(s) without an English translation "
                        "(cmake --build build --target kz_update_translations, then translate):\n${open}")
endif()
message(STATUS "Every marked text has its English translation")
