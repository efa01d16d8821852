# Warnings are errors on every target of the project.
function(vsk_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

# Adds the Qt layer subfolders (qt/ for vsk_platform, ui/ for vsk_ui) of a core folder.
macro(vsk_add_qt_subdirs)
    if(NOT VSK_CORE_ONLY)
        foreach(sub qt ui)
            if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${sub}/CMakeLists.txt)
                add_subdirectory(${sub})
            endif()
        endforeach()
    endif()
endmacro()
