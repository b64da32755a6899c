# The download benchmark serves its file from the tests' local HTTP server.
if(TARGET zw_test_support)
    zw_add_bench(bench_download
        SOURCES ${CMAKE_CURRENT_LIST_DIR}/network_download.cpp
        LIBS zw_core zw_test_support)
endif()
