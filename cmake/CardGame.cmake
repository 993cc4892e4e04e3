# add_card_game(name SOURCES ... MAIN main.cpp [RULES page.htm])
# Builds the game as a library (for tests) and a program that links the framework.
function(add_card_game name)
  cmake_parse_arguments(GAME "" "MAIN;RULES" "SOURCES" ${ARGN})
  add_library(${name}_game STATIC ${GAME_SOURCES})
  target_include_directories(${name}_game PUBLIC ${CMAKE_CURRENT_SOURCE_DIR}/..)
  target_link_libraries(${name}_game PUBLIC cardtable)
  add_executable(${name} ${GAME_MAIN})
  target_link_libraries(${name} PRIVATE ${name}_game)
  set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
  if(GAME_RULES)
    # The rules page lies beside the program, where Help > Rules looks for it.
    # Named in full: with only a directory that does not exist yet, the page would become a file called bin.
    get_filename_component(page ${GAME_RULES} NAME)
    configure_file(${GAME_RULES} ${CMAKE_BINARY_DIR}/bin/${page} COPYONLY)
  endif()
endfunction()
