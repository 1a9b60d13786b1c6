# Small helpers shared by every module's CMakeLists.txt.

# felgrove_add_program(NAME SOURCES ... LIBS ...)
# A user-facing program; it lands in build/bin/NAME, with the icons of
# packaging/icons compiled in for its windows. On Windows it is a GUI program
# with its icon and version details; on macOS an app bundle, bin/NAME.app.
function(felgrove_add_program name)
    cmake_parse_arguments(P "" "" "SOURCES;LIBS" ${ARGN})
    add_executable(${name} ${P_SOURCES} ${PROJECT_SOURCE_DIR}/packaging/icons.qrc)
    set_target_properties(${name} PROPERTIES AUTORCC ON)
    if(CMAKE_CROSSCOMPILING)
        # The build machine's rcc compresses with zstd, which a Qt built for
        # another system may lack.
        set_target_properties(${name} PROPERTIES AUTORCC_OPTIONS --no-zstd)
    endif()
    target_link_libraries(${name} PRIVATE ${P_LIBS} felgrove_desktop)
    set_target_properties(${name} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${CMAKE_BINARY_DIR}/bin)
    if(WIN32)
        felgrove_windows_resources(${name})
    elseif(APPLE)
        felgrove_macos_bundle(${name})
    endif()
endfunction()

# The one-line description of a program, from its desktop entry.
function(felgrove_program_description name out)
    string(TOLOWER "${PROJECT_SOURCE_DIR}/packaging/org.example.felgrove.${name}.desktop" entry)
    file(STRINGS ${entry} comment REGEX "^Comment=")
    string(REPLACE "Comment=" "" comment "${comment}")
    set(${out} "${comment}" PARENT_SCOPE)
endfunction()

function(felgrove_windows_resources name)
    set(FELGROVE_NAME ${name})
    set(FELGROVE_ICO ${PROJECT_SOURCE_DIR}/packaging/windows/${name}.ico)
    felgrove_program_description(${name} FELGROVE_DESCRIPTION)
    set(rc ${CMAKE_CURRENT_BINARY_DIR}/${name}.rc)
    configure_file(${PROJECT_SOURCE_DIR}/packaging/windows/program.rc.in ${rc} @ONLY)
    target_sources(${name} PRIVATE ${rc})
    set_target_properties(${name} PROPERTIES WIN32_EXECUTABLE ON)
endfunction()

function(felgrove_macos_bundle name)
    set(icns ${PROJECT_SOURCE_DIR}/packaging/macos/${name}.icns)
    set_source_files_properties(${icns} PROPERTIES MACOSX_PACKAGE_LOCATION Resources)
    target_sources(${name} PRIVATE ${icns})
    string(TOLOWER "org.example.felgrove.${name}" id)
    felgrove_program_description(${name} description)
    set_target_properties(${name} PROPERTIES
        MACOSX_BUNDLE ON
        MACOSX_BUNDLE_INFO_PLIST ${PROJECT_SOURCE_DIR}/packaging/macos/Info.plist.in
        MACOSX_BUNDLE_BUNDLE_NAME ${name}
        MACOSX_BUNDLE_EXECUTABLE_NAME ${name}
        MACOSX_BUNDLE_GUI_IDENTIFIER ${id}
        MACOSX_BUNDLE_ICON_FILE ${name}.icns
        MACOSX_BUNDLE_INFO_STRING "${description}"
        MACOSX_BUNDLE_BUNDLE_VERSION ${PROJECT_VERSION}
        MACOSX_BUNDLE_SHORT_VERSION_STRING ${PROJECT_VERSION}
        MACOSX_BUNDLE_COPYRIGHT "Felgrove")
endfunction()

# felgrove_add_test(NAME SOURCES ... LIBS ... [ARGS ...] [TIMEOUT SECONDS])
# One GoogleTest program, run by ctest on Qt's offscreen
# platform. Tests build beside the code they test.
function(felgrove_add_test name)
    if(NOT BUILD_TESTING)
        return()
    endif()
    cmake_parse_arguments(T "" "TIMEOUT" "SOURCES;LIBS;ARGS" ${ARGN})
    if("Qt6::Test" IN_LIST T_LIBS AND NOT TARGET Qt6::Test)
        return()
    endif()
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
