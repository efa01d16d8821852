# Warnings are errors on every target of the project.
function(vsk_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Werror)
endfunction()

# The folders of the Qt-free core, lowest first; src/ and tests/ each have one of the same
# name. Their qt/ and ui/ subfolders hold the Qt layers.
set(VSK_KERN_ORDNER shell katalog model design canvas sketches reports dxf ifc)

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

# The programs and the files they expect beside them (language modules, help, manual,
# "CAD files") go into one directory of the build tree, laid out as when installed.
set(VSK_PROGRAMM_DIR ${CMAKE_BINARY_DIR}/bin)
set(VSK_INSTALL_BINDIR bin)

function(vsk_program target)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VSK_PROGRAMM_DIR})
    install(TARGETS ${target} RUNTIME DESTINATION ${VSK_INSTALL_BINDIR})
endfunction()
