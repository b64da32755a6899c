# Encoding and drawing the label's barcodes, against libzint in the same run.
find_library(ZINT_LIBRARY zint REQUIRED)
zw_add_bench(bench_barcode
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/barcode_bench.cpp
    LIBS zw_barcode ${ZINT_LIBRARY} Qt6::Gui)
