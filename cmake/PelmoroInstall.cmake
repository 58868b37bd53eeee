# Where Pelmoro installs, and the helpers that install what the folders build. Each thing
# to install is one line in the folder that builds it:
#   a program:        install(TARGETS pelmoro-render)
#   a manual page:    pelmoro_add_man_page(pelmoro-render 1)      from docs/man/pelmoro-render.1.scd
#   a systemd unit:   pelmoro_install_systemd_unit(pelmoro-serve.service)
# cmake/PelmoroPackage.cmake turns the installed tree into the Debian package.

# The reverse-DNS application id: the names of the launcher entry, the icons, the MIME
# package and the AppStream data, and the id the program gives the desktop.
set(PELMORO_APP_ID org.pelmoro.Pelmoro)
# The day the version of project() was released, for the AppStream data; change both together.
set(PELMORO_RELEASE_DATE 2026-12-09)
# The face documents' type; its icon's name follows from it (application-x-pelmoro-face).
set(PELMORO_MIME_TYPE application/x-pelmoro-face)
string(REPLACE "/" "-" PELMORO_MIME_ICON ${PELMORO_MIME_TYPE})
# The sizes of the icon theme's pictures of the program and its documents.
set(PELMORO_ICON_SIZES 16 24 32 48 64 128 256)

# GNUInstallDirs would name the documentation folder after the project (share/doc/Pelmoro);
# the package and the About box use share/doc/pelmoro. An empty entry is GNUInstallDirs'
# own "default", left in the cache by any earlier include of it.
if(NOT CMAKE_INSTALL_DOCDIR)
  set(CMAKE_INSTALL_DOCDIR share/doc/pelmoro CACHE PATH "Documentation (README, licence)" FORCE)
endif()
include(GNUInstallDirs)
set(PELMORO_SYSTEMD_UNIT_DIR lib/systemd/system CACHE PATH "systemd system units, relative to the prefix")
# The documentation folder as seen from the programs' folder, so that an installed program
# finds its README wherever the tree was installed or unpacked.
file(RELATIVE_PATH PELMORO_DOC_DIR_FROM_BIN_DIR ${CMAKE_INSTALL_FULL_BINDIR} ${CMAKE_INSTALL_FULL_DOCDIR})

find_program(PELMORO_SCDOC scdoc REQUIRED)
find_program(PELMORO_GZIP gzip REQUIRED)

# pelmoro_add_man_page(NAME SECTION): renders docs/man/NAME.SECTION.scd with scdoc into
# the build folder's man/ and installs it compressed into share/man/manSECTION.
function(pelmoro_add_man_page name section)
  set(source ${PROJECT_SOURCE_DIR}/docs/man/${name}.${section}.scd)
  set(page ${PROJECT_BINARY_DIR}/man/${name}.${section})
  add_custom_command(OUTPUT ${page} ${page}.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
    COMMAND sh -c "\"$1\" < \"$2\" > \"$3\" && \"$4\" -9nc \"$3\" > \"$3.gz\"" sh ${PELMORO_SCDOC} ${source}
            ${page} ${PELMORO_GZIP}
    DEPENDS ${source}
    COMMENT "Manual page ${name}(${section})"
    VERBATIM)
  add_custom_target(pelmoro_man_${name} ALL DEPENDS ${page}.gz)
  install(FILES ${page}.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man${section})
endfunction()

# pelmoro_install_systemd_unit(FILE): installs a system unit, disabled; the Debian package
# lets systemd read its units again after installing or removing them.
function(pelmoro_install_systemd_unit file)
  install(FILES ${file} DESTINATION ${PELMORO_SYSTEMD_UNIT_DIR})
  get_filename_component(unit ${file} NAME)
  set_property(GLOBAL APPEND PROPERTY PELMORO_SYSTEMD_UNITS ${unit})
endfunction()
