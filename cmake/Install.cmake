# Install rules: the program and its word material under lib/lexikite, links in bin, and the desktop's
# menu entry, metadata and icons under share.
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
        LEXIKITE_CMAKE_COMMAND="${CMAKE_COMMAND}"
        LEXIKITE_APP_ID="${LEXIKITE_APP_ID}"
        LEXIKITE_PROJECT_VERSION="${PROJECT_VERSION}"
        LEXIKITE_ICON_PNG_SIZES="${lexikite_png_sizes}"
        LEXIKITE_EXPECT_FILES=$<BOOL:$<TARGET_EXISTS:lexikite_wordpack_files>>
        LEXIKITE_EXPECT_WORDPACK_TOOL=$<BOOL:$<TARGET_EXISTS:lexikite-wordpack>>)
    # Everything it installs must be built before it runs.
    add_dependencies(packaging_tst_Install lexikite)
    foreach(target lexikite-wordpack lexikite_wordpack_files)
        if(TARGET ${target})
            add_dependencies(packaging_tst_Install ${target})
        endif()
    endforeach()
endif()
