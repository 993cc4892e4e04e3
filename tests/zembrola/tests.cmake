# Zembrola: the desk, the rules and the computer player.
add_unit_tests(zembrola_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/rules_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/computer_player_test.cpp
  LIBS zembrola_game game_test_fixture)

# The built program at random: taps, New and the boxes, every invariant checked after each event.
add_test(NAME ZembrolaMonkey.RandomPlayBreaksNoRule
  COMMAND zembrola --headless --monkey 3000 --seed 7 --config-dir ${CMAKE_CURRENT_BINARY_DIR}/zembrola-monkey)
