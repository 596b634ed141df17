# Installation and the Debian package: cmake --install puts both programs, their
# manual pages, the documentation (copyright, changelog, README, the example
# figures, the HTML manual and its pictures) and, with the window, its desktop
# entry, AppStream metadata and icons under the prefix; cpack -G DEB builds a
# .deb that lintian accepts.
include(GNUInstallDirs)

set(VELMORA_DOC_DIR ${CMAKE_INSTALL_DATADIR}/doc/velmora)
set(VELMORA_PACKAGING_DIR ${CMAKE_CURRENT_LIST_DIR})
set(VELMORA_PACKAGE_BUILD_DIR ${CMAKE_BINARY_DIR}/packaging)

# The version in the changelog and in the AppStream release must be the one
# being built, or the package would describe another release.
function(velmora_require_release_version file pattern)
  file(READ ${file} text)
  if(NOT text MATCHES "${pattern}")
    message(FATAL_ERROR "${file} names no release version")
  endif()
  if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
    message(FATAL_ERROR "${file} describes release ${CMAKE_MATCH_1}, but the project is ${PROJECT_VERSION}")
  endif()
endfunction()
velmora_require_release_version(${VELMORA_PACKAGING_DIR}/changelog "^velmora \\(([^)]+)\\)")
velmora_require_release_version(${PROJECT_SOURCE_DIR}/app/velmora/io.github.velmora.Velmora.metainfo.xml
                                "<release version=\"([^\"]+)\"")

# Debian's machine-readable copyright file, its licence text taken from LICENSE
# after the title and copyright lines (a blank line becomes " .", every other
# line is indented by one blank).
file(READ ${PROJECT_SOURCE_DIR}/LICENSE license)
string(REGEX REPLACE "^.*\nCopyright[^\n]*\n\n" "" license "${license}")
string(REGEX REPLACE "\n\n" "\n.\n" license "${license}")
string(REGEX REPLACE "([^\n]*)\n" " \\1\n" license "${license}")
file(READ ${VELMORA_PACKAGING_DIR}/copyright.in copyright_header)
file(WRITE ${VELMORA_PACKAGE_BUILD_DIR}/copyright "${copyright_header}${license}")
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
             ${PROJECT_SOURCE_DIR}/LICENSE ${VELMORA_PACKAGING_DIR}/copyright.in)

# Manual pages and the changelog are installed compressed, without a time stamp
# in the gzip header so that two builds give the same package.
find_program(VELMORA_GZIP gzip REQUIRED)
set(compressed_files "")
function(velmora_compress source name)
  set(copy ${VELMORA_PACKAGE_BUILD_DIR}/${name})
  add_custom_command(OUTPUT ${copy}.gz
                     COMMAND ${CMAKE_COMMAND} -E copy ${source} ${copy}
                     COMMAND ${VELMORA_GZIP} -9nf ${copy}
                     DEPENDS ${source} VERBATIM)
  set(compressed_files ${compressed_files} ${copy}.gz PARENT_SCOPE)
endfunction()
velmora_compress(${VELMORA_PACKAGING_DIR}/changelog changelog)
velmora_compress(${VELMORA_PACKAGING_DIR}/man/velmora-cli.1 velmora-cli.1)
if(VELMORA_BUILD_WINDOW)
  velmora_compress(${VELMORA_PACKAGING_DIR}/man/velmora.1 velmora.1)
endif()
add_custom_target(velmora_compressed_docs ALL DEPENDS ${compressed_files})

# Full RELRO: the dynamic symbols are bound at start-up and the table made read-only.
foreach(program IN ITEMS velmora-cli velmora)
  if(TARGET ${program})
    target_link_options(${program} PRIVATE LINKER:-z,relro,-z,now)
  endif()
endforeach()

install(TARGETS velmora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES ${VELMORA_PACKAGE_BUILD_DIR}/velmora-cli.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
if(VELMORA_BUILD_WINDOW)
  install(FILES ${VELMORA_PACKAGE_BUILD_DIR}/velmora.1.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
endif()
install(FILES README.md ${VELMORA_PACKAGE_BUILD_DIR}/copyright ${VELMORA_PACKAGE_BUILD_DIR}/changelog.gz
        DESTINATION ${VELMORA_DOC_DIR})
install(FILES examples/sample-figure.txt examples/figures.csv DESTINATION ${VELMORA_DOC_DIR}/examples)
include(${PROJECT_SOURCE_DIR}/docs/manual/manual_files.cmake)
install(FILES ${VELMORA_MANUAL_PAGES} DESTINATION ${VELMORA_DOC_DIR}/manual)
install(FILES ${VELMORA_MANUAL_PICTURES} DESTINATION ${VELMORA_DOC_DIR})
# Registered with doc-base, so that documentation browsers list the manual.
install(FILES ${VELMORA_PACKAGING_DIR}/velmora-manual.doc-base DESTINATION ${CMAKE_INSTALL_DATADIR}/doc-base
        RENAME velmora-manual)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "Velmora")
set(CPACK_PACKAGE_CONTACT "Velmora maintainers <velmora@example.org>")
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_PACKAGE_HOMEPAGE_URL "https://github.com/velmora/velmora")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "condition adjustment of a triangle with a central point")
# Lines of at most 80 columns; a line holding a single dot separates paragraphs.
set(CPACK_PACKAGE_DESCRIPTION [=[Velmora adjusts a triangle of three known points with one new point inside it,
from nine observed angles, by conditions in two groups: each triangle's angle
sum first, then the fixed angles, the circle of central angles and the log-sine
side condition through their normal equations. It computes the new point from
each known point, assesses its precision and prints a report.
.
The package holds the Qt 6 window program velmora and the console program
velmora-cli, which also adjusts whole CSV files of figures and checks them by
rigorous least squares.]=])
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# Loaded when the first workbook is begun, so the programs do not link it and
# dpkg-shlibdeps cannot see it.
set(VELMORA_LOADED_LIBRARIES "libxlsxwriter4")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_STRIP_FILES ON)
set(CPACK_VELMORA_STRIP "${CMAKE_STRIP}")
set(CPACK_PRE_BUILD_SCRIPTS ${VELMORA_PACKAGING_DIR}/strip_notes.cmake)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
if(VELMORA_BUILD_WINDOW)
  # The window's Chinese captions need the CJK faces it falls back to; Qt's own
  # buttons and dialogs speak Chinese with Qt's translations, English without.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${VELMORA_LOADED_LIBRARIES}, fonts-arphic-uming, fonts-wqy-zenhei")
  set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "qt6-translations-l10n, fonts-noto-cjk")
else()
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "${VELMORA_LOADED_LIBRARIES}")
endif()
include(CPack)
