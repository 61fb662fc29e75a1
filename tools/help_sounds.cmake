# The spoken help texts "openHelp.WAV" and "saveHelp.WAV": the help windows' texts, spoken by
# espeak-ng into the working folder's "Lumora/Sounds" beside the generated files, in English
# there and in each of Lumora's languages in "Lumora/Sounds/<code>/" from that language's
# catalogue, with that language's voice. The help window plays its language's copy.
#
#   lumora_help_sounds   target making all of them; lumora_core depends on it
#                        (lumora/CMakeLists.txt).
if(LUMORA_BUILD_QT)
    add_executable(lumora_help_text ${CMAKE_CURRENT_LIST_DIR}/help_text.cpp)
    target_include_directories(lumora_help_text PRIVATE ${CMAKE_SOURCE_DIR}/lumora)
    target_link_libraries(lumora_help_text PRIVATE Qt6::Core)
    set_target_properties(lumora_help_text PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

    set(lumora_help_data_dir ${LUMORA_DATA_DIR})
    find_program(LUMORA_ESPEAK espeak-ng)
    set(help_outputs)
    # espeak-ng's voice for each language; "en" is the English set in the folder itself.
    set(help_voice_en en-us)
    set(help_voice_de de)
    set(help_voice_fr fr-fr)
    set(help_voice_es es)
    set(help_voice_it it)
    set(help_voice_nl nl)
    set(help_voice_sv sv)
    if(LUMORA_ESPEAK)
        foreach(code IN ITEMS en ${LUMORA_LANGUAGES})
            if(code STREQUAL "en")
                set(sounds ${lumora_help_data_dir}/Lumora/Sounds)
                set(catalogue)
                set(catalogue_file)
            else()
                set(sounds ${lumora_help_data_dir}/Lumora/Sounds/${code})
                set(catalogue_file ${LUMORA_DATA_DIR}/translations/lumora_${code}.qm)
                set(catalogue ${catalogue_file})
            endif()
            foreach(which open save)
                set(text ${CMAKE_BINARY_DIR}/generated/help/${which}Help_${code}.txt)
                set(wav ${sounds}/${which}Help.WAV)
                # A calm pace: the listeners are reading along. The tool is built with the
                # sanitizers in those builds; its exit must not hinge on leaks inside Qt.
                add_custom_command(
                    OUTPUT ${wav}
                    COMMAND ${CMAKE_COMMAND} -E make_directory ${sounds} ${CMAKE_BINARY_DIR}/generated/help
                    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                            $<TARGET_FILE:lumora_help_text> ${which} ${text} ${catalogue}
                    COMMAND ${LUMORA_ESPEAK} -v ${help_voice_${code}} -s 150 -w ${wav} -f ${text}
                    DEPENDS lumora_help_text ${CMAKE_SOURCE_DIR}/lumora/dialogs/HelpTexts.h ${catalogue_file}
                    COMMENT "Speaking the ${which} help text (${code})"
                    VERBATIM)
                list(APPEND help_outputs ${wav})
            endforeach()
        endforeach()
    else()
        message(WARNING "espeak-ng not found: the spoken help sounds are not made (the help windows stay silent)")
    endif()
    add_custom_target(lumora_help_sounds DEPENDS ${help_outputs})
    if(TARGET lumora_translations)
        add_dependencies(lumora_help_sounds lumora_translations)
    endif()
endif()
