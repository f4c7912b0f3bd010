# SPDX-License-Identifier: GPL-2.0-or-later
# The project's libraries, bottom up, each with an include root of its own.
#
# A library's headers are reached only through its include root, where they appear
# under their folder name ("picture_db/records.h"). A library sees its own root and the
# roots of what it links, so an include that climbs a layer does not build.

function(vobrel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(VOBREL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# vobrel_library(<name> FOLDER <include prefix> HEADERS <h...> SOURCES <cpp...>
#                [PUBLIC <libs...>] [PRIVATE <libs...>])
# Header and source paths are relative to the calling folder.
function(vobrel_library name)
  cmake_parse_arguments(LIB "" "FOLDER" "HEADERS;SOURCES;PUBLIC;PRIVATE" ${ARGN})
  if(NOT LIB_FOLDER)
    message(FATAL_ERROR "vobrel_library(${name}): FOLDER is required")
  endif()
  set(root ${CMAKE_BINARY_DIR}/include_roots/${name})
  file(REMOVE_RECURSE ${root})
  foreach(header IN LISTS LIB_HEADERS)
    set(link ${root}/${LIB_FOLDER}/${header})
    get_filename_component(link_dir ${link} DIRECTORY)
    file(MAKE_DIRECTORY ${link_dir})
    file(CREATE_LINK ${CMAKE_CURRENT_SOURCE_DIR}/${header} ${link} SYMBOLIC)
  endforeach()
  add_library(${name} STATIC ${LIB_SOURCES} ${LIB_HEADERS})
  target_include_directories(${name} PUBLIC ${root})
  target_link_libraries(${name} PUBLIC ${LIB_PUBLIC} PRIVATE ${LIB_PRIVATE})
  vobrel_warnings(${name})
endfunction()

# A program of the application folder.
function(vobrel_program name)
  cmake_parse_arguments(PROG "" "" "SOURCES;LIBRARIES" ${ARGN})
  add_executable(${name} ${PROG_SOURCES})
  target_link_libraries(${name} PRIVATE ${PROG_LIBRARIES})
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VOBREL_APP_DIR})
  vobrel_warnings(${name})
endfunction()
