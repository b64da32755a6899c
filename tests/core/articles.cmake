zw_add_test(articles_tests
    SOURCES ArtikelTestSupport.h EanMergeReference.h ArtikelFileTest.cpp EanMergeTest.cpp OptionenTest.cpp
    LIBS zw_core)
