# GoogleTest from Debian's source package, built for whichever target this tree builds.
set(INSTALL_GTEST OFF CACHE BOOL "" FORCE)
set(BUILD_GMOCK ON CACHE BOOL "" FORCE)
set(gtest_force_shared_crt ON CACHE BOOL "" FORCE)
add_subdirectory(/usr/src/googletest ${CMAKE_BINARY_DIR}/googletest EXCLUDE_FROM_ALL SYSTEM)
# GoogleTest's own sources are UTF-8 and must not be re-encoded.
foreach(lib gtest gtest_main gmock gmock_main)
    target_compile_options(${lib} PRIVATE -fexec-charset=UTF-8 -w)
endforeach()
