# Language modules of the design program: resources/translations/vsk_<ext>.ts compiled
# with lrelease and placed beside the program as vsk.<ext> (and installed there). A text
# a module lacks, or leaves unfinished, shows in English.
#
# Target vsk_lupdate refreshes the .ts files from the sources, so that translators only
# fill them in; scripts/check-translations.py reports what is still missing.

foreach(endung des eng esp fra ita nld)
    set(quelle ${PROJECT_SOURCE_DIR}/resources/translations/vsk_${endung}.ts)
    if(EXISTS ${quelle})
        set(modul ${VSK_PROGRAMM_DIR}/vsk.${endung})
        add_custom_command(OUTPUT ${modul}
            COMMAND Qt6::lrelease -silent ${quelle} -qm ${modul}
            DEPENDS ${quelle}
            COMMENT "Language module vsk.${endung}")
        list(APPEND vsk_module ${modul})
    endif()
endforeach()
if(vsk_module)
    add_custom_target(vsk_sprachmodule ALL DEPENDS ${vsk_module})
    install(FILES ${vsk_module} DESTINATION ${VSK_INSTALL_BINDIR})
endif()

add_custom_target(vsk_lupdate
    COMMAND /usr/bin/python3 ${PROJECT_SOURCE_DIR}/scripts/check-translations.py --update
            --lupdate $<TARGET_FILE:Qt6::lupdate> --root ${PROJECT_SOURCE_DIR}
    COMMENT "Refreshing the translation sources from the code"
    VERBATIM)
