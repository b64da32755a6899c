zw_add_test(articles_tests
    SOURCES ArtikelTestSupport.h EanMergeReference.h ArtikelFileTest.cpp EanMergeTest.cpp
    LIBS zw_core)
# The command line's update-articles, run in-process.
zw_add_test(articles_cli_tests
    SOURCES EanUpdateCliTest.cpp
    LIBS zw_cli)
