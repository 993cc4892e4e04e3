# The layers hold: a file of a lower layer that includes a header of a higher one does not compile.
# Each probe is built on its own, outside the normal build, and must fail for want of that header.
foreach(probe platform cards)
  add_library(layer_probe_${probe} OBJECT EXCLUDE_FROM_ALL ${CMAKE_CURRENT_LIST_DIR}/forbidden_${probe}.cpp)
  target_link_libraries(layer_probe_${probe} PRIVATE cardtable_${probe})
  add_test(NAME layers.${probe}_cannot_include_above
    COMMAND ${CMAKE_COMMAND} --build ${CMAKE_BINARY_DIR} --target layer_probe_${probe})
  set_tests_properties(layers.${probe}_cannot_include_above PROPERTIES
    PASS_REGULAR_EXPRESSION "(cards/card|shell/shell)\\.hpp: No such file")
endforeach()
