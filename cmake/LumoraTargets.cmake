# Helpers shared by every subsystem: test, fuzzer and benchmark registration, and the
# check that the Qt-free subsystems stay Qt-free.

include(GoogleTest)

set(LUMORA_FUZZ_REPLAY_MAIN ${CMAKE_CURRENT_LIST_DIR}/FuzzReplayMain.cpp)

# lumora_add_test(<name> LABEL <subsystem> SOURCES ... [LIBS ...] [GUI])
# One GoogleTest executable; each test case becomes a ctest test labelled with the subsystem.
# GUI tests run on Qt's offscreen platform. The working directory is a scratch folder of the
# test program's own, so tests that use relative data paths never see another program's files;
# the cases of one program share it, so they never run at the same time.
function(lumora_add_test name)
    cmake_parse_arguments(T "GUI" "LABEL" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/tests)
    target_compile_definitions(${name} PRIVATE LUMORA_TEST_DATA_DIR="${CMAKE_CURRENT_SOURCE_DIR}/tests/data")
    set(workdir ${CMAKE_BINARY_DIR}/testwork/${name})
    file(MAKE_DIRECTORY ${workdir})
    # One value per property: the discovery passes the properties on as a flat list, which
    # would split a list value and swallow the properties after it.
    set(props LABELS ${T_LABEL} RESOURCE_LOCK ${name})
    if(T_GUI)
        list(APPEND props ENVIRONMENT QT_QPA_PLATFORM=offscreen)
    endif()
    gtest_discover_tests(${name}
        WORKING_DIRECTORY ${workdir}
        DISCOVERY_MODE PRE_TEST
        PROPERTIES ${props})
    set_property(GLOBAL APPEND PROPERTY LUMORA_TESTS_${T_LABEL} ${name})
    set_property(GLOBAL APPEND PROPERTY LUMORA_TEST_LABELS ${T_LABEL})
endfunction()

# lumora_add_fuzzer(<name> SOURCES ... [LIBS ...] [CORPUS dir])
# The harness defines LLVMFuzzerTestOneInput. With LUMORA_FUZZ it is a libFuzzer binary that
# ctest runs for LUMORA_FUZZ_SECONDS; otherwise a plain program that replays the corpus files,
# so every build keeps the harness compiling and the seeds passing.
function(lumora_add_fuzzer name)
    cmake_parse_arguments(F "" "CORPUS" "SOURCES;LIBS" ${ARGN})
    set(target fuzz_${name})
    if(LUMORA_FUZZ)
        add_executable(${target} ${F_SOURCES})
        target_link_options(${target} PRIVATE -fsanitize=fuzzer)
    else()
        add_executable(${target} ${F_SOURCES} ${LUMORA_FUZZ_REPLAY_MAIN})
    endif()
    target_link_libraries(${target} PRIVATE ${F_LIBS})
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/fuzz)
    set_property(GLOBAL APPEND PROPERTY LUMORA_FUZZERS ${target})
    set(workdir ${CMAKE_BINARY_DIR}/fuzzwork/${name})
    file(MAKE_DIRECTORY ${workdir}/corpus)
    if(LUMORA_FUZZ)
        set(seeds)
        if(F_CORPUS)
            set(seeds ${F_CORPUS})
        endif()
        add_test(NAME ${target}
            COMMAND ${target} -max_total_time=${LUMORA_FUZZ_SECONDS} -timeout=10 -rss_limit_mb=2048
                    -print_final_stats=1 ${workdir}/corpus ${seeds}
            WORKING_DIRECTORY ${workdir})
        set_tests_properties(${target} PROPERTIES LABELS fuzz TIMEOUT 600)
    elseif(F_CORPUS)
        add_test(NAME ${target}_seeds COMMAND ${target} ${F_CORPUS} WORKING_DIRECTORY ${workdir})
        set_tests_properties(${target}_seeds PROPERTIES LABELS fuzzseeds)
    endif()
endfunction()

# lumora_add_benchmark(<name> SOURCES ... [LIBS ...]): a Google Benchmark program in build/bench.
# Benchmarks are never run by the tests; their figures go into the notes.
function(lumora_add_benchmark name)
    cmake_parse_arguments(B "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${B_SOURCES})
    target_link_libraries(${name} PRIVATE ${B_LIBS} benchmark::benchmark)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bench)
endfunction()

# lumora_forbid_qt(<target>...): the configure step fails if the target links Qt, directly
# or through any of the project's libraries.
function(lumora_forbid_qt)
    set_property(GLOBAL APPEND PROPERTY LUMORA_NO_QT_TARGETS ${ARGN})
endfunction()

function(_lumora_links_qt target out seen)
    set(result FALSE)
    get_target_property(libs ${target} LINK_LIBRARIES)
    get_target_property(ilibs ${target} INTERFACE_LINK_LIBRARIES)
    foreach(lib IN LISTS libs ilibs)
        if(lib MATCHES "Qt[56]?::|Qt[56]?(Core|Gui|Widgets)")
            set(result TRUE)
        elseif(TARGET ${lib} AND NOT lib IN_LIST seen)
            list(APPEND seen ${lib})
            get_target_property(imported ${lib} IMPORTED)
            if(NOT imported)
                _lumora_links_qt(${lib} sub "${seen}")
                if(sub)
                    set(result TRUE)
                endif()
            endif()
        endif()
    endforeach()
    set(${out} ${result} PARENT_SCOPE)
endfunction()

# Called once at the end of the top-level list file.
function(lumora_finish)
    get_property(noqt GLOBAL PROPERTY LUMORA_NO_QT_TARGETS)
    foreach(t IN LISTS noqt)
        _lumora_links_qt(${t} links "")
        if(links)
            message(FATAL_ERROR "${t} must not link Qt")
        endif()
    endforeach()
    get_property(labels GLOBAL PROPERTY LUMORA_TEST_LABELS)
    list(REMOVE_DUPLICATES labels)
    foreach(label IN LISTS labels)
        get_property(tests GLOBAL PROPERTY LUMORA_TESTS_${label})
        add_custom_target(tests_${label} DEPENDS ${tests})
    endforeach()
    get_property(fuzzers GLOBAL PROPERTY LUMORA_FUZZERS)
    add_custom_target(fuzzers DEPENDS ${fuzzers})
endfunction()
