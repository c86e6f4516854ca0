# Run by CPack on the staged files before it packs them: removes the .comment and .note sections
# (compiler versions) from every ELF file.
file(GLOB_RECURSE staged LIST_DIRECTORIES false "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*")
foreach(file ${staged})
    if(IS_SYMLINK ${file})
        continue()
    endif()
    file(READ ${file} magic LIMIT 4 HEX)
    if(magic STREQUAL "7f454c46")
        execute_process(
            COMMAND ${CPACK_VESTRA_OBJCOPY} --remove-section=.comment --remove-section=.note ${file}
            RESULT_VARIABLE failed)
        if(failed)
            message(FATAL_ERROR "objcopy could not drop the notes of ${file}")
        endif()
    endif()
endforeach()
