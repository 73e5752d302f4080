# Copies the run-time files from SOURCE to the program folder DEST.
# The settings file is the player's once it is there: it is copied only when missing.
file(GLOB_RECURSE files RELATIVE ${SOURCE} ${SOURCE}/*)
foreach(rel IN LISTS files)
    set(target ${DEST}/${rel})
    if(rel STREQUAL "config/last.cfg" AND EXISTS ${target})
        continue()
    endif()
    get_filename_component(dir ${target} DIRECTORY)
    file(MAKE_DIRECTORY ${dir})
    file(COPY_FILE ${SOURCE}/${rel} ${target} ONLY_IF_DIFFERENT)
endforeach()
