# Helpers shared by the subsystem folders.

# zw_add_library(name SOURCES ... PUBLIC_LIBS ... PRIVATE_LIBS ...)
function(zw_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
endfunction()

# zw_add_test(name [WIDGETS] SOURCES ... LIBS ... [LABELS ...])
# Builds a GoogleTest executable and registers its cases with CTest. Tests run
# headless on Qt's offscreen platform; WIDGETS gives them a QApplication,
# otherwise they get a QGuiApplication and never link QtWidgets.
function(zw_add_test name)
    cmake_parse_arguments(ARG "WIDGETS" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_WIDGETS)
        set(main zw_test_main_widgets)
    else()
        set(main zw_test_main)
    endif()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} zw_test_support ${main} GTest::gtest)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ZW_BIN_DIR})
    gtest_discover_tests(${name}
        WORKING_DIRECTORY ${ZW_BIN_DIR}
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS "${ARG_LABELS}"
        DISCOVERY_TIMEOUT 60)
endfunction()

# zw_add_bench(name SOURCES ... LIBS ...)
function(zw_add_bench name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ZW_BIN_DIR}/bench)
endfunction()
