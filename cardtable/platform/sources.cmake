# Sources of cardtable/platform.
target_sources(cardtable PRIVATE
  ${CMAKE_CURRENT_LIST_DIR}/canvas.cpp
)
