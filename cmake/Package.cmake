# The Debian package: `cpack -G DEB` in a Release build folder makes lexikite_<version>-1_<arch>.deb
# from the install rules, with dependencies read from the libraries the executables link.
set(CPACK_PACKAGE_NAME lexikite)
set(CPACK_PACKAGE_VENDOR "Brightmoor Learning")
set(CPACK_PACKAGE_CONTACT "Brightmoor Learning <hello@brightmoor-learning.example>")
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Learn English words with pictures, sounds and six games")
set(CPACK_PACKAGE_DESCRIPTION
    "Lexikite is a vocabulary and phonics game for children and beginners learning English. "
    "It shows pictures of everyday things, speaks their names, and offers six short games for each "
    "subject: listening, choosing, flash cards, hidden letters, mixed letters and memory.")
string(JOIN "" CPACK_PACKAGE_DESCRIPTION ${CPACK_PACKAGE_DESCRIPTION})
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
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

if(LEXIKITE_SANITIZE)
    message(STATUS "Packaging a sanitizer build: the package will depend on the sanitizer runtimes")
endif()

include(CPack)
