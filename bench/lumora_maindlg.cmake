# Lumora's main window on a 1920 x 1080 screen: the handling of one WM_GAZE_POINT, forwarded to
# the canvas and all 62 buttons, with the cursor move (median at most 0.5 ms).
if(LUMORA_BUILD_QT)
    lumora_add_benchmark(bench_lumora_maindlg SOURCES ${CMAKE_CURRENT_LIST_DIR}/lumora_maindlg.cpp LIBS lumora_core)
endif()
