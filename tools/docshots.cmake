# lumora_docshots: the user guide's pictures of Lumora's dialogs and of the QvSettings property
# sheet, taken headless from the real widgets (packaging's docs_screenshots runs it into
# docs/images). The test runs it into a scratch folder and checks that every picture was written.
if(LUMORA_BUILD_QT)
    add_executable(lumora_docshots ${CMAKE_CURRENT_LIST_DIR}/docshots/docshots.cpp)
    target_link_libraries(lumora_docshots PRIVATE lumora_core lumora_testsupport_qt qvsettings_core)
    target_compile_definitions(lumora_docshots PRIVATE LUMORA_DOCSHOTS_DATA_DIR="${LUMORA_DATA_DIR}")
    set_target_properties(lumora_docshots PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

    set(docshots_work ${CMAKE_BINARY_DIR}/testwork/docshots)
    file(MAKE_DIRECTORY ${docshots_work})
    add_test(NAME docshots_run
        COMMAND ${CMAKE_COMMAND} -DDOCSHOTS=$<TARGET_FILE:lumora_docshots> -DWORK=${docshots_work}
                -P ${CMAKE_CURRENT_LIST_DIR}/docshots/check_run.cmake
        WORKING_DIRECTORY ${docshots_work})
    set_tests_properties(docshots_run PROPERTIES LABELS drawing ENVIRONMENT QT_QPA_PLATFORM=offscreen
                                                 RESOURCE_LOCK docshots_run)
endif()
