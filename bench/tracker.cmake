# The tracker library's network sources: samples taken in per second from local fake servers,
# and the added latency from a record's arrival to the sample being handed out.
lumora_add_benchmark(tracker_sources_bench SOURCES ${CMAKE_CURRENT_LIST_DIR}/tracker_sources.cpp LIBS qvtrack_fakes)
if(QVTRACK_HAVE_PUPIL)
    target_compile_definitions(tracker_sources_bench PRIVATE QVTRACK_HAVE_PUPIL)
endif()
