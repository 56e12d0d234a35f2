# Fails when any engine library lists a Qt library among what it links.
file(READ "${DEPENDS_FILE}" links)
if(links MATCHES "Qt")
  message(FATAL_ERROR "The engine links Qt: ${links}")
endif()
message(STATUS "engine links: ${links}")
