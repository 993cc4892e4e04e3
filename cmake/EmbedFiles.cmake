# embed_files(OUTPUT file.cpp FUNCTION name HEADER decl.hpp FILES a.png b.html ...)
# Writes a C++ source holding each file's bytes and a lookup function
#   std::span<const unsigned char> name(std::string_view fileName)
# so that a program is one self-contained executable.
function(embed_files)
  cmake_parse_arguments(EMBED "" "OUTPUT;FUNCTION;HEADER" "FILES" ${ARGN})
  set(script "${CMAKE_SOURCE_DIR}/cmake/EmbedFilesScript.cmake")
  add_custom_command(
    OUTPUT "${EMBED_OUTPUT}"
    COMMAND ${CMAKE_COMMAND} -DOUTPUT=${EMBED_OUTPUT} -DFUNCTION=${EMBED_FUNCTION} -DHEADER=${EMBED_HEADER}
            "-DFILES=${EMBED_FILES}" -P "${script}"
    DEPENDS ${EMBED_FILES} "${script}"
    COMMENT "Embedding ${EMBED_FUNCTION}"
    VERBATIM)
endfunction()
