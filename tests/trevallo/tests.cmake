# Trevallo: legal play, the computer's choices, and whole games played in-process.
add_unit_tests(trevallo_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/trevallo_fixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rules_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/computer_player_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/turn_flow_test.cpp
  LIBS trevallo_game)
