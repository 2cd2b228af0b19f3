# The subsystems under src/ are layered: each is a static library that may
# include only its own headers and those of the subsystems below it. Its
# include directory is not src/ but a view, a folder in the build tree that
# holds a symbolic link for each subsystem it may see, named after it; an
# include written as "show/show.h" in a layer below the show finds no file
# and fails the build.
set(QUIBAC_LAYERS_DIR ${CMAKE_BINARY_DIR}/layers)

# quibac_layer_view(<view> <entry>...): makes layers/<view> afresh with a link
# for every entry, either a subsystem's folder ("display") or one of its
# headers ("display/canvas.h"), for a layer that may use only those.
function(quibac_layer_view view)
  set(folder ${QUIBAC_LAYERS_DIR}/${view})
  file(REMOVE_RECURSE ${folder})  # links are removed, never followed
  file(MAKE_DIRECTORY ${folder})
  foreach(entry IN LISTS ARGN)
    if(NOT EXISTS ${CMAKE_SOURCE_DIR}/src/${entry})
      message(FATAL_ERROR "layer view ${view}: there is no src/${entry}")
    endif()
    get_filename_component(parent ${folder}/${entry} DIRECTORY)
    file(MAKE_DIRECTORY ${parent})
    file(CREATE_LINK ${CMAKE_SOURCE_DIR}/src/${entry} ${folder}/${entry} SYMBOLIC)
  endforeach()
endfunction()

# quibac_subsystem(<name> [SEES <entry>...] [LINKS <target>...]): the static
# library quibac_<name> of src/<name>/*.cpp, whose view holds <name> itself
# and the entries SEES names. Entry points (*_main.cpp) are left out: they
# belong to executables.
function(quibac_subsystem name)
  cmake_parse_arguments(PARSE_ARGV 1 arg "" "" "SEES;LINKS")
  file(GLOB sources CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/src/${name}/*.cpp)
  list(FILTER sources EXCLUDE REGEX "_main\\.cpp$")
  add_library(quibac_${name} STATIC ${sources})
  quibac_layer_view(${name} ${name} ${arg_SEES})
  target_include_directories(quibac_${name} PRIVATE ${QUIBAC_LAYERS_DIR}/${name})
  target_link_libraries(quibac_${name} PUBLIC ${arg_LINKS} quibac_platform)
  quibac_warnings(quibac_${name})
endfunction()
