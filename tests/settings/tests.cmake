# Unit tests of the settings and statistics store.
add_unit_tests(settings_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/settings_store_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/settings_faults_test.cpp
  LIBS cardtable SQLite::SQLite3)

# The win tally through the shell: running copies, locks, failed writes, the count's limit.
add_unit_tests(tally_tests
  SOURCES ${CMAKE_CURRENT_LIST_DIR}/tally_test.cpp
  LIBS cardtable SQLite::SQLite3)
