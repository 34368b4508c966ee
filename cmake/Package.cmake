# The Debian package: `cpack -G DEB` in a Release build folder makes lexikite_<version>-1_<arch>.deb
# from the install rules, with dependencies read from the libraries the executables link.
set(CPACK_PACKAGE_NAME lexikite)
set(CPACK_PACKAGE_VENDOR "Brightmoor Learning")
set(CPACK_PACKAGE_CONTACT "Brightmoor Learning <hello@brightmoor-learning.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Learn English words with pictures, sounds and six games")
# Debian wants the long description in lines of at most 80 characters; an empty line parts paragraphs.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
    "Lexikite is a vocabulary and phonics game for children and beginners"
    "learning English. It shows pictures of everyday things, speaks their names,"
    "and offers six short games for each of 28 subjects: listening, choose the"
    "word, flash cards, hidden letters, mixed letters and memory."
    ""
    "Won rounds add points to a running score, and the best score of each"
    "subject is kept between runs. A setting chooses British or American"
    "English. The word-pack tool lexikite-wordpack checks the word material and"
    "adds a parent's or a teacher's own photos to it.")
set(CPACK_PACKAGE_HOMEPAGE_URL "${LEXIKITE_WEB_BASE}")
if(NOT CPACK_GENERATOR)
    set(CPACK_GENERATOR DEB)
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# `lexikite-wordpack add` speaks each new word and encodes it to MP3; the games need neither.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "flite, lame")
# CPack's own dependency pass runs `file` once per packaged file, some 1 200 of them in the word
# material (two thirds of the packing time); DebianDepends.cmake asks dpkg-shlibdeps about the two
# executables alone.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS OFF)
set(CPACK_PRE_BUILD_SCRIPTS ${CMAKE_SOURCE_DIR}/cmake/DebianDepends.cmake)

if(LEXIKITE_SANITIZE)
    message(STATUS "Packaging a sanitizer build: the package will depend on the sanitizer runtimes")
endif()

include(CPack)

# The install test packs this build too and checks the package's changelog against its version.
if(TARGET packaging_tst_Install)
    target_compile_definitions(packaging_tst_Install PRIVATE
        LEXIKITE_CPACK_COMMAND="${CMAKE_CPACK_COMMAND}"
        LEXIKITE_PACKAGE_VERSION="${CPACK_PACKAGE_VERSION}-${CPACK_DEBIAN_PACKAGE_RELEASE}")
endif()
