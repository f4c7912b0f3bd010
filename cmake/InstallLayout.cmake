# SPDX-License-Identifier: GPL-2.0-or-later
# Runs when installing, once the prefix is known.
#
# For all users (prefix /usr, /usr/local or ~/.local; the Debian package uses /usr),
# Debian's layout for games:
#   lib/vobrel/             the programs, the metafile renderer and the per-user-data mark:
#                           each user plays on a copy in ~/.local/share/vobrel made on first start
#   share/games/vobrel/     the delivered images.mdb, GameOver.bmp and Images/, only read
#   games/ (bin/ in ~/.local, which is in the user's PATH)
#                           the commands, links to the programs
#   share/                  desktop entries, icons, AppStream metadata, man pages
# Anywhere else, a self-contained application folder: everything side by side, Import/
# and Export/ made, and an images.mdb already there kept (it holds the user's pairs).

string(REGEX REPLACE "(.)/+$" "\\1" vobrel_prefix "${CMAKE_INSTALL_PREFIX}")
set(vobrel_for_all_users OFF)
foreach(shared /usr /usr/local "$ENV{HOME}/.local")
  if(vobrel_prefix STREQUAL shared)
    set(vobrel_for_all_users ON)
  endif()
endforeach()
if(vobrel_for_all_users)
  set(vobrel_program_dir "${vobrel_prefix}/lib/vobrel")
  # Must match kDeliveredFromPrograms of the programs.
  set(vobrel_delivered_dir "${vobrel_prefix}/share/games/vobrel")
  if(vobrel_prefix STREQUAL "$ENV{HOME}/.local")
    set(vobrel_command_dir "${vobrel_prefix}/bin")
  else()
    set(vobrel_command_dir "${vobrel_prefix}/games")
  endif()
else()
  set(vobrel_program_dir "${vobrel_prefix}")
  set(vobrel_delivered_dir "${vobrel_prefix}")
endif()
# Generated files wait here before they are installed like any other; one folder per
# destination, so that installations running side by side do not meet.
string(MD5 vobrel_stage "$ENV{DESTDIR}|${vobrel_prefix}")
set(vobrel_stage "${VOBREL_BINARY_DIR}/install-stage/${vobrel_stage}")
file(REMOVE_RECURSE "${vobrel_stage}")
if(vobrel_for_all_users)
  message(STATUS "Installing for all users of ${vobrel_prefix}")
else()
  message(STATUS "Installing a self-contained application folder in ${vobrel_prefix}")
endif()

function(vobrel_install_icons name)
  file(INSTALL DESTINATION "${vobrel_prefix}/share/icons/hicolor/scalable/apps" TYPE FILE
       FILES "${VOBREL_SOURCE_DIR}/desktop/${name}.svg")
  foreach(size ${VOBREL_ICON_SIZES})
    file(INSTALL DESTINATION "${vobrel_prefix}/share/icons/hicolor/${size}x${size}/apps" TYPE FILE
         FILES "${VOBREL_BINARY_DIR}/icons/${size}x${size}/${name}.png")
  endforeach()
endfunction()

function(vobrel_desktop_entry command program)
  set(id "${VOBREL_APPSTREAM_ID_BASE}.${command}")
  file(READ "${VOBREL_SOURCE_DIR}/desktop/${command}.desktop.in" entry)
  if(vobrel_for_all_users)
    string(REPLACE "@EXEC@" "${vobrel_command_dir}/${command}" entry "${entry}")
    string(REPLACE "@ICON@" "${command}" entry "${entry}")
    string(REGEX REPLACE "Path=@APP_DIR@\n" "" entry "${entry}")
  else()
    string(REPLACE "@EXEC@" "${vobrel_prefix}/${program}" entry "${entry}")
    string(REPLACE "@ICON@" "${vobrel_prefix}/share/icons/hicolor/scalable/apps/${command}.svg" entry "${entry}")
    string(REPLACE "@APP_DIR@" "${vobrel_prefix}" entry "${entry}")
  endif()
  file(WRITE "${vobrel_stage}/applications/${id}.desktop" "${entry}")
  file(INSTALL DESTINATION "${vobrel_prefix}/share/applications" TYPE FILE
       FILES "${vobrel_stage}/applications/${id}.desktop")
  vobrel_install_icons("${command}")
  if(vobrel_for_all_users)
    file(INSTALL DESTINATION "${vobrel_prefix}/share/metainfo" TYPE FILE
         FILES "${VOBREL_BINARY_DIR}/desktop/${id}.metainfo.xml")
  endif()
endfunction()

# One program; with a command, its link in the commands folder and its man page; with a
# desktop entry, its menu entry, icons and AppStream data.
function(vobrel_install_program file command desktop)
  get_filename_component(program "${file}" NAME)
  file(INSTALL DESTINATION "${vobrel_program_dir}" TYPE EXECUTABLE FILES "${file}")
  if(CMAKE_INSTALL_DO_STRIP AND VOBREL_STRIP)
    execute_process(COMMAND "${VOBREL_STRIP}" "$ENV{DESTDIR}${vobrel_program_dir}/${program}" COMMAND_ERROR_IS_FATAL ANY)
  endif()
  if(NOT command)
    return()
  endif()
  file(INSTALL DESTINATION "${vobrel_prefix}/share/man/man6" TYPE FILE FILES "${VOBREL_SOURCE_DIR}/man/${command}.6")
  if(vobrel_for_all_users)
    # A relative link keeps working wherever the tree is unpacked.
    file(MAKE_DIRECTORY "${vobrel_stage}/commands")
    file(CREATE_LINK "../lib/vobrel/${program}" "${vobrel_stage}/commands/${command}" SYMBOLIC)
    file(INSTALL DESTINATION "${vobrel_command_dir}" TYPE FILE FILES "${vobrel_stage}/commands/${command}")
  endif()
  if(desktop)
    vobrel_desktop_entry("${command}" "${program}")
  endif()
endfunction()

function(vobrel_install_data)
  set(data "$ENV{DESTDIR}${vobrel_delivered_dir}")
  file(INSTALL DESTINATION "${vobrel_delivered_dir}" TYPE FILE FILES "${VOBREL_DELIVERED_DIR}/GameOver.bmp")
  file(INSTALL DESTINATION "${vobrel_delivered_dir}" TYPE DIRECTORY FILES "${VOBREL_DELIVERED_DIR}/Images")
  if(vobrel_for_all_users)
    # Only ever copied from, so an update may replace it.
    file(INSTALL DESTINATION "${vobrel_delivered_dir}" TYPE FILE FILES "${VOBREL_DELIVERED_DIR}/images.mdb")
    file(WRITE "${vobrel_stage}/per-user-data"
         "Each user's pairs, pictures and hall of fame live in $XDG_DATA_HOME/vobrel (~/.local/share/vobrel),\n"
         "made on first start from ../../share/games/vobrel.\n")
    file(INSTALL DESTINATION "${vobrel_program_dir}" TYPE FILE FILES "${vobrel_stage}/per-user-data")
    return()
  endif()
  foreach(dir Import Export)
    file(MAKE_DIRECTORY "${data}/${dir}")
  endforeach()
  if(EXISTS "${data}/images.mdb")
    message(STATUS "Keeping the existing ${data}/images.mdb")
  else()
    file(INSTALL DESTINATION "${vobrel_delivered_dir}" TYPE FILE FILES "${VOBREL_DELIVERED_DIR}/images.mdb")
  endif()
endfunction()
