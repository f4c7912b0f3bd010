# SPDX-License-Identifier: GPL-2.0-or-later
# The project's libraries, bottom up, each in a folder of its own.
#
# A library's public headers lie in include/<prefix>/ of its folder and are included
# under that prefix ("picture_db/records.h"). A library sees its own include folder and
# those of what it links, so an include that climbs a layer does not build.

function(vobrel_warnings target)
  target_compile_options(${target} PRIVATE -Wall -Wextra)
  if(VOBREL_WERROR)
    target_compile_options(${target} PRIVATE -Werror)
  endif()
endfunction()

# vobrel_library(<name> [PREFIX <include prefix>] HEADERS <h...> SOURCES <cpp...>
#                [PUBLIC <libs...>] [PRIVATE <libs...>])
# With PREFIX the headers are named without folder and lie in include/<prefix>/; without
# it they are paths below the calling folder, which is then the include folder (tests).
function(vobrel_library name)
  cmake_parse_arguments(LIB "" "PREFIX" "HEADERS;SOURCES;PUBLIC;PRIVATE" ${ARGN})
  if(LIB_PREFIX)
    list(TRANSFORM LIB_HEADERS PREPEND include/${LIB_PREFIX}/)
    set(include_dir ${CMAKE_CURRENT_SOURCE_DIR}/include)
  else()
    set(include_dir ${CMAKE_CURRENT_SOURCE_DIR})
  endif()
  add_library(${name} STATIC ${LIB_SOURCES} ${LIB_HEADERS})
  target_include_directories(${name} PUBLIC ${include_dir})
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
