# Install rules: the program folder <prefix>/lib/karumoa holds the
# executables, the seven reference databases and the help file together,
# because the program looks for its data beside itself; <prefix>/bin gets
# symbolic links to the executables (the program finds its real folder
# through the link), and the desktop entry, the MIME type of project files
# and the icons go under share/. Installed into a prefix of a user's own
# (not a staging DESTDIR), the MIME and desktop databases there are brought
# up to date when their tools are present, so that file managers open
# project files with the program at once.
#   cmake --install build --prefix ~/.local
include(GNUInstallDirs)

set(KARUMOA_INSTALL_PROGRAM_DIR lib/karumoa)

# The databases the build writes into the program folder (data/CMakeLists.txt;
# the names the reference-table loader opens).
set(KARUMOA_INSTALL_DATA_FILES)
foreach(database Gaiki NetuDendou Ondosa Nissya Jintai Syoudo kanki)
  list(APPEND KARUMOA_INSTALL_DATA_FILES ${KARUMOA_BIN_DIR}/${database}.sqlite)
endforeach()
list(APPEND KARUMOA_INSTALL_DATA_FILES ${KARUMOA_BIN_DIR}/Karumoa.hlp)

set(KARUMOA_INSTALL_PROGRAMS karumoa-calc)
if(TARGET karumoa)
  list(APPEND KARUMOA_INSTALL_PROGRAMS karumoa)
endif()
# karumoa-calc runs karumoa-doc from its own folder for --format pdf.
if(TARGET karumoa-doc)
  list(APPEND KARUMOA_INSTALL_PROGRAMS karumoa-doc)
endif()

install(TARGETS ${KARUMOA_INSTALL_PROGRAMS} RUNTIME DESTINATION ${KARUMOA_INSTALL_PROGRAM_DIR})
install(FILES ${KARUMOA_INSTALL_DATA_FILES} DESTINATION ${KARUMOA_INSTALL_PROGRAM_DIR})

file(RELATIVE_PATH KARUMOA_BIN_TO_PROGRAM /prefix/${CMAKE_INSTALL_BINDIR}
     /prefix/${KARUMOA_INSTALL_PROGRAM_DIR})
foreach(program ${KARUMOA_INSTALL_PROGRAMS})
  install(CODE "
    set(bindir \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_BINDIR}\")
    file(MAKE_DIRECTORY \"\${bindir}\")
    file(REMOVE \"\${bindir}/${program}\")
    file(CREATE_LINK \"${KARUMOA_BIN_TO_PROGRAM}/${program}\" \"\${bindir}/${program}\" SYMBOLIC)
    message(STATUS \"Installing: \${bindir}/${program} -> ${KARUMOA_BIN_TO_PROGRAM}/${program}\")")
endforeach()

if(TARGET karumoa)
  set(desktop ${CMAKE_SOURCE_DIR}/data/desktop)
  install(FILES ${desktop}/karumoa.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  # The MIME type of project files (*.kmd); the desktop entry names it.
  install(FILES ${desktop}/karumoa-mime.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages
          RENAME karumoa.xml)
  install(FILES ${desktop}/karumoa.svg
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
  foreach(size 64 128)
    install(FILES ${desktop}/karumoa-${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
            RENAME karumoa.png)
  endforeach()
  install(CODE "
    if(\"\$ENV{DESTDIR}\" STREQUAL \"\")
      find_program(update_mime update-mime-database)
      find_program(update_desktop update-desktop-database)
      if(update_mime)
        execute_process(COMMAND \${update_mime} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/mime\"
                        OUTPUT_QUIET ERROR_QUIET)
      endif()
      if(update_desktop)
        execute_process(COMMAND \${update_desktop} \"\${CMAKE_INSTALL_PREFIX}/${CMAKE_INSTALL_DATADIR}/applications\"
                        OUTPUT_QUIET ERROR_QUIET)
      endif()
    endif()")
endif()
