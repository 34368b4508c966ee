# Run by cpack once the files are staged: the Debian package's Depends, from the libraries the staged
# executables link.
if(NOT CPACK_GENERATOR STREQUAL "DEB")
    return()
endif()
set(lexikite_staged ${CPACK_TEMPORARY_DIRECTORY}${CPACK_PACKAGING_INSTALL_PREFIX}/lib/lexikite)
file(GLOB lexikite_executables LIST_DIRECTORIES false ${lexikite_staged}/*)
if(NOT lexikite_executables)
    message(FATAL_ERROR "DebianDepends: no executables staged in ${lexikite_staged}")
endif()
# dpkg-shlibdeps insists on a debian/control, which it only reads for package names we do not use.
set(work ${CPACK_TOPLEVEL_DIRECTORY}/shlibdeps)
file(MAKE_DIRECTORY ${work}/debian)
file(TOUCH ${work}/debian/control)
execute_process(COMMAND dpkg-shlibdeps -O ${lexikite_executables}
    WORKING_DIRECTORY ${work}
    RESULT_VARIABLE result OUTPUT_VARIABLE substvars ERROR_VARIABLE problems)
file(REMOVE_RECURSE ${work})
if(NOT result EQUAL 0 OR NOT substvars MATCHES "shlibs:Depends=([^\n]+)")
    message(FATAL_ERROR "DebianDepends: dpkg-shlibdeps failed (${result}): ${problems}")
endif()
# The SQLite driver of the players' answer log is a plugin, which no executable links; the early readers'
# typeface of the child's text is found through the font list, not linked either.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "${CMAKE_MATCH_1}, libqt6sql6-sqlite, fonts-sil-andika")
message(STATUS "DebianDepends: ${CPACK_DEBIAN_PACKAGE_DEPENDS}")
