# Article file and EAN list merge.
zw_add_bench(bench_articles_file
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/articles_data.h ${CMAKE_CURRENT_LIST_DIR}/articles_file.cpp
    LIBS zw_core)
zw_add_bench(bench_articles_merge
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/articles_data.h ${CMAKE_CURRENT_LIST_DIR}/articles_merge.cpp
    LIBS zw_core)
# The plain form of the merge rule that the tests compare with.
target_include_directories(bench_articles_merge PRIVATE ${PROJECT_SOURCE_DIR}/tests/core)
