# Article file and EAN list merge.
zw_add_bench(bench_articles_file
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/articles_data.h ${CMAKE_CURRENT_LIST_DIR}/articles_file.cpp
    LIBS zw_core)
