# add_unit_test(NAME <name> SOURCES <files...> [LIBS <targets...>] [TIMEOUT <seconds>] [LABELS <labels...>])
#
# Builds one QtTest executable and registers it with CTest. Every test runs offscreen, in a UTF-8
# locale, with its own settings and cache folders under the build tree, so that no test ever reads or
# writes the settings of the user running it. LANGUAGE is emptied as well: it comes before LANG, and a
# German desktop's LANGUAGE would otherwise turn every English text a test expects into German.
function(add_unit_test)
    cmake_parse_arguments(ARG "" "NAME;TIMEOUT" "SOURCES;LIBS;LABELS" ${ARGN})
    if(NOT ARG_TIMEOUT)
        set(ARG_TIMEOUT 120)
    endif()
    add_executable(${ARG_NAME} ${ARG_SOURCES})
    tovalin_target_settings(${ARG_NAME})
    target_link_libraries(${ARG_NAME} PRIVATE tovalin_test_support Qt6::Test ${ARG_LIBS})
    add_test(NAME ${ARG_NAME} COMMAND ${ARG_NAME})
    set(home "${CMAKE_BINARY_DIR}/test-home/${ARG_NAME}")
    set_tests_properties(${ARG_NAME} PROPERTIES
        TIMEOUT ${ARG_TIMEOUT}
        LABELS "${ARG_LABELS}"
        ENVIRONMENT
            "QT_QPA_PLATFORM=offscreen;LANGUAGE=;LC_ALL=C.UTF-8;LANG=C.UTF-8;HOME=${home};XDG_CONFIG_HOME=${home}/config;XDG_CACHE_HOME=${home}/cache;XDG_DATA_HOME=${home}/data;XDG_RUNTIME_DIR=${home}/runtime;QT_LOGGING_RULES=qt.qpa.*=false;ASAN_OPTIONS=detect_leaks=1:abort_on_error=1:strict_string_checks=1:detect_stack_use_after_return=1;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
    file(MAKE_DIRECTORY "${home}/runtime")
    file(CHMOD "${home}/runtime" DIRECTORY_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE)
endfunction()
