# Helpers shared by the subsystem folders.

# zw_add_library(name SOURCES ... PUBLIC_LIBS ... PRIVATE_LIBS ...)
function(zw_add_library name)
    cmake_parse_arguments(ARG "" "" "SOURCES;PUBLIC_LIBS;PRIVATE_LIBS" ${ARGN})
    add_library(${name} STATIC ${ARG_SOURCES})
    target_include_directories(${name} PUBLIC ${PROJECT_SOURCE_DIR}/src)
    target_link_libraries(${name} PUBLIC ${ARG_PUBLIC_LIBS} PRIVATE ${ARG_PRIVATE_LIBS})
    set_property(GLOBAL APPEND PROPERTY ZW_LIBRARIES ${name})
endfunction()

# The libraries `target` links, directly or through others (CMake accepts
# cycles between static libraries, so it is checked here).
function(zw_linked_closure target out)
    set(seen)
    set(todo ${target})
    while(todo)
        list(POP_FRONT todo t)
        if(NOT TARGET ${t})
            continue()
        endif()
        get_target_property(links ${t} LINK_LIBRARIES)
        if(NOT links)
            continue()
        endif()
        foreach(l ${links})
            if(NOT l IN_LIST seen)
                list(APPEND seen ${l})
                list(APPEND todo ${l})
            endif()
        endforeach()
    endwhile()
    set(${out} ${seen} PARENT_SCOPE)
endfunction()

# Fails the configuration when a library links one that links it back, or
# when `base_target` reaches any of `forbidden`.
function(zw_check_library_graph base_target)
    get_property(libs GLOBAL PROPERTY ZW_LIBRARIES)
    foreach(lib ${libs})
        zw_linked_closure(${lib} closure)
        if(lib IN_LIST closure)
            message(FATAL_ERROR "${lib} links a library that links it back")
        endif()
    endforeach()
    zw_linked_closure(${base_target} closure)
    foreach(f ${ARGN})
        if(f IN_LIST closure)
            message(FATAL_ERROR "${base_target} must not link ${f}")
        endif()
    endforeach()
endfunction()

# zw_add_test(name [WIDGETS] [BASE] SOURCES ... LIBS ... [LABELS ...])
# Builds a GoogleTest executable and registers its cases with CTest. Tests run
# headless on Qt's offscreen platform; WIDGETS gives them a QApplication,
# otherwise they get a QGuiApplication and never link QtWidgets. BASE leaves
# out the fake platform and the HTTP server (and so QtNetwork): for the
# libraries below the platform.
function(zw_add_test name)
    cmake_parse_arguments(ARG "WIDGETS;BASE" "TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    if(ARG_WIDGETS)
        set(main zw_test_main_widgets)
    else()
        set(main zw_test_main)
    endif()
    if(ARG_BASE)
        set(support zw_test_files)
    else()
        set(support zw_test_support)
    endif()
    target_link_libraries(${name} PRIVATE ${ARG_LIBS} ${support} ${main} GTest::gtest)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ZW_BIN_DIR})
    # TIMEOUT: seconds a case of a long end-to-end run may take.
    set(timeout)
    if(ARG_TIMEOUT)
        set(timeout TIMEOUT ${ARG_TIMEOUT})
    endif()
    gtest_discover_tests(${name}
        WORKING_DIRECTORY ${ZW_BIN_DIR}
        PROPERTIES ENVIRONMENT "QT_QPA_PLATFORM=offscreen" LABELS "${ARG_LABELS}" ${timeout}
        DISCOVERY_TIMEOUT 60)
endfunction()

# zw_add_bench(name SOURCES ... LIBS ...)
function(zw_add_bench name)
    cmake_parse_arguments(ARG "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${ARG_SOURCES})
    target_link_libraries(${name} PRIVATE ${ARG_LIBS})
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${ZW_BIN_DIR}/bench)
endfunction()
