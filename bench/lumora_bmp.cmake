# Lumora's bitmap reader beside Qt's on one 1920 x 1080 picture in memory, 32, 24 and 8 bits
# and 8 bits run-length encoded; and the book's thumbnail of the largest picture taken.
if(LUMORA_BUILD_QT)
    lumora_add_benchmark(bench_lumora_bmp
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/lumora_bmp.cpp ${CMAKE_SOURCE_DIR}/lumora/files/LoadBmpFile.cpp
                ${CMAKE_SOURCE_DIR}/lumora/files/FileNames.cpp ${CMAKE_SOURCE_DIR}/tools/artgen/BmpWriter.cpp
        LIBS Qt6::Gui lumora_support)
    target_include_directories(bench_lumora_bmp PRIVATE ${CMAKE_SOURCE_DIR}/lumora)
endif()
