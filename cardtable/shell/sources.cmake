# Sources of cardtable/shell.
target_sources(cardtable PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/settings_store.cpp
)
