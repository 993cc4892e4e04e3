# Sources of cardtable/cards.
target_sources(cardtable_cards PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/card_style.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_set.cpp
  ${CMAKE_CURRENT_LIST_DIR}/random.cpp
  ${CMAKE_CURRENT_LIST_DIR}/deck.cpp
  ${CMAKE_CURRENT_LIST_DIR}/status_line.cpp
  ${CMAKE_CURRENT_LIST_DIR}/clpa.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_render.cpp
  ${CMAKE_CURRENT_LIST_DIR}/card_json.cpp
  ${CMAKE_CURRENT_LIST_DIR}/table_elements.cpp
)
