# One complete stock-part label document, from values to file.
zw_add_bench(bench_labeldoc
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/labeldoc_document.cpp
    LIBS zw_labeldoc Qt6::Gui)
add_dependencies(bench_labeldoc zw_resources)
