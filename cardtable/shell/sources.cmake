# Sources of cardtable/shell.
target_sources(cardtable_shell PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/settings_store.cpp
  ${CMAKE_CURRENT_LIST_DIR}/command_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_shell.cpp
  ${CMAKE_CURRENT_LIST_DIR}/script_runner.cpp
  ${CMAKE_CURRENT_LIST_DIR}/script_commands.cpp
  ${CMAKE_CURRENT_LIST_DIR}/monkey.cpp
  ${CMAKE_CURRENT_LIST_DIR}/keyboard_focus.cpp
  ${CMAKE_CURRENT_LIST_DIR}/declared_state.cpp
  ${CMAKE_CURRENT_LIST_DIR}/run_program.cpp
  ${CMAKE_CURRENT_LIST_DIR}/program_manual.cpp
)
# The version that --version prints.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/run_program.cpp PROPERTIES
  COMPILE_DEFINITIONS "QV_VERSION=\"${PROJECT_VERSION}\"")
# The Options and Statistics dialogs.
target_sources(cardtable_shell PRIVATE ${CMAKE_CURRENT_LIST_DIR}/options_dialog.cpp ${CMAKE_CURRENT_LIST_DIR}/statistics_dialog.cpp
  ${CMAKE_CURRENT_LIST_DIR}/dialog_commands.cpp ${CMAKE_CURRENT_LIST_DIR}/settings_list.cpp)
# Where the manual page says the rules pages are installed.
set_source_files_properties(${CMAKE_CURRENT_LIST_DIR}/program_manual.cpp PROPERTIES
  COMPILE_DEFINITIONS "QV_DATA_DIR=\"${QV_INSTALL_FULL_DATADIR}\"")
