# At install time, when the prefix is known: the desktop entry, whose Exec names the installed program
# by its absolute path, so that menus start it whether or not the prefix's bin is on PATH.
# in: template, entry_file (the file to write), entry (its name), program (the program's path below the prefix)
# A relative prefix counts from the folder cmake --install runs in, as it does for the files.
get_filename_component(exec "${CMAKE_INSTALL_PREFIX}/${program}" ABSOLUTE)
if(exec MATCHES "[\"`$\\\\\n]")
    message(FATAL_ERROR "a desktop entry cannot start ${exec}: choose a prefix without \" ` $ \\ or a line break")
endif()
string(REPLACE "%" "%%" exec "${exec}")
# A path with a space or a character the shell would read is quoted, as the entry's format asks.
if(exec MATCHES "[ \t'><~|&;*?#()]")
    set(exec "\"${exec}\"")
endif()
configure_file("${template}" "${entry_file}" @ONLY)
