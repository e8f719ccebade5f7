# What "cmake --install" puts where: both programs, the desktop entry and icon, the man pages,
# the user guide and the sample files. Included from the top-level CMakeLists.txt.
include(GNUInstallDirs)

install(TARGETS velkora-cli RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(VELKORA_BUILD_GUI)
  install(TARGETS velkora RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/velkora.desktop
    DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${PROJECT_SOURCE_DIR}/packaging/velkora.svg
    DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
endif()

# Man pages are installed compressed, as Debian keeps them.
find_program(VELKORA_GZIP gzip)
set(man_pages velkora-cli.1)
if(VELKORA_BUILD_GUI)
  list(APPEND man_pages velkora.1)
endif()
foreach(page IN LISTS man_pages)
  set(source ${PROJECT_SOURCE_DIR}/docs/man/${page})
  if(VELKORA_GZIP)
    set(compressed ${PROJECT_BINARY_DIR}/man/${page}.gz)
    add_custom_command(OUTPUT ${compressed}
      COMMAND ${CMAKE_COMMAND} -E make_directory ${PROJECT_BINARY_DIR}/man
      COMMAND ${VELKORA_GZIP} -9 -n -c ${source} > ${compressed}
      DEPENDS ${source} VERBATIM)
    list(APPEND compressed_pages ${compressed})
    install(FILES ${compressed} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  else()
    install(FILES ${source} DESTINATION ${CMAKE_INSTALL_MANDIR}/man1)
  endif()
endforeach()
if(compressed_pages)
  add_custom_target(velkora_man_pages ALL DEPENDS ${compressed_pages})
endif()

# The guide with the pictures it shows, where Debian keeps a package's documents.
set(doc_folder ${CMAKE_INSTALL_DATADIR}/doc/velkora)
install(FILES ${PROJECT_SOURCE_DIR}/docs/guide.md ${PROJECT_SOURCE_DIR}/README.md
  DESTINATION ${doc_folder})
install(DIRECTORY ${PROJECT_SOURCE_DIR}/docs/images DESTINATION ${doc_folder})

# The sample files of every input layout, named in packaging/examples.txt; the guide's
# examples run on them.
file(STRINGS ${PROJECT_SOURCE_DIR}/packaging/examples.txt examples)
set_property(DIRECTORY APPEND PROPERTY CMAKE_CONFIGURE_DEPENDS
  ${PROJECT_SOURCE_DIR}/packaging/examples.txt)
foreach(example IN LISTS examples)
  install(FILES ${PROJECT_SOURCE_DIR}/tests/data/${example}
    DESTINATION ${CMAKE_INSTALL_DATADIR}/velkora/examples)
endforeach()
