# add_card_game(name SOURCES ... MAIN main.cpp [RULES page.htm]
#               [TITLE "Name" SUMMARY "one line" DESCRIPTION "one paragraph" KEYWORDS word ... ICON drawing])
# Builds the game as a library (for tests) and a program that links the framework.
# A game that gives its TITLE, SUMMARY, DESCRIPTION, KEYWORDS and ICON is a finished program: it
# is installed with its rules page, desktop entry, AppStream metainfo, icons and manual page, all
# written from those arguments. Without them (test programs) it is only built.
include(GNUInstallDirs)

# Debian keeps games in /usr/games; the data of the collection lives in one directory.
set(QV_INSTALL_BINDIR games CACHE STRING "Where the programs are installed, relative to the prefix")
set(QV_DATA_NAME qv-cardgames)
set(QV_INSTALL_DATADIR ${CMAKE_INSTALL_DATADIR}/${QV_DATA_NAME})
set(QV_INSTALL_FULL_DATADIR ${CMAKE_INSTALL_FULL_DATADIR}/${QV_DATA_NAME})
# The programs find their data relative to themselves, so an installed tree may be moved.
file(RELATIVE_PATH QV_DATA_FROM_PROGRAM /prefix/${QV_INSTALL_BINDIR} /prefix/${QV_INSTALL_DATADIR})
set(QV_SCREENSHOT_URL "https://qv-cardgames.example.org/screenshots" CACHE STRING
    "Where the published screenshots named in the AppStream metainfo are found")
# The desktop knows each program by a reverse-domain id: desktop entry, metainfo, icon, window class.
set(QV_APP_ID_PREFIX "org.qvcardgames" CACHE STRING "The reverse-domain prefix of the programs' desktop ids")
set(QV_ICON_SIZES 16 32 48 64 128 256)
set(QV_PROGRAM_ICON_DIR ${CMAKE_SOURCE_DIR}/cardtable/resources/icons)
set(QV_PROGRAM_TEMPLATES ${CMAKE_CURRENT_LIST_DIR}/program)

function(add_card_game name)
  cmake_parse_arguments(GAME "" "MAIN;RULES;TITLE;SUMMARY;DESCRIPTION;ICON" "SOURCES;KEYWORDS" ${ARGN})
  add_library(${name}_game STATIC ${GAME_SOURCES})
  target_include_directories(${name}_game PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
  target_link_libraries(${name}_game PUBLIC cardtable)
  add_executable(${name} ${GAME_MAIN})
  target_link_libraries(${name} PRIVATE ${name}_game)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  if(GAME_RULES)
    # The rules page lies beside the program, where Help > Rules looks for it first.
    # Named in full: with only a directory that does not exist yet, the page would become a file called bin.
    get_filename_component(page ${GAME_RULES} NAME)
    configure_file(${GAME_RULES} ${CMAKE_BINARY_DIR}/bin/${page} COPYONLY)
  endif()
  if(NOT GAME_SUMMARY)
    return()
  endif()
  foreach(field TITLE DESCRIPTION ICON RULES KEYWORDS)
    if(NOT GAME_${field})
      message(FATAL_ERROR "add_card_game(${name}): an installed program needs ${field}")
    endif()
  endforeach()
  _qv_install_program(${name})
endfunction()

# Everything an installed program gets from its metadata (the GAME_* variables of the caller).
function(_qv_install_program name)
  set(QV_ID ${name})
  set(QV_APP_ID ${QV_APP_ID_PREFIX}.${name})
  set(QV_TITLE "${GAME_TITLE}")
  set(QV_SUMMARY "${GAME_SUMMARY}")
  set(QV_DESCRIPTION "${GAME_DESCRIPTION}")
  set(QV_WINDOW_ICON "${GAME_ICON}_64.png")
  string(JOIN ";" QV_KEYWORDS ${GAME_KEYWORDS})
  set(QV_VERSION ${PROJECT_VERSION})
  set(out ${CMAKE_BINARY_DIR}/share)

  # The metadata compiled into the program: --help, the manual page, window class and icon.
  configure_file(${QV_PROGRAM_TEMPLATES}/metadata.cpp.in ${CMAKE_CURRENT_BINARY_DIR}/${name}_metadata.cpp @ONLY)
  target_sources(${name} PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/${name}_metadata.cpp)

  # XML wants its own escapes in the metainfo.
  foreach(field TITLE SUMMARY DESCRIPTION)
    string(REPLACE "&" "&amp;" QV_${field}_XML "${QV_${field}}")
    string(REPLACE "<" "&lt;" QV_${field}_XML "${QV_${field}_XML}")
    string(REPLACE ">" "&gt;" QV_${field}_XML "${QV_${field}_XML}")
  endforeach()
  configure_file(${QV_PROGRAM_TEMPLATES}/program.desktop.in ${out}/applications/${QV_APP_ID}.desktop @ONLY)
  configure_file(${QV_PROGRAM_TEMPLATES}/program.metainfo.xml.in ${out}/metainfo/${QV_APP_ID}.metainfo.xml @ONLY)

  # The manual page is what the program itself prints, so it cannot drift from --help.
  add_custom_command(
    OUTPUT ${out}/man/man6/${name}.6.gz
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out}/man/man6
    COMMAND sh -c "\"$0\" --manual-page > \"$1\" && gzip -9nf \"$1\"" $<TARGET_FILE:${name}> ${out}/man/man6/${name}.6
    DEPENDS ${name}
    COMMENT "Writing the manual page of ${name}"
    VERBATIM)
  # The screenshot for the metainfo, taken by the program's own headless mode with a fixed deal.
  add_custom_command(
    OUTPUT ${out}/screenshots/${name}.png
    COMMAND ${CMAKE_COMMAND} -E make_directory ${out}/screenshots ${CMAKE_CURRENT_BINARY_DIR}/screenshot-settings
    COMMAND sh -c "echo \"shot $1\" | \"$0\" --headless --seed 7 --dpi 192 --config-dir \"$2\" > /dev/null"
            $<TARGET_FILE:${name}> ${out}/screenshots/${name}.png ${CMAKE_CURRENT_BINARY_DIR}/screenshot-settings
    DEPENDS ${name}
    COMMENT "Taking the screenshot of ${name}"
    VERBATIM)
  add_custom_target(${name}_desktop_files ALL DEPENDS ${out}/man/man6/${name}.6.gz ${out}/screenshots/${name}.png)

  install(TARGETS ${name} RUNTIME DESTINATION ${QV_INSTALL_BINDIR})
  install(FILES ${CMAKE_CURRENT_SOURCE_DIR}/${GAME_RULES} DESTINATION ${QV_INSTALL_DATADIR})
  install(FILES ${out}/screenshots/${name}.png DESTINATION ${QV_INSTALL_DATADIR}/screenshots)
  install(FILES ${out}/applications/${QV_APP_ID}.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
  install(FILES ${out}/metainfo/${QV_APP_ID}.metainfo.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/metainfo)
  install(FILES ${out}/man/man6/${name}.6.gz DESTINATION ${CMAKE_INSTALL_MANDIR}/man6)
  foreach(size ${QV_ICON_SIZES})
    install(FILES ${QV_PROGRAM_ICON_DIR}/${GAME_ICON}_${size}.png
            DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps RENAME ${QV_APP_ID}.png)
  endforeach()
endfunction()
