# SPDX-License-Identifier: GPL-2.0-or-later
# What the desktop shows of the two windows: PNG icons drawn from the SVG drawings at
# build time, and the AppStream metadata under ids in lower case.
set(VOBREL_APPSTREAM_ID_BASE "vobrel.project")
set(VOBREL_RELEASE_DATE "2026-12-08")
set(VOBREL_ICON_SIZES 16 24 32 48 64 128 256)

find_program(RSVG_CONVERT rsvg-convert REQUIRED)
set(icon_files)
foreach(name vobrel ortavi)
  configure_file(${CMAKE_SOURCE_DIR}/desktop/${name}.metainfo.xml.in
                 ${CMAKE_BINARY_DIR}/desktop/${VOBREL_APPSTREAM_ID_BASE}.${name}.metainfo.xml @ONLY)
  foreach(size ${VOBREL_ICON_SIZES})
    set(png ${CMAKE_BINARY_DIR}/icons/${size}x${size}/${name}.png)
    add_custom_command(OUTPUT ${png}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_BINARY_DIR}/icons/${size}x${size}
      COMMAND ${RSVG_CONVERT} --width ${size} --height ${size} --keep-aspect-ratio
              --output ${png} ${CMAKE_SOURCE_DIR}/desktop/${name}.svg
      DEPENDS ${CMAKE_SOURCE_DIR}/desktop/${name}.svg
      VERBATIM)
    list(APPEND icon_files ${png})
  endforeach()
endforeach()
add_custom_target(desktop_icons ALL DEPENDS ${icon_files})
