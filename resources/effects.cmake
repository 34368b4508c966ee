# The built-in sound effects: synthesised at build time by tools/effects and embedded under :/effects.
set(LEXIKITE_EFFECT_NAMES CLICK CLICKHOME CLICKGAME CORRECT INCORRECT CONGRATS LOOSE WIN)
set(LEXIKITE_EFFECTS_DIR ${CMAKE_CURRENT_BINARY_DIR}/effects)
set(LEXIKITE_EFFECT_FILES)
foreach(name ${LEXIKITE_EFFECT_NAMES})
    list(APPEND LEXIKITE_EFFECT_FILES ${LEXIKITE_EFFECTS_DIR}/${name}.wav)
endforeach()
# The command lives here, beside the resource that consumes it, so the build knows how to make the files.
add_custom_command(
    OUTPUT ${LEXIKITE_EFFECT_FILES}
    COMMAND ${CMAKE_COMMAND} -E make_directory ${LEXIKITE_EFFECTS_DIR}
    COMMAND lexikite_effects ${LEXIKITE_EFFECTS_DIR}
    DEPENDS lexikite_effects
    COMMENT "Synthesising the sound effects"
    VERBATIM)
qt_add_resources(lexikite_core "effects"
    PREFIX /effects
    BASE ${LEXIKITE_EFFECTS_DIR}
    FILES ${LEXIKITE_EFFECT_FILES})
