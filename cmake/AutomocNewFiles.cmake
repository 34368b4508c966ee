# With Ninja, automoc only reruns when a file it already knows changes, so a newly globbed header with
# Q_OBJECT would go unseen. When a target's globbed list changes, drop its stamp so automoc runs again.
function(lexikite_rescan_automoc_on_new_files target)
    get_target_property(sources ${target} SOURCES)
    get_target_property(binary_dir ${target} BINARY_DIR)
    string(SHA256 hash "${sources}")
    if(NOT hash STREQUAL "${LEXIKITE_AUTOMOC_SEEN_${target}}")
        file(REMOVE ${binary_dir}/${target}_autogen/timestamp)
        set(LEXIKITE_AUTOMOC_SEEN_${target} ${hash} CACHE INTERNAL "")
    endif()
endfunction()
