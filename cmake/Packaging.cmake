# SPDX-License-Identifier: GPL-3.0-or-later
# The program's place on a Linux desktop (desktop entry, icon, AppStream metadata, manual pages,
# the README, the changelog and copyright Debian expects) and the Debian package built from the
# install rules with CPack: `cpack -G DEB` in a configured build folder. Included from the root
# CMakeLists.txt after its install rules, and only when the program is built.

set(PSE_PACKAGING_DIR ${PROJECT_SOURCE_DIR}/packaging)

# The changelog and the AppStream releases name the version the package carries; a version bump
# that forgets either would ship a package whose history disagrees with itself.
file(STRINGS ${PSE_PACKAGING_DIR}/changelog pse_changelog_top LIMIT_COUNT 1)
string(REGEX MATCH "^quon-pse \\(([^)]+)\\)" pse_match "${pse_changelog_top}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/changelog: the newest entry is for version '${CMAKE_MATCH_1}', "
                      "the project is ${PROJECT_VERSION}; add an entry for ${PROJECT_VERSION}.")
endif()
file(STRINGS ${PSE_PACKAGING_DIR}/quon-pse.metainfo.xml pse_release REGEX "<release " LIMIT_COUNT 1)
string(REGEX MATCH "version=\"([^\"]+)\"" pse_match "${pse_release}")
if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
  message(FATAL_ERROR "packaging/quon-pse.metainfo.xml: the first <release> is version "
                      "'${CMAKE_MATCH_1}', the project is ${PROJECT_VERSION}; add a <release> "
                      "for ${PROJECT_VERSION} at the top of <releases>.")
endif()
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PSE_PACKAGING_DIR}/changelog ${PSE_PACKAGING_DIR}/quon-pse.metainfo.xml)

if(UNIX AND NOT APPLE)
  install(FILES ${PSE_PACKAGING_DIR}/quon-pse.desktop
          DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PSE_PACKAGING_DIR}/quon-pse.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  install(FILES ${PSE_PACKAGING_DIR}/quon-pse.metainfo.xml
          DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${PSE_PACKAGING_DIR}/copyright DESTINATION ${CMAKE_INSTALL_DOCDIR})
  # The information box names this folder for the README (the sources of the element data, the
  # calculator's syntax, the configuration keys); the help files lie beside it to be read or
  # printed without the program.
  install(FILES ${PROJECT_SOURCE_DIR}/README.md ${PROJECT_SOURCE_DIR}/resources/Help.txt
                ${PROJECT_SOURCE_DIR}/resources/Pomoc.txt DESTINATION ${CMAKE_INSTALL_DOCDIR})
  install(FILES ${PSE_PACKAGING_DIR}/lintian-overrides
          DESTINATION ${CMAKE_INSTALL_DATADIR}/lintian/overrides RENAME quon-pse)

  # Debian ships manual pages and changelogs compressed, with no name or time stamp in the gzip
  # header so that the same sources give the same package.
  find_program(PSE_GZIP gzip REQUIRED)
  set(pse_compressed)
  foreach(source quon-pse.1 quon-pse-cli.1 changelog)
    set(output ${CMAKE_CURRENT_BINARY_DIR}/packaging/${source}.gz)
    add_custom_command(
      OUTPUT ${output}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_BINARY_DIR}/packaging
      COMMAND ${PSE_GZIP} -9nc ${PSE_PACKAGING_DIR}/${source} > ${output}
      DEPENDS ${PSE_PACKAGING_DIR}/${source}
      COMMENT "Compressing packaging/${source}"
      VERBATIM)
    list(APPEND pse_compressed ${output})
  endforeach()
  add_custom_target(pse_packaging_files ALL DEPENDS ${pse_compressed})
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/quon-pse.1.gz
                ${CMAKE_CURRENT_BINARY_DIR}/packaging/quon-pse-cli.1.gz
          DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  # A package whose version has no Debian revision is a native one; its changelog is changelog.gz.
  install(FILES ${CMAKE_CURRENT_BINARY_DIR}/packaging/changelog.gz DESTINATION ${CMAKE_INSTALL_DOCDIR})
endif()

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quon-pse)
set(CPACK_PACKAGE_VENDOR "The quon-pse project")
set(CPACK_PACKAGE_CONTACT "The quon-pse project")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "interactive periodic table of the elements for the classroom")
# One string: CPack writes each line as a line of the extended description, an empty one as " .".
set(CPACK_PACKAGE_DESCRIPTION [=[A periodic table of the 109 elements from hydrogen to meitnerium, made
for a classroom projector or a screen left running. Every element is
coloured by its state of matter (solid, liquid, gas or not known) at the
temperature of the thermometer beside the table; an automatic sweep runs
the temperature up and down while it shows one element after another.
Each element's data (names in five languages, atomic mass, electron
configuration, discovery, melting and boiling points, oxidation states,
density and more) are one click away, and a calculator works out
arithmetic and the molar masses of chemical formulas.

The console program quon-pse-cli prints the element data as tab-separated
text and runs the calculator without the window.]=])
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The quon-pse project")
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# dpkg-shlibdeps finds the Qt and C++ libraries the programs link; Qt loads its platform plugins
# (and through them the display), finds fonts and reads its own translations (the file dialog and
# the context menus in the program's language) only at run time, so those are named here.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-dejavu-core, qt6-translations-l10n")
# `make package_source` packs the sources without build folders and the repository's own files.
set(CPACK_SOURCE_GENERATOR TXZ)
set(CPACK_SOURCE_IGNORE_FILES "/build/" "/\\\\.git" "/\\\\.cache/")
# The poster of the table goes to the system's print dialog through Qt Print Support. The program
# links it, so dpkg-shlibdeps finds it anyway; it is named so that the package says so itself.
string(APPEND CPACK_DEBIAN_PACKAGE_DEPENDS ", libqt6printsupport6")

include(CPack)
