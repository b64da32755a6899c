# Start-up of the main window with a large article file.
zw_add_bench(bench_main_startup
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/main_startup.cpp
    LIBS zw_forms_main)
