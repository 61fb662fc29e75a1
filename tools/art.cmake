# lumora_artgen draws Lumora's shipped pictures and sounds and its stamp pictures at build
# time (lumora/CMakeLists.txt runs it). QtGui only: images and painting, no windows.
if(LUMORA_BUILD_QT)
    add_executable(lumora_artgen
        ${CMAKE_CURRENT_LIST_DIR}/artgen/main.cpp
        ${CMAKE_CURRENT_LIST_DIR}/artgen/BmpWriter.cpp
        ${CMAKE_CURRENT_LIST_DIR}/artgen/WavWriter.cpp
        ${CMAKE_CURRENT_LIST_DIR}/artgen/Pictures.cpp
        ${CMAKE_CURRENT_LIST_DIR}/artgen/Sounds.cpp
        ${CMAKE_CURRENT_LIST_DIR}/artgen/Stamps.cpp
        ${CMAKE_CURRENT_LIST_DIR}/artgen/CanvasArt.cpp
        ${CMAKE_CURRENT_LIST_DIR}/artgen/DialogArt.cpp)
    target_link_libraries(lumora_artgen PRIVATE Qt6::Gui)
    set_target_properties(lumora_artgen PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tools)

    # Previews to look at: ninja lumora_art_previews, then build/tools/previews/*.png.
    add_custom_target(lumora_art_previews
        COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
                $<TARGET_FILE:lumora_artgen> ${CMAKE_BINARY_DIR}/tools/preview-data
                ${CMAKE_BINARY_DIR}/tools/preview-stamps ${CMAKE_BINARY_DIR}/tools/previews
        DEPENDS lumora_artgen VERBATIM)

    lumora_add_test(tools_artgen_test LABEL drawing GUI
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/tests/ArtGen_test.cpp
                ${CMAKE_CURRENT_LIST_DIR}/artgen/BmpWriter.cpp ${CMAKE_CURRENT_LIST_DIR}/artgen/WavWriter.cpp
        LIBS lumora_core)
    target_compile_definitions(tools_artgen_test PRIVATE LUMORA_DATA_DIR="${LUMORA_DATA_DIR}")
    add_dependencies(tools_artgen_test lumora_data)
endif()
