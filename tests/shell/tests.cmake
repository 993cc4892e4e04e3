# Unit tests of the shell: command line, start-up and window procedure, scripts, random play.
add_unit_tests(shell_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/command_line_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/program_shell_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/script_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/declared_state_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/keyboard_focus_test.cpp
  LIBS cardtable)
