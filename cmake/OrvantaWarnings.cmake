# Compiler warnings and sanitizers for every target of the project, through one
# interface target that each target links privately.
add_library(orvanta_build_flags INTERFACE)
add_library(orvanta::build_flags ALIAS orvanta_build_flags)

target_compile_options(orvanta_build_flags INTERFACE -Wall -Wextra)
if(ORVANTA_WERROR)
    target_compile_options(orvanta_build_flags INTERFACE -Werror)
endif()

if(ORVANTA_SANITIZE STREQUAL "address")
    set(_orvanta_san -fsanitize=address,undefined -fno-sanitize-recover=undefined
        -fno-omit-frame-pointer)
elseif(ORVANTA_SANITIZE STREQUAL "thread")
    set(_orvanta_san -fsanitize=thread -fno-omit-frame-pointer)
elseif(NOT ORVANTA_SANITIZE STREQUAL "")
    message(FATAL_ERROR "ORVANTA_SANITIZE must be empty, 'address' or 'thread'")
endif()
if(DEFINED _orvanta_san AND CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    # GCC's flow analysis sees through sanitizer instrumentation badly and reports
    # maybe-uninitialized inside the standard library (std::regex, std::function).
    target_compile_options(orvanta_build_flags INTERFACE -Wno-maybe-uninitialized)
endif()
if(DEFINED _orvanta_san)
    # Sanitizers must reach every object and the link of every executable, so they
    # are set for the whole build rather than per target.
    add_compile_options(${_orvanta_san})
    add_link_options(${_orvanta_san})
endif()
