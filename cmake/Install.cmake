# SPDX-License-Identifier: GPL-2.0-or-later
# `cmake --install <build> --prefix <folder>` lays out one of two installations, chosen
# when it runs (see InstallLayout.cmake): for every user of the desktop when the prefix is
# /usr, /usr/local or ~/.local (and in the Debian package), or a self-contained
# application folder anywhere else. Both deliver the untouched data of delivered/.
include(${CMAKE_SOURCE_DIR}/cmake/Desktop.cmake)
install(CODE "
  set(VOBREL_SOURCE_DIR \"${CMAKE_SOURCE_DIR}\")
  set(VOBREL_BINARY_DIR \"${CMAKE_BINARY_DIR}\")
  set(VOBREL_DELIVERED_DIR \"${VOBREL_DELIVERED_DIR}\")
  set(VOBREL_STRIP \"${CMAKE_STRIP}\")
  set(VOBREL_APPSTREAM_ID_BASE \"${VOBREL_APPSTREAM_ID_BASE}\")
  set(VOBREL_ICON_SIZES \"${VOBREL_ICON_SIZES}\")
")
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/InstallLayout.cmake)

# One line per program. COMMAND gives it a command (a link in games/ for all users) with
# its man page man/<command>.6; DESKTOP adds the menu entry desktop/<command>.desktop.in
# with its icons and AppStream data.
function(vobrel_install_program target)
  cmake_parse_arguments(arg "DESKTOP" "COMMAND" "" ${ARGN})
  install(CODE "vobrel_install_program(\"$<TARGET_FILE:${target}>\" \"${arg_COMMAND}\" \"${arg_DESKTOP}\")")
endfunction()
vobrel_install_program(Vobrel COMMAND vobrel DESKTOP)
vobrel_install_program(Ortavi COMMAND ortavi DESKTOP)
vobrel_install_program(vobrel-check COMMAND vobrel-check)
vobrel_install_program(vobrel-make-pair COMMAND vobrel-make-pair)
vobrel_install_program(metafile-renderer)

install(CODE "vobrel_install_data()")
