# The drawing canvas on a 1920 x 1080 screen: one gaze point while a rubber band is stretched
# (median at most 0.5 ms), and undo with 1,000 shapes in the list (at most 16 ms).
if(LUMORA_BUILD_QT)
    lumora_add_benchmark(bench_lumora_canvas SOURCES ${CMAKE_CURRENT_LIST_DIR}/lumora_canvas.cpp LIBS lumora_core)
endif()
