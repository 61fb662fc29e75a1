# Lumora's shipped pictures and sounds and its compiled-in stamp pictures.
# The message registry includes "gaze/GazeMessages.h": the source root is on the path.
target_include_directories(lumora_drawing PUBLIC ${CMAKE_SOURCE_DIR})
