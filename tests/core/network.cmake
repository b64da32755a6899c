zw_add_test(network_tests
    SOURCES ${CMAKE_CURRENT_LIST_DIR}/DownloadTest.cpp ${CMAKE_CURRENT_LIST_DIR}/DownloadProxyTest.cpp
        ${CMAKE_CURRENT_LIST_DIR}/DownloadHttpGetTest.cpp
    LIBS zw_core)
