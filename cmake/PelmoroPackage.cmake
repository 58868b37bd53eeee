# The Debian package, made by CPack from the installed tree (scripts/package.sh). Include
# it last, once every folder has declared what it installs.

set(PELMORO_MAINTAINER "The Pelmoro developers <maintainers@pelmoro.org>"
    CACHE STRING "The Debian package's maintainer line")

set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME pelmoro)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "The Pelmoro developers")
set(CPACK_PACKAGE_CONTACT ${PELMORO_MAINTAINER})
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "draw a cartoon face and save it as a picture")
# The long description, in lines short enough for the package tools to show unwrapped.
string(JOIN "\n" CPACK_PACKAGE_DESCRIPTION
  "Pelmoro draws one cartoon face. Shape it with 22 sliders and three lists,"
  "or take a random face; pick a solid or gradient background; save the face"
  "as a .plm document and export it as a PNG, JPEG, BMP, GIF or TIFF picture,"
  "whole or a selected part of it."
  ""
  "The package holds the desktop program pelmoro, the command-line"
  "renderer pelmoro-render, which draws the same faces without a window,"
  "and pelmoro-serve, which serves them over HTTP as an avatar service"
  "(a systemd unit, disabled until enabled).")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION graphics)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# The libraries' packages, worked out from the programs by dpkg-shlibdeps.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The launcher entry, MIME type and icons need no scripts of their own: the packages that
# keep those databases (desktop-file-utils, shared-mime-info, the icon theme's cache)
# watch their folders with dpkg triggers and update them when a package puts files there.

# Systemd units (pelmoro_install_systemd_unit): systemd reads its units again after the
# package is installed or removed; the units stay disabled until the administrator
# enables them.
get_property(pelmoro_units GLOBAL PROPERTY PELMORO_SYSTEMD_UNITS)
if(pelmoro_units)
  list(JOIN pelmoro_units " " PELMORO_SYSTEMD_UNITS)
  foreach(script postinst postrm)
    configure_file(${CMAKE_CURRENT_LIST_DIR}/debian/${script}.in ${PROJECT_BINARY_DIR}/debian/${script} @ONLY)
    file(CHMOD ${PROJECT_BINARY_DIR}/debian/${script} FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE
         GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
    list(APPEND CPACK_DEBIAN_PACKAGE_CONTROL_EXTRA ${PROJECT_BINARY_DIR}/debian/${script})
  endforeach()
  set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
endif()

include(CPack)
