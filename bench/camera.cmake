# The camera source: the work per frame at 640 x 480 (tracking, a whole-frame search, a check
# near the face), and as the program uses it: its share of a processor core at 30 frames a
# second and the latency it adds after a frame arrives. Run from a scratch folder: the test
# videos are made in the working folder.
lumora_add_benchmark(camera_tracking_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/camera_tracking.cpp
    LIBS qvtrack_camera_testkit)
lumora_add_benchmark(camera_source_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/camera_source.cpp
    LIBS qvtrack_camera_testkit)
lumora_forbid_qt(camera_tracking_bench camera_source_bench)
