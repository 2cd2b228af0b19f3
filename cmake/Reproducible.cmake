# Release builds (tools/release turns QUIBAC_REPRODUCIBLE on) give the same
# bytes from the same commit wherever it is checked out and built, so that
# anyone can check a release file against the sources. Off otherwise: the
# mapped paths would keep the compiler cache from sharing objects between
# checkouts.
option(QUIBAC_REPRODUCIBLE "Leave build folders and link times out of what is built" OFF)
if(QUIBAC_REPRODUCIBLE)
  # Debug information, __FILE__ and the build id name the sources by a fixed
  # path instead of where they happen to be. The build folder's mapping comes
  # second, as the compiler takes the last that matches and the build folder
  # may lie inside the sources.
  set(QUIBAC_MAPPED_SOURCES /usr/src/quibac-${PROJECT_VERSION})
  add_compile_options(
    "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_SOURCE_DIR}=${QUIBAC_MAPPED_SOURCES}>"
    "$<$<COMPILE_LANGUAGE:C,CXX>:-ffile-prefix-map=${CMAKE_BINARY_DIR}=${QUIBAC_MAPPED_SOURCES}/build>")
  if(WIN32)
    # MinGW's linker otherwise stamps the PE header with the time of the link.
    add_link_options(-Wl,--no-insert-timestamp)
  endif()
endif()
