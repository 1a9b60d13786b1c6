# A Windows build made on Linux runs its own programs (the sample generator,
# the tests) under Wine. wine.sh in the build folder does it: in this build's own Wine prefix,
# with the Qt and mingw runtime DLLs on the program's path. Qt's offscreen
# platform finds its fonts through Wine's (fonts-wine). CMake puts it before
# every such command.

find_program(FELGROVE_WINE wine64 PATHS /usr/lib/wine REQUIRED)

# The folders of the DLLs, as Wine's drive Z: sees them.
set(dll_folders ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS})
foreach(dll libstdc++-6.dll libwinpthread-1.dll)
    execute_process(COMMAND ${CMAKE_CXX_COMPILER} -print-file-name=${dll}
        OUTPUT_VARIABLE found OUTPUT_STRIP_TRAILING_WHITESPACE)
    file(REAL_PATH ${found} found)
    get_filename_component(folder ${found} DIRECTORY)
    list(APPEND dll_folders ${folder})
endforeach()
set(FELGROVE_WINEPATH)
foreach(folder IN LISTS dll_folders)
    string(REPLACE "/" "\\" folder "Z:${folder}")
    list(APPEND FELGROVE_WINEPATH ${folder})
endforeach()
set(FELGROVE_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix)
configure_file(${CMAKE_CURRENT_LIST_DIR}/wine.sh.in ${CMAKE_BINARY_DIR}/wine.sh @ONLY
    FILE_PERMISSIONS OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CMAKE_CROSSCOMPILING_EMULATOR ${CMAKE_BINARY_DIR}/wine.sh)
