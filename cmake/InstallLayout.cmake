# SPDX-License-Identifier: GPL-2.0-or-later
# Runs when installing, once the prefix is known.
#
# For all users (prefix /usr, /usr/local or ~/.local; the Debian package uses /usr):
#   lib/vobrel/      the programs, the metafile renderer, GameOver.bmp, Images/, the
#                    delivered images.mdb and the per-user-data mark: each user plays on a
#                    copy in ~/.local/share/vobrel made on first start
#   bin/             launchers, links to the programs
#   share/           desktop entries, icons, AppStream metadata
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
else()
  set(vobrel_program_dir "${vobrel_prefix}")
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

function(vobrel_desktop_entry launcher program)
  file(READ "${VOBREL_SOURCE_DIR}/desktop/${launcher}.desktop.in" entry)
  if(vobrel_for_all_users)
    string(REPLACE "@EXEC@" "${vobrel_prefix}/bin/${launcher}" entry "${entry}")
    string(REPLACE "@ICON@" "${launcher}" entry "${entry}")
    string(REGEX REPLACE "Path=@APP_DIR@\n" "" entry "${entry}")
  else()
    string(REPLACE "@EXEC@" "${vobrel_prefix}/${program}" entry "${entry}")
    string(REPLACE "@ICON@" "${vobrel_prefix}/share/icons/hicolor/scalable/apps/${launcher}.svg" entry "${entry}")
    string(REPLACE "@APP_DIR@" "${vobrel_prefix}" entry "${entry}")
  endif()
  file(WRITE "${vobrel_stage}/applications/${launcher}.desktop" "${entry}")
  file(INSTALL DESTINATION "${vobrel_prefix}/share/applications" TYPE FILE
       FILES "${vobrel_stage}/applications/${launcher}.desktop")
  file(INSTALL DESTINATION "${vobrel_prefix}/share/icons/hicolor/scalable/apps" TYPE FILE
       FILES "${VOBREL_SOURCE_DIR}/desktop/${launcher}.svg")
  file(GLOB metainfo "${VOBREL_BINARY_DIR}/desktop/${launcher}/*.metainfo.xml")
  if(vobrel_for_all_users AND metainfo)
    file(INSTALL DESTINATION "${vobrel_prefix}/share/metainfo" TYPE FILE FILES ${metainfo})
  endif()
endfunction()

function(vobrel_install_program file launcher)
  get_filename_component(program "${file}" NAME)
  file(INSTALL DESTINATION "${vobrel_program_dir}" TYPE EXECUTABLE FILES "${file}")
  if(CMAKE_INSTALL_DO_STRIP AND VOBREL_STRIP)
    execute_process(COMMAND "${VOBREL_STRIP}" "$ENV{DESTDIR}${vobrel_program_dir}/${program}" COMMAND_ERROR_IS_FATAL ANY)
  endif()
  if(NOT launcher)
    return()
  endif()
  if(vobrel_for_all_users)
    # A relative link keeps working wherever the tree is unpacked.
    file(MAKE_DIRECTORY "${vobrel_stage}/bin")
    file(CREATE_LINK "../lib/vobrel/${program}" "${vobrel_stage}/bin/${launcher}" SYMBOLIC)
    file(INSTALL DESTINATION "${vobrel_prefix}/bin" TYPE FILE FILES "${vobrel_stage}/bin/${launcher}")
  endif()
  vobrel_desktop_entry("${launcher}" "${program}")
endfunction()

function(vobrel_install_data)
  set(app "$ENV{DESTDIR}${vobrel_program_dir}")
  file(INSTALL DESTINATION "${vobrel_program_dir}" TYPE FILE FILES "${VOBREL_DELIVERED_DIR}/GameOver.bmp")
  file(INSTALL DESTINATION "${vobrel_program_dir}" TYPE DIRECTORY FILES "${VOBREL_DELIVERED_DIR}/Images")
  if(vobrel_for_all_users)
    # Only ever copied from, so an update may replace it.
    file(INSTALL DESTINATION "${vobrel_program_dir}" TYPE FILE FILES "${VOBREL_DELIVERED_DIR}/images.mdb")
    file(WRITE "${vobrel_stage}/per-user-data"
         "Each user's pairs, pictures and hall of fame live in $XDG_DATA_HOME/vobrel (~/.local/share/vobrel).\n")
    file(INSTALL DESTINATION "${vobrel_program_dir}" TYPE FILE FILES "${vobrel_stage}/per-user-data")
    return()
  endif()
  foreach(dir Import Export)
    file(MAKE_DIRECTORY "${app}/${dir}")
  endforeach()
  if(EXISTS "${app}/images.mdb")
    message(STATUS "Keeping the existing ${app}/images.mdb")
  else()
    file(INSTALL DESTINATION "${vobrel_program_dir}" TYPE FILE FILES "${VOBREL_DELIVERED_DIR}/images.mdb")
  endif()
endfunction()
