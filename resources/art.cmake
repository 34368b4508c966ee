# The program's pictures: drawn at build time by lexikite-artwork and embedded under :/art/.
# src/app/ArtPaths.h is the one list of pictures; the generator draws exactly those.
set(LEXIKITE_ART_DIR ${CMAKE_BINARY_DIR}/art)
set(LEXIKITE_ART_LIST ${CMAKE_SOURCE_DIR}/src/app/ArtPaths.h)
set(LEXIKITE_EMOJI_DIR ${CMAKE_SOURCE_DIR}/node_modules/@twemoji/svg)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${LEXIKITE_ART_LIST})

set(art_pattern "\":/art/([^\"]+)\", *[0-9]+, *[0-9]+, *(true|false)")
file(STRINGS ${LEXIKITE_ART_LIST} art_lines REGEX "${art_pattern}")
set(art_files)
foreach(line IN LISTS art_lines)
    string(REGEX MATCH "${art_pattern}" art_match "${line}")
    list(APPEND art_files ${LEXIKITE_ART_DIR}/${CMAKE_MATCH_1})
    if(CMAKE_MATCH_2 STREQUAL "true")
        string(REGEX REPLACE "\\.png$" "@2x.png" art_double "${CMAKE_MATCH_1}")
        list(APPEND art_files ${LEXIKITE_ART_DIR}/${art_double})
    endif()
endforeach()

if(NOT EXISTS ${LEXIKITE_EMOJI_DIR})
    message(WARNING "${LEXIKITE_EMOJI_DIR} is missing (scripts/setup installs it): "
                    "the subject pictures will show plain discs until it is there")
endif()
# The emoji package can arrive after configuring (npm ci); a stamp that changes only with the
# installed package's manifest reruns the generator then, and not on every build.
set(art_emoji_stamp ${LEXIKITE_ART_DIR}/emoji.stamp)
add_custom_target(lexikite_art_emoji_stamp
    COMMAND ${CMAKE_COMMAND} -DEMOJI_DIR=${LEXIKITE_EMOJI_DIR} -DSTAMP=${art_emoji_stamp}
            -P ${CMAKE_SOURCE_DIR}/tools/artwork/emoji-stamp.cmake
    BYPRODUCTS ${art_emoji_stamp}
    COMMENT "" VERBATIM)

add_custom_command(OUTPUT ${art_files}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:lexikite-artwork> ${LEXIKITE_ART_DIR} ${LEXIKITE_EMOJI_DIR}
            ${CMAKE_SOURCE_DIR}/tools/artwork/icon.svg
    DEPENDS lexikite-artwork ${CMAKE_SOURCE_DIR}/tools/artwork/icon.svg ${art_emoji_stamp}
    COMMENT "Drawing the program's pictures"
    VERBATIM)

qt_add_resources(lexikite_core "art" PREFIX /art BASE ${LEXIKITE_ART_DIR} FILES ${art_files})
