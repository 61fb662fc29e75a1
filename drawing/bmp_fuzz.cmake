# The bitmap reader under libFuzzer, seeded with the sample bitmaps of the tests (plain and
# run-length encoded). It builds the reader alone, so the fuzzer needs nothing of the program
# but QtGui's QImage and the safe file reader.
lumora_add_fuzzer(load_bmp
    SOURCES ${CMAKE_CURRENT_SOURCE_DIR}/fuzz/LoadBmpFile_fuzz.cpp ${CMAKE_CURRENT_SOURCE_DIR}/LoadBmpFile.cpp
            ${CMAKE_CURRENT_SOURCE_DIR}/FileNames.cpp
    LIBS Qt6::Gui lumora_support
    CORPUS ${CMAKE_CURRENT_SOURCE_DIR}/tests/data)
target_include_directories(fuzz_load_bmp PRIVATE ${CMAKE_CURRENT_SOURCE_DIR})
