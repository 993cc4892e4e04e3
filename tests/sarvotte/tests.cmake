# Sarvotte: the computer's choice, legal moves, the turn flow's decisions and whole games checked
# against the rule invariants.
add_unit_tests(sarvotte_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/sarvotte_test.cpp
  LIBS sarvotte_game game_test_fixture)
target_compile_definitions(sarvotte_tests PRIVATE SARVOTTE_SHOT_DIR="${CMAKE_CURRENT_BINARY_DIR}")
