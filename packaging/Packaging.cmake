# Installation of the console program and the Debian package of both
# programs: cmake --install puts velmora-cli (and, with the window, velmora,
# its desktop entry and icon) under the prefix; cpack -G DEB builds the .deb.
include(GNUInstallDirs)

install(TARGETS velmora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
install(FILES README.md DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/velmora)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME velmora)
set(CPACK_PACKAGE_VENDOR "Velmora")
set(CPACK_PACKAGE_CONTACT "Velmora maintainers <velmora@example.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Condition adjustment of a triangle with a central point")
set(CPACK_PACKAGE_DESCRIPTION
    "Velmora adjusts a triangle of known points with one new point inside it by conditions in two groups, computes the point three times, assesses precision and prints a report. It comes as a Qt 6 window program (velmora) and a console program (velmora-cli).")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
if(VELMORA_BUILD_WINDOW)
  # The window's Chinese captions need the CJK faces it falls back to.
  set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-arphic-uming, fonts-wqy-zenhei")
endif()
include(CPack)
