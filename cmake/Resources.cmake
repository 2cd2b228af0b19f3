# The executable's resources come from one resource script, assets/quibac.rc.
# On Windows it is compiled by the resource compiler; elsewhere the files it
# names are embedded into a table that the platform layer serves to
# FindResourceA.
set(QUIBAC_RC ${CMAKE_SOURCE_DIR}/assets/quibac.rc)

if(NOT WIN32)
  add_executable(resembed ${CMAKE_SOURCE_DIR}/tools/resembed/resembed.cpp)
  quibac_warnings(resembed)
  set(QUIBAC_EMBEDDED ${CMAKE_BINARY_DIR}/generated/embedded_resources.cpp)
  file(GLOB QUIBAC_ASSET_FILES CONFIGURE_DEPENDS ${CMAKE_SOURCE_DIR}/assets/*)
  add_custom_command(
    OUTPUT ${QUIBAC_EMBEDDED}
    COMMAND resembed ${QUIBAC_RC} ${QUIBAC_EMBEDDED}
    DEPENDS resembed ${QUIBAC_ASSET_FILES}
    COMMENT "Embedding the resource set"
    VERBATIM)
  add_library(quibac_resources OBJECT ${QUIBAC_EMBEDDED})
  target_link_libraries(quibac_resources PRIVATE quibac_platform)
endif()

function(quibac_add_resources target)
  if(WIN32)
    if(EXISTS ${QUIBAC_RC})
      target_sources(${target} PRIVATE ${QUIBAC_RC})
    endif()
  else()
    target_sources(${target} PRIVATE $<TARGET_OBJECTS:quibac_resources>)
  endif()
endfunction()
