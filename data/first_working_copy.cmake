# Copies the factory store to the working store only when none exists yet.
if(NOT EXISTS "${WORKING}")
  configure_file("${FACTORY}" "${WORKING}" COPYONLY)
endif()
