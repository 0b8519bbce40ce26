# The installed layout keeps the program and its data together, as the build tree does:
# <prefix>/lib/korvocad holds the executables, the plug-in and the data files they find
# beside themselves; <prefix>/bin has links to the two programs; the desktop entry and the
# icon go where desktops look for them.
set(KORVOCAD_INSTALL_DIR lib/korvocad)

install(TARGETS kcadccs LIBRARY DESTINATION ${KORVOCAD_INSTALL_DIR})
if(TARGET korvocad-cli)
  install(TARGETS korvocad-cli RUNTIME DESTINATION ${KORVOCAD_INSTALL_DIR})
endif()
if(TARGET korvocad)
  install(TARGETS korvocad RUNTIME DESTINATION ${KORVOCAD_INSTALL_DIR})
endif()
install(DIRECTORY ${PROJECT_SOURCE_DIR}/data/ DESTINATION ${KORVOCAD_INSTALL_DIR}
        PATTERN "korvocad.desktop" EXCLUDE
        PATTERN "korvocad.png" EXCLUDE)

install(FILES ${PROJECT_SOURCE_DIR}/data/korvocad.desktop DESTINATION share/applications)
if(EXISTS ${PROJECT_SOURCE_DIR}/data/korvocad.png)
  install(FILES ${PROJECT_SOURCE_DIR}/data/korvocad.png DESTINATION share/pixmaps)
endif()

# Relative links, so that the tree can be moved or packaged as a whole.
foreach(program korvocad korvocad-cli)
  if(TARGET ${program})
    install(CODE "
      set(link \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin/${program}\")
      file(MAKE_DIRECTORY \"\$ENV{DESTDIR}\${CMAKE_INSTALL_PREFIX}/bin\")
      file(REMOVE \"\${link}\")
      file(CREATE_LINK ../${KORVOCAD_INSTALL_DIR}/${program} \"\${link}\" SYMBOLIC)
      message(STATUS \"Installing: \${link} -> ../${KORVOCAD_INSTALL_DIR}/${program}\")")
  endif()
endforeach()

if(KORVOCAD_BUILD_TESTS)
  add_test(NAME install_layout
           COMMAND bash ${PROJECT_SOURCE_DIR}/tests/install/install_layout_test.sh
                   ${CMAKE_BINARY_DIR} $<BOOL:${KORVOCAD_BUILD_APP}>)
  set_tests_properties(install_layout PROPERTIES TIMEOUT 300 LABELS install)
endif()
