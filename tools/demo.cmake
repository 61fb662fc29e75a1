# The demo session: a person draws a house by gaze, saves it and exits.
#
#   lumora_demo        the session's plan, a model of what Lumora makes of gaze, and the
#                      simulated person that turns the plan into samples
#   lumora_demogen     writes the recording; `ninja demo_recording` refreshes data/demo/house.dat
#   lumora_democheck   checks what a run replaying the recording left behind
#   lumora_screengrab  a picture of the X screen, for the real-window test
if(LUMORA_BUILD_QT)
    set(demo_dir ${CMAKE_CURRENT_LIST_DIR}/demo)
    set(demo_recording ${CMAKE_SOURCE_DIR}/data/demo/house.dat)

    add_library(lumora_demo STATIC
        ${demo_dir}/DemoRecording.cpp
        ${demo_dir}/GazeUser.cpp
        ${demo_dir}/HouseSession.cpp
        ${demo_dir}/LumoraModel.cpp)
    target_include_directories(lumora_demo PUBLIC ${demo_dir})
    target_link_libraries(lumora_demo PUBLIC lumora_core lumora_gaze)

    foreach(tool IN ITEMS demogen democheck)
        add_executable(lumora_${tool} ${demo_dir}/${tool}.cpp)
        target_link_libraries(lumora_${tool} PRIVATE lumora_demo)
        set_target_properties(lumora_${tool} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)
    endforeach()
    add_executable(lumora_screengrab ${demo_dir}/screengrab.cpp)
    target_link_libraries(lumora_screengrab PRIVATE Qt6::Gui)
    set_target_properties(lumora_screengrab PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

    add_custom_target(demo_recording
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0 $<TARGET_FILE:lumora_demogen> ${demo_recording}
        DEPENDS lumora_demogen
        COMMENT "Recording the demo session into data/demo/house.dat"
        VERBATIM)

    lumora_add_test(tools_demo_test LABEL drawing SOURCES ${demo_dir}/tests/DemoRecording_test.cpp LIBS lumora_demo)
    target_compile_definitions(tools_demo_test PRIVATE LUMORA_DEMO_RECORDING="${demo_recording}")

    # Lumora replays the recording and must end by itself, leaving the house behind: headless on
    # the offscreen platform, and in a real X window on a virtual screen when Xvfb is there.
    set(demo_test_script ${demo_dir}/tests/demo_run_test.sh)
    set(demo_test_tools $<TARGET_FILE:lumora> $<TARGET_FILE:lumora_democheck> $<TARGET_FILE:lumora_screengrab>
                        ${demo_recording})
    foreach(platform IN ITEMS offscreen xcb)
        set(work ${CMAKE_BINARY_DIR}/testwork/demo_${platform})
        file(MAKE_DIRECTORY ${work})
        add_test(NAME demo_${platform} COMMAND ${demo_test_script} ${platform} ${demo_test_tools} ${work}
                 WORKING_DIRECTORY ${work})
        set_tests_properties(demo_${platform} PROPERTIES LABELS demo TIMEOUT 400)
    endforeach()
endif()
