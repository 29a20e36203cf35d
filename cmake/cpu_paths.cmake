# A build for other machines (TAVOLIER_NATIVE=OFF) keeps the fast paths: the
# hot code is compiled a second time for processors with AVX2 (the x86-64-v3
# set) and picked at run time (src/core/cpu_paths.h). A tuned build has one
# copy, for its own processor.
set(TAVOLIER_AVX2_COPIES OFF)
if(NOT TAVOLIER_NATIVE AND CMAKE_SYSTEM_PROCESSOR MATCHES "^(x86_64|AMD64|amd64)$")
    include(CheckCXXCompilerFlag)
    check_cxx_compiler_flag(-march=x86-64-v3 TAVOLIER_COMPILER_HAS_X86_64_V3)
    if(TAVOLIER_COMPILER_HAS_X86_64_V3)
        set(TAVOLIER_AVX2_COPIES ON)
    endif()
endif()

# Compiles sources (files layer_<layer> compiles already) once more as the
# copy for processors with AVX2: the OBJECT library tavolier_<layer>_avx2,
# whose objects join the layer. The copy sees TAVOLIER_AVX2_COPY and the
# layer's headers; the layer's own sources see TAVOLIER_HAS_AVX2_COPY. In a
# build without copies it does nothing.
function(tavolier_avx2_copy layer)
    if(NOT TAVOLIER_AVX2_COPIES)
        return()
    endif()
    set(target tavolier_${layer}_avx2)
    add_library(${target} OBJECT ${ARGN})
    # Optimised in every build type (a Debug build too): the copy must inline
    # the inline functions it calls, or one left out of line (a weak symbol)
    # could be the one the whole program links to (see
    # tests/avx2_copy_symbols.cmake).
    target_compile_options(${target} PRIVATE -march=x86-64-v3 -O3)
    target_compile_definitions(${target} PRIVATE TAVOLIER_AVX2_COPY)
    target_include_directories(${target} PRIVATE $<TARGET_PROPERTY:layer_${layer},INCLUDE_DIRECTORIES>)
    target_link_libraries(${target} PRIVATE tavolier_warnings)
    target_sources(layer_${layer} PRIVATE $<TARGET_OBJECTS:${target}>)
    target_compile_definitions(layer_${layer} PRIVATE TAVOLIER_HAS_AVX2_COPY)
endfunction()
