# The artwork embedded into every program (see platform/resources.hpp for the names).
# The programs' own icons are drawn at every desktop size into icons/ and installed by
# add_card_game(); the 64-pixel one of each is also embedded, as the window icon.
file(GLOB QV_ART_FILES CONFIGURE_DEPENDS ${CMAKE_CURRENT_LIST_DIR}/*.png ${CMAKE_CURRENT_LIST_DIR}/icons/*_64.png)
embed_files(OUTPUT ${CMAKE_CURRENT_BINARY_DIR}/embedded_art.cpp FUNCTION ct::resourceData HEADER platform/resources.hpp FILES ${QV_ART_FILES})
target_sources(cardtable_platform PRIVATE ${CMAKE_CURRENT_BINARY_DIR}/embedded_art.cpp)

# The generator that draws those PNGs. It is not part of the build: the PNGs are committed.
# Redraw them with `cmake --build BUILD --target artwork`, then look at them and commit.
add_executable(make_artwork EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/make_artwork.cpp)
target_link_libraries(make_artwork PRIVATE PkgConfig::SDL2 PkgConfig::SDL2_IMAGE)
add_custom_target(artwork
  COMMAND ${CMAKE_COMMAND} -E make_directory ${CMAKE_CURRENT_LIST_DIR}/icons
  COMMAND make_artwork ${CMAKE_CURRENT_LIST_DIR}
  COMMENT "Drawing the artwork into ${CMAKE_CURRENT_LIST_DIR}"
  VERBATIM)

