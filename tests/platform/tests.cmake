# Unit tests of the platform layer: canvas, window, message box, help launcher.
add_unit_tests(platform_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/canvas_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/window_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/message_box_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/help_launcher_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/sdl_window_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/picture_cache_test.cpp
  LIBS cardtable)
# Pictures the tests save for looking at go into the build tree, wherever the tests run from.
target_compile_definitions(platform_tests PRIVATE TEST_PICTURE_DIR="${CMAKE_CURRENT_BINARY_DIR}")
