# DLL images for the in-memory loader's tests, built by mingw as PE32 (probe32.dll) and
# PE32+ (probe64.dll): relocations, .bss, imports by name and ordinal, exports (probe.c).
set(test_images_dir ${CMAKE_CURRENT_BINARY_DIR}/images)
set(test_images_source ${CMAKE_CURRENT_LIST_DIR})
file(MAKE_DIRECTORY ${test_images_dir})
set(test_images)
foreach(bits 32 64)
    if(bits EQUAL 32)
        set(triplet i686-w64-mingw32)
        set(entry _probeEntry@12)
    else()
        set(triplet x86_64-w64-mingw32)
        set(entry probeEntry)
    endif()
    find_program(test_images_cc_${bits} ${triplet}-gcc REQUIRED)
    find_program(test_images_dlltool_${bits} ${triplet}-dlltool REQUIRED)
    set(import_libraries)
    foreach(module probe_host probe_ordinals)
        set(library ${test_images_dir}/lib${module}${bits}.a)
        add_custom_command(OUTPUT ${library}
            COMMAND ${test_images_dlltool_${bits}} -d ${test_images_source}/${module}.def -l ${library}
            DEPENDS ${test_images_source}/${module}.def VERBATIM)
        list(APPEND import_libraries ${library})
    endforeach()
    set(image ${test_images_dir}/probe${bits}.dll)
    add_custom_command(OUTPUT ${image}
        COMMAND ${test_images_cc_${bits}} -O2 -ffreestanding -nostdlib -shared -s
            -o ${image} ${test_images_source}/probe.c ${test_images_source}/probe.def
            ${import_libraries} -Wl,-e,${entry} -Wl,--image-base,0x10000000
            -Wl,--no-insert-timestamp
        DEPENDS ${test_images_source}/probe.c ${test_images_source}/probe.def ${import_libraries}
        VERBATIM)
    list(APPEND test_images ${image})
endforeach()
add_custom_target(test_images DEPENDS ${test_images})
add_dependencies(unit_tests test_images)
target_compile_definitions(unit_tests PRIVATE TARNWICK_TEST_IMAGES="${test_images_dir}")
