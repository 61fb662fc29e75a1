# Lumora's shipped pictures and sounds and its compiled-in stamp pictures, drawn at build time
# by tools/artgen.
#
#   lumora_data       target: the working folder ${LUMORA_DATA_DIR} (build/share/lumora) with
#                     "Lumora/Images" and "Lumora/Sounds", so build/bin/lumora runs from there;
#                     lumora_drawing depends on it.
#   LUMORA_DATA_DIR   that folder (also a global property of the same name).

# The message registry includes "gaze/GazeMessages.h": the source root is on the path.
target_include_directories(lumora_drawing PUBLIC ${CMAKE_SOURCE_DIR})

set(LUMORA_DATA_DIR ${CMAKE_BINARY_DIR}/share/lumora)
set_property(GLOBAL PROPERTY LUMORA_DATA_DIR ${LUMORA_DATA_DIR})
set(lumora_stamp_dir ${CMAKE_BINARY_DIR}/generated/stamps)
set(lumora_art_done ${CMAKE_BINARY_DIR}/generated/artgen.done)
set(lumora_stamps_rcc ${CMAKE_BINARY_DIR}/generated/lumora_stamps_rcc.cpp)

# The generator runs on the build machine; under the sanitizer builds its exit must not hinge
# on leaks inside Qt.
add_custom_command(
    OUTPUT ${lumora_art_done}
    BYPRODUCTS ${lumora_stamp_dir}/lumora_stamps.qrc
    COMMAND ${CMAKE_COMMAND} -E env ASAN_OPTIONS=detect_leaks=0
            $<TARGET_FILE:lumora_artgen> ${LUMORA_DATA_DIR} ${lumora_stamp_dir}
    COMMAND ${CMAKE_COMMAND} -E touch ${lumora_art_done}
    DEPENDS lumora_artgen
    COMMENT "Drawing Lumora's pictures and sounds"
    VERBATIM)
add_custom_target(lumora_data DEPENDS ${lumora_art_done})

add_custom_command(
    OUTPUT ${lumora_stamps_rcc}
    COMMAND Qt6::rcc --name lumora_stamps --output ${lumora_stamps_rcc} ${lumora_stamp_dir}/lumora_stamps.qrc
    DEPENDS ${lumora_art_done}
    COMMENT "Compiling the stamp pictures into Lumora"
    VERBATIM)
set_source_files_properties(${lumora_stamps_rcc} PROPERTIES GENERATED TRUE SKIP_AUTOGEN TRUE)
target_sources(lumora_drawing PRIVATE ${lumora_stamps_rcc})
add_dependencies(lumora_drawing lumora_data)

# Installed beside the program as it is in the build tree: <prefix>/share/lumora/Lumora/...
install(DIRECTORY ${LUMORA_DATA_DIR}/Lumora DESTINATION share/lumora)
