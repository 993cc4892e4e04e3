# Sources of cardtable/platform.
target_sources(cardtable_platform PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/canvas.cpp
  ${CMAKE_CURRENT_LIST_DIR}/density.cpp
  ${CMAKE_CURRENT_LIST_DIR}/fonts.cpp
  ${CMAKE_CURRENT_LIST_DIR}/window_base.cpp
  ${CMAKE_CURRENT_LIST_DIR}/message_box.cpp
  ${CMAKE_CURRENT_LIST_DIR}/headless_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sdl_window.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sdl_menu_bar.cpp
  ${CMAKE_CURRENT_LIST_DIR}/sdl_table_keys.cpp
  ${CMAKE_CURRENT_LIST_DIR}/help_launcher.cpp
)
# The dialog manager.
target_sources(cardtable_platform PRIVATE ${CMAKE_CURRENT_LIST_DIR}/dialog.cpp ${CMAKE_CURRENT_LIST_DIR}/dialog_script.cpp)
# Where the installed programs find their rules pages, relative to themselves.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/help_launcher.cpp PROPERTIES
  COMPILE_DEFINITIONS "QV_DATA_FROM_PROGRAM=\"${QV_DATA_FROM_PROGRAM}\"")
