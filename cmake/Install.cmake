# Install rules: the program and its word material under lib/lexikite, links in bin, and the desktop's
# menu entry, metadata and icons, the manual pages and the Debian changelog under share.
set(LEXIKITE_APP_ID org.brightmoor.Lexikite)
# The program finds files/ beside its own executable, so both live in one private folder.
set(LEXIKITE_INSTALL_PKGDIR lib/lexikite)
set(LEXIKITE_PACKAGING_DIR ${CMAKE_SOURCE_DIR}/packaging)

install(TARGETS lexikite RUNTIME DESTINATION ${LEXIKITE_INSTALL_PKGDIR})

# Relative links survive DESTDIR staging (the Debian package) and a moved prefix.
set(lexikite_link_dir ${CMAKE_BINARY_DIR}/install-links)
file(MAKE_DIRECTORY ${lexikite_link_dir})
function(lexikite_install_bin_link name)
    file(CREATE_LINK ../${LEXIKITE_INSTALL_PKGDIR}/${name} ${lexikite_link_dir}/${name} SYMBOLIC)
    install(FILES ${lexikite_link_dir}/${name} DESTINATION bin)
endfunction()
lexikite_install_bin_link(lexikite)

# The word-pack tool writes into the files/ beside itself, so it sits beside the program too.
if(TARGET lexikite-wordpack)
    install(TARGETS lexikite-wordpack RUNTIME DESTINATION ${LEXIKITE_INSTALL_PKGDIR})
    lexikite_install_bin_link(lexikite-wordpack)
endif()

# The word material made at build time; without the generator in the tree a hand-made files/ in the
# build folder is taken when there is one.
set(LEXIKITE_FILES_DIR ${CMAKE_BINARY_DIR}/files CACHE PATH "Word material installed beside the program")
if(TARGET lexikite_wordpack_files)
    install(DIRECTORY ${LEXIKITE_FILES_DIR}/ DESTINATION ${LEXIKITE_INSTALL_PKGDIR}/files)
else()
    install(DIRECTORY ${LEXIKITE_FILES_DIR}/ DESTINATION ${LEXIKITE_INSTALL_PKGDIR}/files OPTIONAL)
endif()

install(FILES ${LEXIKITE_PACKAGING_DIR}/${LEXIKITE_APP_ID}.desktop DESTINATION share/applications)
install(FILES ${LEXIKITE_PACKAGING_DIR}/${LEXIKITE_APP_ID}.metainfo.xml DESTINATION share/metainfo)
install(FILES ${LEXIKITE_PACKAGING_DIR}/copyright DESTINATION share/doc/lexikite)

# The Debian changelog and the manual pages are made from their sources in packaging/ and installed
# gzipped; -n leaves out the name and time stamp, so the same sources give the same bytes.
set(LEXIKITE_CHANGELOG ${LEXIKITE_PACKAGING_DIR}/changelog)
set(LEXIKITE_MAN_DIR ${CMAKE_BINARY_DIR}/man)
set(lexikite_changelog_gz ${CMAKE_BINARY_DIR}/packaging/changelog.Debian.gz)
find_program(GZIP_PROGRAM gzip REQUIRED)
add_custom_command(OUTPUT ${lexikite_changelog_gz}
    COMMAND ${CMAKE_COMMAND} -E copy ${LEXIKITE_CHANGELOG} ${CMAKE_BINARY_DIR}/packaging/changelog.Debian
    COMMAND ${GZIP_PROGRAM} -9nf ${CMAKE_BINARY_DIR}/packaging/changelog.Debian
    DEPENDS ${LEXIKITE_CHANGELOG}
    VERBATIM)
set(lexikite_doc_outputs ${lexikite_changelog_gz})
install(FILES ${lexikite_changelog_gz} DESTINATION share/doc/lexikite)
install(FILES ${LEXIKITE_PACKAGING_DIR}/lintian-overrides DESTINATION share/lintian/overrides RENAME lexikite)

set(LEXIKITE_MAN_PAGES lexikite.6)
if(TARGET lexikite-wordpack)
    list(APPEND LEXIKITE_MAN_PAGES lexikite-wordpack.1)
endif()
find_program(SCDOC_PROGRAM scdoc)
if(SCDOC_PROGRAM)
    # A page is dated by the latest changelog entry, not by the day it was built.
    set(lexikite_man_env "")
    find_program(DPKG_PARSECHANGELOG_PROGRAM dpkg-parsechangelog)
    if(DPKG_PARSECHANGELOG_PROGRAM)
        execute_process(COMMAND ${DPKG_PARSECHANGELOG_PROGRAM} -l ${LEXIKITE_CHANGELOG} -S Timestamp
            OUTPUT_VARIABLE lexikite_release_epoch OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
        if(lexikite_release_epoch MATCHES "^[0-9]+$")
            set(lexikite_man_env SOURCE_DATE_EPOCH=${lexikite_release_epoch})
        endif()
        set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS ${LEXIKITE_CHANGELOG})
    endif()
    foreach(page IN LISTS LEXIKITE_MAN_PAGES)
        string(REGEX MATCH "[0-9]+$" section ${page})
        set(source ${LEXIKITE_MAN_DIR}/${page}.scd)
        configure_file(${LEXIKITE_PACKAGING_DIR}/man/${page}.scd ${source} @ONLY)
        add_custom_command(OUTPUT ${LEXIKITE_MAN_DIR}/${page} ${LEXIKITE_MAN_DIR}/${page}.gz
            COMMAND ${CMAKE_COMMAND} -E env ${lexikite_man_env}
                    sh -c "\"$0\" < \"$1\" > \"$2\"" ${SCDOC_PROGRAM} ${source} ${LEXIKITE_MAN_DIR}/${page}
            COMMAND ${GZIP_PROGRAM} -9nkf ${LEXIKITE_MAN_DIR}/${page}
            DEPENDS ${source}
            COMMENT "Making the manual page ${page}"
            VERBATIM)
        list(APPEND lexikite_doc_outputs ${LEXIKITE_MAN_DIR}/${page}.gz)
        install(FILES ${LEXIKITE_MAN_DIR}/${page}.gz DESTINATION share/man/man${section})
    endforeach()
else()
    message(WARNING "scdoc not found (scripts/setup installs it): no manual pages are made or installed")
endif()
add_custom_target(lexikite_docs ALL DEPENDS ${lexikite_doc_outputs})

# Icons: the program's drawn icon (icon.svg and icon-<size>.png in LEXIKITE_ICON_DIR, made at build
# time by the artwork generator) or, without it, the plain kite in packaging/ as a scalable icon.
set(LEXIKITE_ICON_SIZES 16 24 32 48 64 128 256)
if(NOT LEXIKITE_ICON_DIR)
    get_property(LEXIKITE_ICON_DIR GLOBAL PROPERTY LEXIKITE_ICON_DIR)
endif()
if(NOT LEXIKITE_ICON_DIR AND TARGET lexikite-artwork)
    set(LEXIKITE_ICON_DIR ${CMAKE_BINARY_DIR}/art)
endif()
set(lexikite_hicolor share/icons/hicolor)
if(LEXIKITE_ICON_DIR)
    foreach(size IN LISTS LEXIKITE_ICON_SIZES)
        install(FILES ${LEXIKITE_ICON_DIR}/icon-${size}.png
                DESTINATION ${lexikite_hicolor}/${size}x${size}/apps RENAME ${LEXIKITE_APP_ID}.png)
    endforeach()
    install(FILES ${LEXIKITE_ICON_DIR}/icon.svg
            DESTINATION ${lexikite_hicolor}/scalable/apps RENAME ${LEXIKITE_APP_ID}.svg)
else()
    install(FILES ${LEXIKITE_PACKAGING_DIR}/lexikite.svg
            DESTINATION ${lexikite_hicolor}/scalable/apps RENAME ${LEXIKITE_APP_ID}.svg)
endif()

# The install test installs this very build; it learns where from here.
if(TARGET packaging_tst_Install)
    if(LEXIKITE_ICON_DIR)
        set(lexikite_png_sizes "${LEXIKITE_ICON_SIZES}")
    else()
        set(lexikite_png_sizes "")
    endif()
    string(REPLACE ";" "," lexikite_png_sizes "${lexikite_png_sizes}")
    target_compile_definitions(packaging_tst_Install PRIVATE
        LEXIKITE_BUILD_DIR="${CMAKE_BINARY_DIR}"
        LEXIKITE_SOURCE_DIR="${CMAKE_SOURCE_DIR}"
        LEXIKITE_CMAKE_COMMAND="${CMAKE_COMMAND}"
        LEXIKITE_APP_ID="${LEXIKITE_APP_ID}"
        LEXIKITE_PROJECT_VERSION="${PROJECT_VERSION}"
        LEXIKITE_ICON_PNG_SIZES="${lexikite_png_sizes}"
        LEXIKITE_EXPECT_FILES=$<BOOL:$<TARGET_EXISTS:lexikite_wordpack_files>>
        LEXIKITE_EXPECT_WORDPACK_TOOL=$<BOOL:$<TARGET_EXISTS:lexikite-wordpack>>
        LEXIKITE_EXPECT_MAN_PAGES=$<BOOL:${SCDOC_PROGRAM}>)
    # Everything it installs must be built before it runs.
    add_dependencies(packaging_tst_Install lexikite lexikite_docs)
    foreach(target lexikite-wordpack lexikite_wordpack_files)
        if(TARGET ${target})
            add_dependencies(packaging_tst_Install ${target})
        endif()
    endforeach()
endif()
