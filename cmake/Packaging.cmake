# Installing the Linux program the Linux way: the program where XScreenSaver
# looks for display hacks, its settings description in XScreenSaver's config
# folder, a desktop entry and icon for starting it on its own, and the
# licences; and a .deb of the same files, so that removing the package
# leaves nothing behind.
if(CMAKE_INSTALL_PREFIX_INITIALIZED_TO_DEFAULT)
  # XScreenSaver finds hacks under /usr only.
  set(CMAKE_INSTALL_PREFIX /usr CACHE PATH "Installation prefix" FORCE)
endif()

set(QUIBAC_HACK_DIR libexec/xscreensaver)
install(TARGETS quibac RUNTIME DESTINATION ${QUIBAC_HACK_DIR})
install(FILES ${CMAKE_SOURCE_DIR}/hacks/quibac.xml DESTINATION share/xscreensaver/config)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/linux/quibac.desktop DESTINATION share/applications)
install(FILES ${CMAKE_SOURCE_DIR}/packaging/linux/quibac.png DESTINATION share/icons/hicolor/32x32/apps)
install(FILES ${CMAKE_SOURCE_DIR}/LICENSE DESTINATION share/doc/quibac RENAME copyright)
install(DIRECTORY ${CMAKE_SOURCE_DIR}/assets/licences/ DESTINATION share/doc/quibac/licences)

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME quibac)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Quib Advent maintainers")
set(CPACK_PACKAGE_CONTACT "The Quib Advent maintainers <quibac@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Advent-calendar screen saver, standalone and as an XScreenSaver hack")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION x11)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_PACKAGE_SUGGESTS xscreensaver)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_BINARY_DIR}/packages)
include(CPack)
