# Small helpers shared by every module's CMakeLists.txt.

# felgrove_add_program(NAME SOURCES ... LIBS ...)
# A user-facing program; it lands in build/bin/NAME, with the icons of
# packaging/icons compiled in for its windows.
function(felgrove_add_program name)
    cmake_parse_arguments(P "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${P_SOURCES} ${PROJECT_SOURCE_DIR}/packaging/icons.qrc)
    set_target_properties(${name} PROPERTIES AUTORCC ON)
    target_link_libraries(${name} PRIVATE ${P_LIBS} felgrove_desktop)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
endfunction()

# felgrove_add_test(NAME SOURCES ... LIBS ... [ARGS ...] [TIMEOUT SECONDS])
# One GoogleTest program, run by ctest on Qt's offscreen
# platform. Tests build beside the code they test.
function(felgrove_add_test name)
    if(NOT BUILD_TESTING)
        return()
    endif()
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;ARGS" ${ARGN})
    if(NOT T_TIMEOUT)
        set(T_TIMEOUT 300)
    endif()
    add_executable(${name} ${T_SOURCES})
    target_link_libraries(${name} PRIVATE ${T_LIBS})
    add_test(NAME ${name} COMMAND ${name} ${T_ARGS})
    set_tests_properties(${name} PROPERTIES
        ENVIRONMENT "QT_QPA_PLATFORM=offscreen;QT_ACCESSIBILITY=0"
        TIMEOUT ${T_TIMEOUT})
endfunction()
