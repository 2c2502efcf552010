# `make package`: a .deb of everything `make install` installs, under /usr.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME voltaro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Voltaro developers")
set(CPACK_PACKAGE_CONTACT "The Voltaro developers <maintainers@voltaro.org>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "circuit board for teaching direct-current circuits")
set(CPACK_PACKAGE_DESCRIPTION
    "Voltaro lets pupils build series and parallel circuits on a loop powered by
a battery of cells or a variable supply, with resistors, light bulbs, switches
and wires. The circuit is solved after every change, so the bulbs glow with the
power they take. A multimeter measures voltage, or current once it is put in
series. Built-in lessons and worksheets guide the pupil; circuits are kept in
plain-text files, and example exercises come with the package. The companion
tool voltaro-sheet turns circuit files into worksheets.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_VOLTARO_OBJCOPY ${CMAKE_OBJCOPY})
set(CPACK_PRE_BUILD_SCRIPTS ${PROJECT_SOURCE_DIR}/cmake/VoltaroPackageStrip.cmake)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE ${VOLTARO_REPOSITORY_URL})
# The libraries come from dpkg-shlibdeps; the board font is found by name at run time.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-liberation")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
include(CPack)
