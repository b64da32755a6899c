# Structured data file.
zw_add_bench(bench_datafile
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/articles_data.h ${CMAKE_CURRENT_LIST_DIR}/datafile_passes.cpp
    LIBS zw_datafile zw_core)
