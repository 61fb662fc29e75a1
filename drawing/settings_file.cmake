# Lumora's gaze settings for a first start (500 ms dwell steps, the yellow step, the dwell size
# the settings dialog calls the default: a quarter of an inch), shipped with the pictures and sounds and copied into a new working folder like
# them. Without the file every value is 0: a dwell size of 0 pixels, which no real gaze holds,
# so the canvas would hardly ever see a dwell until someone opened the settings once.
get_property(lumora_data_dir GLOBAL PROPERTY LUMORA_DATA_DIR)
configure_file(${CMAKE_CURRENT_SOURCE_DIR}/LMSettings.ini ${lumora_data_dir}/Lumora/LMSettings.ini COPYONLY)
