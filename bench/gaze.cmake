# Gaze input: the per-sample cost of the detector with smoothing, and of the gaze thread's whole
# loop body fed by the tracker library's replay source without pacing.
lumora_add_benchmark(gaze_detector_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/gaze_detector.cpp LIBS lumora_gaze)
lumora_add_benchmark(gaze_loop_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/gaze_loop.cpp LIBS lumora_gaze)
lumora_forbid_qt(gaze_detector_bench gaze_loop_bench)
