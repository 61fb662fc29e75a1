# The spoken help texts "openHelp.WAV" and "saveHelp.WAV": the help windows' texts, spoken by
# espeak-ng into the working folder's "Lumora/Sounds" beside the generated files.
#
#   lumora_help_sounds   target making both files; lumora_core depends on it
#                        (lumora/CMakeLists.txt).
if(LUMORA_BUILD_QT)
    add_executable(lumora_help_text ${CMAKE_CURRENT_LIST_DIR}/help_text.cpp)
    target_include_directories(lumora_help_text PRIVATE ${CMAKE_SOURCE_DIR}/lumora)
    set_target_properties(lumora_help_text PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

    set(lumora_help_data_dir ${LUMORA_DATA_DIR})
    find_program(LUMORA_ESPEAK espeak-ng)
    set(help_outputs)
    if(LUMORA_ESPEAK)
        foreach(which open save)
            set(text ${CMAKE_BINARY_DIR}/generated/${which}Help.txt)
            set(wav ${lumora_help_data_dir}/Lumora/Sounds/${which}Help.WAV)
            # A calm pace: the listeners are reading along.
            add_custom_command(
                OUTPUT ${wav}
                COMMAND ${CMAKE_COMMAND} -E make_directory ${lumora_help_data_dir}/Lumora/Sounds
                        ${CMAKE_BINARY_DIR}/generated
                COMMAND $<TARGET_FILE:lumora_help_text> ${which} ${text}
                COMMAND ${LUMORA_ESPEAK} -v en-us -s 150 -w ${wav} -f ${text}
                DEPENDS lumora_help_text ${CMAKE_SOURCE_DIR}/lumora/dialogs/HelpTexts.h
                COMMENT "Speaking the ${which} help text"
                VERBATIM)
            list(APPEND help_outputs ${wav})
        endforeach()
    else()
        message(WARNING "espeak-ng not found: the spoken help sounds are not made (the help windows stay silent)")
    endif()
    add_custom_target(lumora_help_sounds DEPENDS ${help_outputs})
endif()
