# The executable's resources come from one resource script, assets/quibac.rc,
# which includes the generated assets/art.rc. On Windows it is compiled by the
# resource compiler; elsewhere resembed turns it into a table that the
# platform layer serves to FindResourceA (files embedded as they are, dialogs
# compiled to templates).
set(QUIBAC_RC ${CMAKE_SOURCE_DIR}/assets/quibac.rc)
set(QUIBAC_ASSETS_DIR ${CMAKE_SOURCE_DIR}/assets)
file(GLOB QUIBAC_ASSET_FILES CONFIGURE_DEPENDS ${QUIBAC_ASSETS_DIR}/*)

if(WIN32)
  # windres finds the files the script names through its include path.
  set_source_files_properties(${QUIBAC_RC} PROPERTIES
    OBJECT_DEPENDS "${QUIBAC_ASSET_FILES}"
    INCLUDE_DIRECTORIES "${QUIBAC_ASSETS_DIR}")
  if(EXISTS ${QUIBAC_RC})
    # Compiled on its own as well, so every Windows build checks the script
    # even before an executable uses it.
    add_library(quibac_resource_check OBJECT ${QUIBAC_RC})
  endif()
else()
  # The script reader and dialog compiler are a library of their own, so that
  # the fuzz target and the suites that replay its corpus read scripts with
  # the very code the build uses.
  if(CMAKE_CROSSCOMPILING)
    # The browser's build: resembed runs on the build machine, so it is built
    # there, with the machine's own compiler, as a project of its own.
    include(ExternalProject)
    set(QUIBAC_HOST_TOOLS ${CMAKE_BINARY_DIR}/host-tools)
    ExternalProject_Add(resembed_host
      SOURCE_DIR ${CMAKE_SOURCE_DIR}/cmake/host-tools
      BINARY_DIR ${QUIBAC_HOST_TOOLS}
      CMAKE_ARGS -DQUIBAC_SOURCE_DIR=${CMAKE_SOURCE_DIR} -DCMAKE_BUILD_TYPE=Release
      BUILD_ALWAYS ON
      BUILD_BYPRODUCTS ${QUIBAC_HOST_TOOLS}/resembed
      INSTALL_COMMAND "")
    set(QUIBAC_RESEMBED ${QUIBAC_HOST_TOOLS}/resembed)
    set(QUIBAC_RESEMBED_TARGET resembed_host)
  else()
    file(GLOB RESEMBED_SOURCES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/tools/resembed/*.cpp)
    list(FILTER RESEMBED_SOURCES EXCLUDE REGEX "/resembed\\.cpp$")
    add_library(resembed_script STATIC ${RESEMBED_SOURCES})
    target_include_directories(resembed_script PUBLIC ${CMAKE_SOURCE_DIR}/tools)
    quibac_warnings(resembed_script)
    add_executable(resembed ${CMAKE_SOURCE_DIR}/tools/resembed/resembed.cpp)
    target_link_libraries(resembed PRIVATE resembed_script)
    quibac_warnings(resembed)
    set(QUIBAC_RESEMBED resembed)
    set(QUIBAC_RESEMBED_TARGET resembed)
  endif()
  set(QUIBAC_EMBEDDED ${CMAKE_BINARY_DIR}/generated/embedded_resources.cpp)
  add_custom_command(
    OUTPUT ${QUIBAC_EMBEDDED}
    COMMAND ${QUIBAC_RESEMBED} ${QUIBAC_RC} ${QUIBAC_EMBEDDED}
    DEPENDS ${QUIBAC_RESEMBED_TARGET} ${QUIBAC_ASSET_FILES}
    COMMENT "Embedding the resource set"
    VERBATIM)
  add_library(quibac_resources OBJECT ${QUIBAC_EMBEDDED})
  # The generated source pulls the files in with .incbin, which the compiler's
  # dependency scan does not see: a regenerated picture whose script line is
  # unchanged must still rebuild the object that carries it.
  set_source_files_properties(${QUIBAC_EMBEDDED} PROPERTIES OBJECT_DEPENDS "${QUIBAC_ASSET_FILES}")
  target_link_libraries(quibac_resources PRIVATE quibac_platform)

  # When a MinGW resource compiler is at hand, the script is also compiled by
  # it, so that tests can hold resembed's templates against windres's.
  find_program(QUIBAC_WINDRES NAMES x86_64-w64-mingw32-windres i686-w64-mingw32-windres windres)
  if(QUIBAC_WINDRES AND EXISTS ${QUIBAC_RC} AND NOT CMAKE_CROSSCOMPILING)
    set(QUIBAC_WINDRES_RES ${CMAKE_BINARY_DIR}/generated/quibac.res)
    add_custom_command(
      OUTPUT ${QUIBAC_WINDRES_RES}
      COMMAND ${QUIBAC_WINDRES} -I ${QUIBAC_ASSETS_DIR} -O res ${QUIBAC_RC} ${QUIBAC_WINDRES_RES}
      DEPENDS ${QUIBAC_ASSET_FILES}
      COMMENT "Compiling the resource script with windres"
      VERBATIM)
    add_custom_target(quibac_windres_res DEPENDS ${QUIBAC_WINDRES_RES})
  endif()
endif()

function(quibac_add_resources target)
  if(WIN32)
    if(EXISTS ${QUIBAC_RC})
      target_sources(${target} PRIVATE ${QUIBAC_RC})
    endif()
  else()
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:quibac_resources>)
    if(CMAKE_CROSSCOMPILING)
      return()
    endif()
    # Tests of the resource handling run resembed (and windres) themselves.
    add_dependencies(${target} resembed)
    target_compile_definitions(${target} PRIVATE QUIBAC_RESEMBED="$<TARGET_FILE:resembed>")
    if(TARGET quibac_windres_res)
      add_dependencies(${target} quibac_windres_res)
      target_compile_definitions(${target} PRIVATE QUIBAC_WINDRES_RES="${QUIBAC_WINDRES_RES}"
                                                   QUIBAC_WINDRES="${QUIBAC_WINDRES}")
    endif()
  endif()
endfunction()
