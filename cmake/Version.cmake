# The project's version, handed to everything that shows or carries one:
#   quibac_version          a library whose header quibac_version.h gives
#                           quibac::kVersion (the Linux programs' --version, a
#                           web page's footer);
#   quibac-version.txt      the version alone, in the build folder, for tools
#                           (tools/release names the release files by it);
#   quibac_add_version_resource(target)
#                           the Windows version resource of an executable.
# Packaging.cmake gives it to the .deb.
if(NOT PROJECT_VERSION MATCHES "^[0-9]+\\.[0-9]+\\.[0-9]+$")
  # The Windows version resource and the installer want all three numbers.
  message(FATAL_ERROR "the project version must be MAJOR.MINOR.PATCH, not '${PROJECT_VERSION}'")
endif()

set(QUIBAC_VERSION_DIR ${CMAKE_BINARY_DIR}/generated/version)
configure_file(${CMAKE_CURRENT_LIST_DIR}/quibac_version.h.in ${QUIBAC_VERSION_DIR}/quibac_version.h @ONLY)
file(WRITE ${CMAKE_BINARY_DIR}/quibac-version.txt "${PROJECT_VERSION}\n")
add_library(quibac_version INTERFACE)
target_include_directories(quibac_version INTERFACE ${QUIBAC_VERSION_DIR})

if(WIN32)
  configure_file(${CMAKE_CURRENT_LIST_DIR}/quibac_version.rc.in ${QUIBAC_VERSION_DIR}/quibac_version.rc @ONLY)
endif()

function(quibac_add_version_resource target)
  if(WIN32)
    target_sources(${target} PRIVATE ${QUIBAC_VERSION_DIR}/quibac_version.rc)
  endif()
endfunction()
