# cmake -DNM=nm -DOBJECT=file.o -DALLOWED=regex -P avx2_copy_symbols.cmake
#
# A copy of hot code compiled for processors with AVX2 must define no code
# but its own entry points that the rest of the program could reach: an
# inline function left out of line (a weak symbol) could be the one the
# linker keeps for the whole program, and the portable code would then run
# AVX2 instructions; a static initialiser would run them at start-up.
execute_process(COMMAND ${NM} --defined-only --demangle ${OBJECT}
    OUTPUT_VARIABLE symbols RESULT_VARIABLE status)
if(NOT status EQUAL 0)
    message(FATAL_ERROR "nm failed on ${OBJECT}")
endif()
string(REPLACE "\n" ";" lines "${symbols}")
set(shared)
foreach(line IN LISTS lines)
    # Code the whole program may link to (T global, W and V weak, i
    # indirect); local code (t) stays inside the object, and constant data
    # (R, r, u) holds the same bytes in every copy.
    if(line MATCHES "^[0-9a-f]* [TWVvwi] (.*)$")
        set(name "${CMAKE_MATCH_1}")
        if(NOT name MATCHES "${ALLOWED}")
            list(APPEND shared "${name}")
        endif()
    # A static initialiser would run at start-up on every processor.
    elseif(line MATCHES " (_GLOBAL__sub_I.*)$")
        list(APPEND shared "${CMAKE_MATCH_1} (runs before main)")
    endif()
endforeach()
if(shared)
    list(JOIN shared "\n  " text)
    message(FATAL_ERROR "${OBJECT} defines symbols the portable code could link to:\n  ${text}")
endif()
message(STATUS "${OBJECT}: only its entry points")
