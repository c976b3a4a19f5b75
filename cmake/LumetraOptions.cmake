# Compiler options shared by every target of ours.

option(LUMETRA_SANITIZE "Build the host tree with AddressSanitizer and UndefinedBehaviorSanitizer" OFF)

if(LUMETRA_SANITIZE AND NOT WIN32)
    # Applied to everything (GoogleTest included) so the runtime sees one world.
    add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all)
    add_link_options(-fsanitize=address,undefined)
endif()

# Our own code: all warnings, and warnings are errors.
function(lumetra_target target)
    target_compile_options(${target} PRIVATE -Wall -Wextra -Werror)
    target_include_directories(${target} PUBLIC ${PROJECT_SOURCE_DIR})
endfunction()

# A test executable: GoogleTest on the host (each test listed in CTest), one
# CTest entry run through Wine for the win64 build.
function(lumetra_test name)
    add_executable(${name} ${ARGN})
    lumetra_target(${name})
    target_link_libraries(${name} PRIVATE GTest::gtest_main)
    # GCC 12's optimiser reports false out-of-bounds copies inside
    # std::vector initialiser lists, which tests use everywhere.
    if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
        target_compile_options(${name} PRIVATE -Wno-array-bounds -Wno-stringop-overflow -Wno-stringop-overread)
    endif()
    if(WIN32)
        add_test(NAME ${name} COMMAND ${name})
    else()
        include(GoogleTest)
        gtest_discover_tests(${name} DISCOVERY_TIMEOUT 60)
    endif()
endfunction()
