# Drawing files on a 1920 x 1080 screen: save and open of one drawing.
if(LUMORA_BUILD_QT)
    lumora_add_benchmark(bench_lumora_files SOURCES ${CMAKE_CURRENT_LIST_DIR}/lumora_files.cpp LIBS lumora_core)
endif()
