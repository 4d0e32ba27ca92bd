# Run by CPack between staging the installed files and packing them: a game's programs belong in
# /usr/games, so the staged bin/ becomes games/. A user-prefix `cmake --install` keeps bin/.
set(staged "${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}")
if(NOT IS_DIRECTORY "${staged}/bin")
    message(FATAL_ERROR "No staged programs in ${staged}/bin")
endif()
file(RENAME "${staged}/bin" "${staged}/games")

# CPack's stripping keeps the compiler's comment section, which no program needs.
file(GLOB programs "${staged}/games/*")
foreach(program IN LISTS programs)
    execute_process(COMMAND "${CPACK_KZ_STRIP}" --remove-section=.comment --remove-section=.note
                            "${program}"
                    COMMAND_ERROR_IS_FATAL ANY)
endforeach()
