# Installs the build into a fresh prefix and checks what a user gets: the file list, the desktop
# entry and the metainfo (with their validators), and the installed game's command line.
#
#   cmake -DBUILD=<build folder> -DPREFIX=<empty folder to install into> -DAPP_ID=<id> -P ...
cmake_minimum_required(VERSION 3.22)

function(fail)
    message(FATAL_ERROR ${ARGN})
endfunction()

foreach(tool desktop-file-validate appstreamcli)
    find_program(found_${tool} ${tool})
    if(NOT found_${tool})
        message("SKIP: ${tool} is missing (scripts/lib.sh installs it)")
        return()
    endif()
endforeach()

file(REMOVE_RECURSE ${PREFIX})
execute_process(COMMAND ${CMAKE_COMMAND} --install ${BUILD} --prefix ${PREFIX}
                RESULT_VARIABLE rc OUTPUT_QUIET)
if(NOT rc EQUAL 0)
    fail("cmake --install failed: ${rc}")
endif()

set(expected
    bin/kzsorawa
    bin/kzsorawa-engine
    share/applications/${APP_ID}.desktop
    share/doc/kzsorawa/changelog.gz
    share/doc/kzsorawa/copyright
    share/icons/hicolor/128x128/apps/${APP_ID}.png
    share/icons/hicolor/256x256/apps/${APP_ID}.png
    share/icons/hicolor/48x48/apps/${APP_ID}.png
    share/icons/hicolor/64x64/apps/${APP_ID}.png
    share/kzsorawa/BGM.wav
    share/kzsorawa/clock_tick.wav
    share/kzsorawa/time_up.wav
    share/kzsorawa/その他.wav
    share/kzsorawa/中国将棋打音.wav
    share/kzsorawa/消滅.wav
    share/kzsorawa/禁止.wav
    share/kzsorawa/駒打音.wav
    share/man/man6/kzsorawa-engine.6.gz
    share/man/man6/kzsorawa.6.gz
    share/metainfo/${APP_ID}.metainfo.xml)
file(GLOB_RECURSE installed RELATIVE ${PREFIX} ${PREFIX}/*)
list(SORT installed)
list(SORT expected)
if(NOT installed STREQUAL expected)
    string(REPLACE ";" "\n  " got "${installed}")
    string(REPLACE ";" "\n  " want "${expected}")
    fail("installed files differ\ngot:\n  ${got}\nwanted:\n  ${want}")
endif()

# Each icon is a PNG of its own size.
foreach(size 48 64 128 256)
    file(READ ${PREFIX}/share/icons/hicolor/${size}x${size}/apps/${APP_ID}.png head LIMIT 24 HEX)
    string(SUBSTRING "${head}" 0 16 magic)
    string(SUBSTRING "${head}" 32 16 dims)
    string(SUBSTRING "${dims}" 0 8 wHex)
    string(SUBSTRING "${dims}" 8 8 hHex)
    math(EXPR w "0x${wHex}")
    math(EXPR h "0x${hHex}")
    if(NOT magic STREQUAL "89504e470d0a1a0a" OR NOT w EQUAL size OR NOT h EQUAL size)
        fail("icon ${size}: not a ${size}x${size} PNG (${magic} ${w}x${h})")
    endif()
endforeach()

execute_process(COMMAND desktop-file-validate ${PREFIX}/share/applications/${APP_ID}.desktop
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "")
    fail("desktop-file-validate: ${out}")
endif()
execute_process(COMMAND appstreamcli validate --no-net
                        ${PREFIX}/share/metainfo/${APP_ID}.metainfo.xml
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
if(NOT rc EQUAL 0)
    fail("appstreamcli validate: ${out}")
endif()

# The installed game's command line: a usage, its version, and status 2 for what it does not
# understand.
set(game ${PREFIX}/bin/kzsorawa)
execute_process(COMMAND ${game} --help RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out MATCHES "--version")
    fail("--help: ${rc} ${out}")
endif()
execute_process(COMMAND ${game} --version RESULT_VARIABLE rc OUTPUT_VARIABLE out)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "KZ ソラワ 1.0\n")
    fail("--version: ${rc} '${out}'")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ${game} --bogus
                RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE err)
if(NOT rc EQUAL 2 OR NOT out STREQUAL "" OR NOT err MATCHES "--bogus" OR NOT err MATCHES "--help")
    fail("a bad option: ${rc} '${out}' '${err}'")
endif()
# Started from another folder with an empty home, the installed game writes its settings under
# that home, and a request to end (SIGTERM) ends it.
set(home ${PREFIX}-home)
file(REMOVE_RECURSE ${home})
file(MAKE_DIRECTORY ${home})
execute_process(COMMAND ${CMAKE_COMMAND} -E env --unset=XDG_CONFIG_HOME HOME=${home}
                        QT_QPA_PLATFORM=offscreen SDL_AUDIODRIVER=dummy
                        timeout -k 10 -s TERM 3 ${game}
                WORKING_DIRECTORY ${home} RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
if(NOT rc EQUAL 124)
    fail("the installed game did not end at SIGTERM (${rc})")
endif()
# A copy ended by a signal leaves its lock beside the settings (the next start takes it over).
file(GLOB_RECURSE written RELATIVE ${home} ${home}/*)
list(REMOVE_ITEM written ".config/kzsorawa/KZソラワ.lock")
if(NOT written STREQUAL ".config/kzsorawa/KZソラワ.ini")
    fail("the installed game wrote '${written}' under its home")
endif()
file(REMOVE_RECURSE ${home})
message("installed into ${PREFIX}: ${expected}")
