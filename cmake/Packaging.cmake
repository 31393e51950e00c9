# SPDX-License-Identifier: GPL-3.0-or-later
# What `cmake --install` puts where, and the Debian package CPack makes of it. Only the two
# programs and their shared files are installed: no tests, benchmarks, tours or fuzzers.
include(GNUInstallDirs)

# The programs look for these relative to their own folder, as ../share/vantrell
# (src/commands/shipped_files.cpp), so the data folder must stay beside bin.
set(VANTRELL_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/vantrell)
# Debian's place for a package's documents and copyright (src/commands/notice_files.cpp).
set(VANTRELL_INSTALL_DOCDIR ${CMAKE_INSTALL_DATADIR}/doc/vantrell)
if(NOT CMAKE_INSTALL_BINDIR STREQUAL "bin" OR NOT CMAKE_INSTALL_DATADIR STREQUAL "share")
  message(WARNING "An installed Vantrell finds its guide and examples only in "
                  "<prefix>/share/vantrell beside <prefix>/bin, and its licence in "
                  "<prefix>/share/doc/vantrell")
endif()

install(TARGETS vantrell-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
# The batch front end's parts, where it loads them from: ../lib/vantrell (src/cli/command_parts.h).
install(TARGETS vantrell_workbook_part vantrell_formats_part LIBRARY DESTINATION lib/vantrell)
if(TARGET vantrell)
  install(TARGETS vantrell RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
endif()

install(FILES ${PROJECT_SOURCE_DIR}/onlinehelp.txt DESTINATION ${VANTRELL_INSTALL_DATADIR})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${VANTRELL_INSTALL_DATADIR}/examples
        FILES_MATCHING PATTERN "*.lp")

# The licence and the third-party notices, where the About box finds them (../share/doc/vantrell).
install(FILES ${PROJECT_SOURCE_DIR}/LICENSE ${PROJECT_SOURCE_DIR}/THIRD_PARTY.md
        DESTINATION ${VANTRELL_INSTALL_DOCDIR})

install(FILES ${PROJECT_SOURCE_DIR}/resources/vantrell.desktop
        DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
# The problem files' MIME type, recognised by content, which the menu entry declares.
install(FILES ${PROJECT_SOURCE_DIR}/resources/vantrell-mime.xml
        DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages RENAME vantrell.xml)
install(FILES ${PROJECT_SOURCE_DIR}/resources/vantrell.png
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/256x256/apps)
install(FILES ${PROJECT_SOURCE_DIR}/resources/vantrell.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)

# The Debian package: `cpack` in a release build configured with CMAKE_INSTALL_PREFIX=/usr
# (tools/package.sh).
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME vantrell)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "Vantrell developers")
set(VANTRELL_MAINTAINER "Vantrell developers <maintainers@vantrell.invalid>"
    CACHE STRING "Maintainer field of the Debian package")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${VANTRELL_MAINTAINER}")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)

# Debian's copyright file, in the machine-readable format. Only the package gets it: a plain
# `cmake --install` leaves the component out, and CPack installs it besides the default one.
configure_file(${PROJECT_SOURCE_DIR}/cmake/debian-copyright.in
               ${PROJECT_BINARY_DIR}/debian/copyright @ONLY)
install(FILES ${PROJECT_BINARY_DIR}/debian/copyright DESTINATION ${VANTRELL_INSTALL_DOCDIR}
        COMPONENT debian EXCLUDE_FROM_ALL)
set(CPACK_INSTALL_CMAKE_PROJECTS
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};ALL;/"
    "${PROJECT_BINARY_DIR};${PROJECT_NAME};debian;/")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "learn the simplex method one tableau at a time")
set(CPACK_PACKAGE_DESCRIPTION
    "Vantrell is a desktop program for learning the simplex method. A student
states a small linear program with up to nine variables and named
constraints, and Vantrell solves the primal or its dual with the big-M
tableau method, showing every tableau, the solution and, for two
variables, the graphical solution. Problems are saved as text files;
solution reports and Excel workbooks of the tableaus can be written.

The package also holds vantrell-cli, a batch front end for answer keys,
the user's guide and example problems.")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# dpkg-shlibdeps (dpkg-dev) works out the libraries' packages from the binaries. Qt's window
# system plugins are loaded at run time, so no binary names them.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "hicolor-icon-theme")
set(CPACK_STRIP_FILES ON)
include(CPack)
