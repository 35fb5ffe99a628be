# Copies SOURCE to DESTINATION only when DESTINATION does not exist yet, so
# that a user's own file is never replaced by a build.
if(NOT EXISTS "${DESTINATION}")
  configure_file("${SOURCE}" "${DESTINATION}" COPYONLY)
endif()
