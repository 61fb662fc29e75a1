# Settings file library: whole settings files written and read back, the label file read.
if(TARGET qvfileio_core)
    lumora_add_benchmark(bench_fileio SOURCES ${CMAKE_CURRENT_LIST_DIR}/fileio_settings_files.cpp
        LIBS qvfileio_core qvfileio)
    target_compile_definitions(bench_fileio PRIVATE LUMORA_FILEIO_TEST_DATA="${CMAKE_SOURCE_DIR}/fileio/tests/data")
endif()
