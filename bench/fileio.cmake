# Settings file library: whole tracker settings file write plus read back.
if(TARGET qvfileio_core)
    lumora_add_benchmark(bench_fileio SOURCES ${CMAKE_CURRENT_LIST_DIR}/fileio_settings_files.cpp
        LIBS qvfileio_core qvfileio)
endif()
