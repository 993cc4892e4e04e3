# Golden replays: each tests/replays/<program>/<name>.script run headless, its output compared with
# <name>.expected. Every folder named after a program target becomes that program's replays.
add_executable(replay_store ${CMAKE_CURRENT_LIST_DIR}/store_tool.cpp)
target_link_libraries(replay_store PRIVATE cardtable)
set_target_properties(replay_store PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_CURRENT_BINARY_DIR}/replays)

# add_golden_replay(program path/to/name.script): the CTest test replay.<program>.<name>, and
# resized.<program>.<name>, the same play with the table laid out again at other densities.
function(add_golden_replay program script)
  get_filename_component(name ${script} NAME_WE)
  get_filename_component(script ${script} ABSOLUTE BASE_DIR ${CMAKE_SOURCE_DIR})
  add_test(NAME replay.${program}.${name}
           COMMAND ${CMAKE_SOURCE_DIR}/scripts/replay-one.sh $<TARGET_FILE:${program}>
                   $<TARGET_FILE:replay_store> ${script})
  # Random play reads no script lines, so there is nothing to resize between; its taps are drawn
  # at the density it runs at.
  file(STRINGS ${script} args REGEX "^# args:")
  if(NOT args MATCHES "--monkey")
    add_test(NAME resized.${program}.${name}
             COMMAND ${CMAKE_SOURCE_DIR}/scripts/replay-one.sh --resized $<TARGET_FILE:${program}>
                     $<TARGET_FILE:replay_store> ${script})
  endif()
endfunction()

# add_golden_replays(program folder): every .script in the folder.
function(add_golden_replays program folder)
  file(GLOB scripts CONFIGURE_DEPENDS ${folder}/*.script)
  foreach(script ${scripts})
    add_golden_replay(${program} ${script})
  endforeach()
endfunction()

file(GLOB replay_folders LIST_DIRECTORIES true ${CMAKE_CURRENT_LIST_DIR}/*)
foreach(folder ${replay_folders})
  get_filename_component(program ${folder} NAME)
  if(IS_DIRECTORY ${folder} AND TARGET ${program})
    add_golden_replays(${program} ${folder})
  endif()
endforeach()
