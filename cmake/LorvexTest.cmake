# lorvex_add_test(<name> [CORE] SOURCES ... [LIBS ...] [LABEL unit|gui|e2e] [TIMEOUT s])
# CORE tests see the logic library and the core test support only. Every test
# runs offscreen, with a timeout, and with LeakSanitizer quiet about leaks
# inside system libraries only.
function(lorvex_add_test name)
    cmake_parse_arguments(T "CORE" "LABEL;TIMEOUT" "SOURCES;LIBS" ${ARGN})
    if(NOT T_LABEL)
        set(T_LABEL unit)
    endif()
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 120)
    endif()
    add_executable(${name} ${T_SOURCES})
    if(T_CORE)
        target_link_libraries(${name} PRIVATE ${T_LIBS} lorvex_test_core)
    else()
        target_link_libraries(${name} PRIVATE ${T_LIBS} lorvex_test_gui)
    endif()
    target_compile_definitions(${name} PRIVATE
        LORVEX_BINARY_DIR="${PROJECT_BINARY_DIR}" LORVEX_SOURCE_DIR="${PROJECT_SOURCE_DIR}")
    add_test(NAME ${name} COMMAND ${name})
    set_tests_properties(${name} PROPERTIES
        TIMEOUT ${T_TIMEOUT}
        LABELS ${T_LABEL}
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/lsan.supp:print_suppressions=0;UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1")
endfunction()
