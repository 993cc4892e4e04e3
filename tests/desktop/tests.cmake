# What a user installs: the programs from a moved install tree, their desktop entries, metainfo,
# icons and manual pages (scripts/check-desktop.sh; the package itself is checked by scripts/test.sh).
find_program(DESKTOP_FILE_VALIDATE desktop-file-validate)
find_program(APPSTREAMCLI appstreamcli)
if(DESKTOP_FILE_VALIDATE AND APPSTREAMCLI)
  add_test(NAME desktop_install COMMAND ${CMAKE_SOURCE_DIR}/scripts/check-desktop.sh ${CMAKE_BINARY_DIR})
else()
  message(STATUS "desktop-file-validate or appstreamcli not found: the install check is not run")
endif()
