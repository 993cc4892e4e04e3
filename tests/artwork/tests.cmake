# The embedded artwork: every picture the programs load is there, at its size.
add_unit_tests(artwork_tests SOURCES ${CMAKE_CURRENT_LIST_DIR}/artwork_test.cpp LIBS cardtable)
