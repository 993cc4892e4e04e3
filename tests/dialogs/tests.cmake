# Unit tests of the dialog manager and the Options and Statistics dialogs, the pictures of every
# program's own dialogs among them.
add_unit_tests(dialog_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/dialog_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/options_dialog_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_picture_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/dialog_backend_test.cpp
  LIBS velmar_game tabletest_game zembrola_game trevallo_game sarvotte_game)
# The pictures of the dialogs land here, to be looked at.
target_compile_definitions(dialog_tests PRIVATE QV_DIALOG_SHOTS="${CMAKE_CURRENT_BINARY_DIR}/dialog_shots")
