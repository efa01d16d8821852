# Help pages and manual of the design program, beside it as when installed:
#   help/*.html        the help pages the help viewer shows
#   VSK Manual.pdf     the manual, built from the same pages by vsk-handbuch

file(GLOB vsk_hilfe_quellen CONFIGURE_DEPENDS
    ${PROJECT_SOURCE_DIR}/resources/help/*.html ${PROJECT_SOURCE_DIR}/resources/help/*.css
    ${PROJECT_SOURCE_DIR}/resources/help/*.png ${PROJECT_SOURCE_DIR}/resources/help/*.svg)
set(vsk_hilfe_seiten)
foreach(quelle ${vsk_hilfe_quellen})
    get_filename_component(name ${quelle} NAME)
    set(seite ${VSK_PROGRAMM_DIR}/help/${name})
    add_custom_command(OUTPUT ${seite}
        COMMAND ${CMAKE_COMMAND} -E copy_if_different ${quelle} ${seite}
        DEPENDS ${quelle})
    list(APPEND vsk_hilfe_seiten ${seite})
endforeach()

add_executable(vsk-handbuch ${PROJECT_SOURCE_DIR}/tools/handbuch/main.cpp)
target_link_libraries(vsk-handbuch PRIVATE vsk_platform)
vsk_warnings(vsk-handbuch)

set(vsk_handbuch "${VSK_PROGRAMM_DIR}/VSK Manual.pdf")
add_custom_command(OUTPUT ${vsk_handbuch}
    COMMAND ${CMAKE_COMMAND} -E env QT_QPA_PLATFORM=offscreen $<TARGET_FILE:vsk-handbuch>
            ${PROJECT_SOURCE_DIR}/resources/help ${vsk_handbuch}
    DEPENDS vsk-handbuch ${vsk_hilfe_quellen}
    COMMENT "Manual VSK Manual.pdf"
    VERBATIM)
add_custom_target(vsk_hilfe ALL DEPENDS ${vsk_hilfe_seiten} ${vsk_handbuch})

install(FILES ${vsk_hilfe_seiten} DESTINATION ${VSK_INSTALL_BINDIR}/help)
install(FILES ${vsk_handbuch} DESTINATION ${VSK_INSTALL_BINDIR})
