# Velmar: rules, computer player, turn flow, headless state and whole games played by taps.
add_unit_tests(velmar_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/velmar_fixture.cpp
    ${CMAKE_CURRENT_LIST_DIR}/rules_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/computer_player_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/turn_flow_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/state_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/table_test.cpp
  LIBS velmar_game)

# Velmar end to end: the built program run headless with scripts and at random.
add_unit_tests(velmar_e2e_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/e2e_dialogs_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/e2e_program_test.cpp
  LIBS cardtable)
target_compile_definitions(velmar_e2e_tests PRIVATE
  VELMAR_PROGRAM="$<TARGET_FILE:velmar>"
  VELMAR_SHOT_DIR="${CMAKE_CURRENT_BINARY_DIR}/velmar-shots")
if(QV_SANITIZE)
  target_compile_definitions(velmar_e2e_tests PRIVATE VELMAR_SLOW_BUILD=1)
endif()
add_dependencies(velmar_e2e_tests velmar)
