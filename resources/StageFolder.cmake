# Replaces DESTINATION with a copy of SOURCE, so pages removed from the source tree
# do not linger in the staged tree. A missing SOURCE leaves an empty folder.
file(REMOVE_RECURSE "${DESTINATION}")
file(MAKE_DIRECTORY "${DESTINATION}")
if(IS_DIRECTORY "${SOURCE}")
  file(COPY "${SOURCE}/" DESTINATION "${DESTINATION}")
endif()
