# Trevallo: legal play, the computer's choices, and whole games played in-process.
add_unit_tests(trevallo_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/trevallo_test.cpp
  LIBS trevallo_game game_test_fixture)

# The built program at random under every rule switch: taps, New and the boxes, every invariant
# checked after each event.
foreach(switches "" "one=1" "range=1" "q=1" "hidev=5 one=1 range=1 q=1")
  string(REPLACE " " "_" label "${switches}")
  string(REGEX REPLACE "=[0-9]" "" label "${label}")
  if(label STREQUAL "")
    set(label "default")
  endif()
  set(dir ${CMAKE_CURRENT_BINARY_DIR}/trevallo-monkey-${label})
  separate_arguments(values UNIX_COMMAND "${switches}")
  add_test(NAME TrevalloMonkey.${label}
    COMMAND ${CMAKE_COMMAND} -E env sh -c
      "rm -rf \"$1\" && mkdir -p \"$1\" && { [ -z \"$3\" ] || \"$2\" \"$1\" 'Software\\qv\\trevallo' $3; } && \"$0\" --headless --monkey 2000 --seed 7 --config-dir \"$1\" </dev/null"
      $<TARGET_FILE:trevallo> ${dir} $<TARGET_FILE:replay_store> "${switches}")
  set_tests_properties(TrevalloMonkey.${label} PROPERTIES PASS_REGULAR_EXPRESSION "\"violations\":0}")
endforeach()
