# `cmake --install <build> --prefix <folder>` makes <folder> a self-contained application
# folder: the two programs, vobrel-check and the metafile renderer they start, GameOver.bmp, Images/ with the samples, and images.mdb only
# when the folder has none (a user's database is never replaced).
install(TARGETS Vobrel Ortavi vobrel-check metafile-renderer RUNTIME DESTINATION .)
install(FILES ${VOBREL_APP_DIR}/GameOver.bmp DESTINATION .)
install(DIRECTORY ${VOBREL_APP_DIR}/Images/ DESTINATION Images)
install(CODE "
  set(app \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}\")
  foreach(dir Import Export)
    file(MAKE_DIRECTORY \"\${app}/\${dir}\")
  endforeach()
  if(EXISTS \"\${app}/images.mdb\")
    message(STATUS \"Keeping the existing \${app}/images.mdb\")
  else()
    file(COPY \"${VOBREL_APP_DIR}/images.mdb\" DESTINATION \"\${app}\")
    message(STATUS \"Installing: \${app}/images.mdb\")
  endif()
  foreach(program vobrel ortavi)
    file(READ \"${CMAKE_SOURCE_DIR}/desktop/\${program}.desktop.in\" entry)
    string(REPLACE \"@APP_DIR@\" \"\${CMAKE_INSTALL_PREFIX}\" entry \"\${entry}\")
    file(WRITE \"\${app}/share/applications/\${program}.desktop\" \"\${entry}\")
  endforeach()
")
install(FILES ${CMAKE_SOURCE_DIR}/desktop/vobrel.svg ${CMAKE_SOURCE_DIR}/desktop/ortavi.svg
        DESTINATION share/icons/hicolor/scalable/apps)
