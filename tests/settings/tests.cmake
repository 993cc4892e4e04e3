# Unit tests of the settings and statistics store.
add_unit_tests(settings_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/settings_store_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_faults_test.cpp
  LIBS cardtable SQLite::SQLite3)
