# The artwork embedded into every program (see platform/resources.hpp for the names).
file(GLOB QV_ART_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.png)
embed_files(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/embedded_art.cpp FUNCTION ct::resourceData HEADER platform/resources.hpp FILES ${QV_ART_FILES})
target_sources(cardtable PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/embedded_art.cpp)
