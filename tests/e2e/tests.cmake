# End-to-end tests: the built programs run as a user would, headless with scripts, and the real
# window on a virtual display where one is available.
add_unit_tests(e2e_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tabletest_test.cpp
  LIBS cardtable)
target_compile_definitions(e2e_tests PRIVATE TABLETEST_PATH="$<TARGET_FILE:tabletest>")
add_dependencies(e2e_tests tabletest)

# The real window's first picture is read back on a virtual X display where one is available.
find_program(XVFB_RUN xvfb-run)
if(XVFB_RUN)
  target_compile_definitions(e2e_tests PRIVATE XVFB_RUN_PATH="${XVFB_RUN}")
  # Resized by the X server itself (no window manager), clicked through XTEST on a 1024 x 768 screen.
  add_test(NAME e2e.window_resize
           COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24" python3 ${CMAKE_CURRENT_LIST_DIR}/window_resize.py
                   $<TARGET_FILE:tabletest>)
  set_tests_properties(e2e.window_resize PROPERTIES LABELS window TIMEOUT 120)
else()
  message(STATUS "xvfb-run not found: the real-window tests are not built")
endif()

# A card played by real key presses in the real window (label "window").
if(XVFB_RUN)
  add_test(NAME e2e.window_keys.velmar
           COMMAND ${XVFB_RUN} -a -s "-screen 0 1024x768x24" python3 ${CMAKE_CURRENT_LIST_DIR}/window_keys.py $<TARGET_FILE:velmar>)
  set_tests_properties(e2e.window_keys.velmar PROPERTIES LABELS window TIMEOUT 120)
endif()
