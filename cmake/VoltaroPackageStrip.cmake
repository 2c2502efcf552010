# Run by CPack on the staged files before they are packed: the programs, already stripped of
# their symbols, also lose the compiler's .comment and .note sections, as Debian's tools do.
file(GLOB programs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/usr/bin/*")
foreach(program IN LISTS programs)
    execute_process(
        COMMAND "${CPACK_VOLTARO_OBJCOPY}" --remove-section=.comment --remove-section=.note
                "${program}"
        RESULT_VARIABLE failed)
    if(failed)
        message(FATAL_ERROR "objcopy failed on ${program}")
    endif()
endforeach()
