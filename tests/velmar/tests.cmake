# Velmar: rules, computer player, turn flow and headless state.
add_unit_tests(velmar_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/velmar_fixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rules_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/computer_player_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/turn_flow_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/state_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/table_test.cpp
  LIBS velmar_game)
