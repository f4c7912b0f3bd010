# SPDX-License-Identifier: GPL-2.0-or-later
# `cmake --install <build> --prefix <folder>` lays out one of two installations, chosen
# when it runs (see InstallLayout.cmake): for every user of the desktop when the prefix is
# /usr, /usr/local or ~/.local (and in the Debian package), or a self-contained
# application folder anywhere else. Both deliver the untouched data of delivered/.
install(CODE "
  set(VOBREL_SOURCE_DIR \"${CMAKE_SOURCE_DIR}\")
  set(VOBREL_BINARY_DIR \"${CMAKE_BINARY_DIR}\")
  set(VOBREL_DELIVERED_DIR \"${VOBREL_DELIVERED_DIR}\")
  set(VOBREL_STRIP \"${CMAKE_STRIP}\")
")
install(SCRIPT ${CMAKE_SOURCE_DIR}/cmake/InstallLayout.cmake)

# One line per program; LAUNCHER gives it a command in bin/ and a desktop entry of the
# same name (desktop/<name>.desktop.in) in an installation for all users.
function(vobrel_install_program target)
  cmake_parse_arguments(arg "" "LAUNCHER" "" ${ARGN})
  install(CODE "vobrel_install_program(\"$<TARGET_FILE:${target}>\" \"${arg_LAUNCHER}\")")
endfunction()
vobrel_install_program(Vobrel LAUNCHER vobrel)
vobrel_install_program(Ortavi LAUNCHER ortavi)
vobrel_install_program(vobrel-check)
vobrel_install_program(vobrel-make-pair)
vobrel_install_program(metafile-renderer)

install(CODE "vobrel_install_data()")

include(${CMAKE_SOURCE_DIR}/cmake/Package.cmake)
