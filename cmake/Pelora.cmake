# Build helpers shared by every area of the tree.

# The program folder, laid out the way the editor expects to find itself.
set(PEL_OUT_DIR ${CMAKE_BINARY_DIR}/out)
set(PEL_PUBLIC_PLUGIN_DIR ${PEL_OUT_DIR}/PublicPlugin)
set(PEL_PRIVATE_PLUGIN_DIR ${PEL_OUT_DIR}/PrivatePlugin)
set(PEL_SCHEMA_DIR ${PEL_OUT_DIR}/Schema)
foreach(d ${PEL_OUT_DIR} ${PEL_PUBLIC_PLUGIN_DIR} ${PEL_PRIVATE_PLUGIN_DIR} ${PEL_SCHEMA_DIR}
          ${PEL_OUT_DIR}/Config ${PEL_OUT_DIR}/Temp)
    file(MAKE_DIRECTORY ${d})
endforeach()

if(PEL_SANITIZE)
    # vptr checks report false mismatches for classes seen through RTLD_LOCAL plug-ins.
    add_compile_options(-fsanitize=address,undefined -fno-sanitize=vptr -fno-omit-frame-pointer
                        -fno-sanitize-recover=undefined)
    add_link_options(-fsanitize=address,undefined -fno-sanitize=vptr)
endif()
if(PEL_SANITIZE_THREAD)
    if(PEL_SANITIZE)
        message(FATAL_ERROR "PEL_SANITIZE_THREAD cannot be combined with PEL_SANITIZE")
    endif()
    add_compile_options(-fsanitize=thread -fno-omit-frame-pointer)
    add_link_options(-fsanitize=thread)
endif()

function(pel_add_if_present dir)
    if(EXISTS ${CMAKE_CURRENT_SOURCE_DIR}/${dir}/CMakeLists.txt)
        add_subdirectory(${dir})
    endif()
endfunction()

# Our own code: warnings are errors. Qt's headers come in as system headers.
function(pel_warnings target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
endfunction()

# Places a shared object or executable into a folder of the program folder.
function(pel_stage target dir)
    set_target_properties(${target} PROPERTIES
        LIBRARY_OUTPUT_DIRECTORY ${dir}
        RUNTIME_OUTPUT_DIRECTORY ${dir})
endfunction()

# A GoogleTest executable registered with ctest; tests that show widgets run offscreen, or with XSERVER
# each under an X server and window manager of its own (input then goes through the server). LABELS threads
# marks the tests of code that runs on several threads, which CI also runs under ThreadSanitizer.
function(pel_test name)
    cmake_parse_arguments(T "XSERVER" "" "SOURCES;LIBS;LABELS" ${ARGN})
    add_executable(${name} ${T_SOURCES})
    if(T_XSERVER)
        set_target_properties(${name} PROPERTIES CROSSCOMPILING_EMULATOR
                              ${CMAKE_SOURCE_DIR}/tests/editor/ui/xserver/run_under_xserver.sh)
    endif()
    pel_warnings(${name})
    target_link_libraries(${name} PRIVATE ${T_LIBS} GTest::gtest GTest::gmock GTest::gtest_main)
    target_compile_definitions(${name} PRIVATE PEL_OUT_DIR="${PEL_OUT_DIR}"
                                               PEL_TEST_BIN_DIR="${CMAKE_CURRENT_BINARY_DIR}"
                                               PEL_SOURCE_DIR="${CMAKE_SOURCE_DIR}")
    set(properties ENVIRONMENT "QT_QPA_PLATFORM=offscreen")
    if(T_LABELS)
        list(APPEND properties LABELS ${T_LABELS})
    endif()
    if("threads" IN_LIST T_LABELS)
        add_dependencies(pel_thread_tests ${name})
    endif()
    gtest_discover_tests(${name} NO_PRETTY_VALUES PROPERTIES ${properties} DISCOVERY_TIMEOUT 60)
endfunction()
