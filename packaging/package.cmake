# `cpack -G DEB` in the build folder makes the Debian package of what
# `cmake --install` installs, under /usr. The programs find their data in
# ../share/tolvane from their bin/ whatever the build's prefix was;
# `make package` builds with the prefix /usr, so that the built-in data
# folder is the package's as well.
set(CPACK_PACKAGE_NAME tolvane)
set(CPACK_PACKAGE_VENDOR "Tolvane")
set(CPACK_PACKAGE_CONTACT "Tolvane maintainers <maintainers@users.noreply.c-seed-64bd46ce.example>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Editor for the disk files of the Korg i3")
set(CPACK_PACKAGE_DESCRIPTION "Opens several Korg i3 Sets at once and moves Arrangements, Styles, Programs,
Backing Sequences and Songs inside a Set and between Sets, keeping every call
between items right and every byte it does not interpret. With tolvane-cli,
which reads, checks, rewrites and reports on Sets without a window.")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_NAME tolvane)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION sound)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The libraries come from dpkg-shlibdeps; Qt's platform plugins and the fonts
# the editor draws with are loaded at run time, so they are named here.
set(CPACK_DEBIAN_PACKAGE_DEPENDS "qt6-qpa-plugins, fonts-liberation, mtools")

include(CPack)
