# At install time, when the prefix is known: the desktop entry, whose Exec names the installed program
# by its absolute path, so that menus start it whether or not its folder is on PATH.
# in: template, entry_file (the file to write), entry (its name), program (the program's path, below
# the prefix or absolute)

# The character of PATH that the desktop's launchers cannot start a program from, named, or nothing.
function(unstartable_character path result)
    set(name "")
    if(path MATCHES "[\\]")
        set(name "a backslash (\\)")
    elseif(path MATCHES "%")
        set(name "a percent sign (%)")
    elseif(path MATCHES "\"")
        set(name "a double quote (\")")
    elseif(path MATCHES "`")
        set(name "a backquote (`)")
    elseif(path MATCHES "[$]")
        set(name "a dollar sign ($)")
    elseif(path MATCHES "[\n\r]")
        set(name "a line break")
    endif()
    set(${result} "${name}" PARENT_SCOPE)
endfunction()

# An absolute bin folder stands as it is; below the prefix, a relative prefix counts from the folder
# cmake --install runs in, as it does for the files. DESTDIR, where packagers stage, is not named.
if(IS_ABSOLUTE "${program}")
    set(exec "${program}")
else()
    get_filename_component(exec "${CMAKE_INSTALL_PREFIX}/${program}" ABSOLUTE)
endif()
# The prefix and the program judged as given too: CMake turns a backslash into a slash in any path it
# works on, the files' destinations included. Refused before anything is made.
foreach(judged IN ITEMS CMAKE_INSTALL_PREFIX program exec)
    unstartable_character("${${judged}}" character)
    if(character)
        # Indented, so that CMake leaves the message on one line.
        message(FATAL_ERROR " cannot install to ${${judged}}: the desktop's launchers cannot start a program from a path with ${character}")
    endif()
endforeach()
# A path with a space or a character the shell would read is quoted, as the entry's format asks.
if(exec MATCHES "[ \t'><~|&;*?#()]")
    set(exec "\"${exec}\"")
endif()
configure_file("${template}" "${entry_file}" @ONLY)
