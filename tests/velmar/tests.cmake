# Velmar: rules, computer player and the turn flow a transcript cannot see.
add_unit_tests(velmar_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/rules_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/computer_player_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/turn_flow_test.cpp
  LIBS velmar_game game_test_fixture)

# Velmar's table as pictures, from the built program (everything else end to end is a golden replay).
add_unit_tests(velmar_picture_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/pictures_test.cpp
  LIBS cardtable)
target_compile_definitions(velmar_picture_tests PRIVATE
  VELMAR_PROGRAM="$<TARGET_FILE:velmar>"
  VELMAR_SHOT_DIR="${CMAKE_CURRENT_BINARY_DIR}/velmar-shots")
add_dependencies(velmar_picture_tests velmar)
