# Unit tests of cardtable/cards.
add_unit_tests(cards_tests
  SOURCES
    ${CMAKE_CURRENT_LIST_DIR}/card_set_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/selection_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/random_deck_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/status_line_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/card_json_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/card_render_test.cpp
    ${CMAKE_CURRENT_LIST_DIR}/table_elements_test.cpp
  LIBS cardtable)
