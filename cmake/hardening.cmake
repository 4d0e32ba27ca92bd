# Hardening of every build made for players: position-independent executables, stack
# protection, checked string and memory functions where the compiler optimises, and a
# relocation table made read-only before the program starts. The sanitizer and fuzzing builds
# keep their own instrumentation instead.
if(KZ_SANITIZE OR KZ_FUZZ)
    return()
endif()

include(CheckPIESupported)
check_pie_supported(LANGUAGES CXX)
set(CMAKE_POSITION_INDEPENDENT_CODE ON)

add_compile_options(-fstack-protector-strong)
# Where the compiler and the processor have them: probes against stack-clash, and the markers of
# control-flow protection.
include(CheckCXXCompilerFlag)
foreach(flag -fstack-clash-protection -fcf-protection)
    string(MAKE_C_IDENTIFIER "KZ_HAS${flag}" var)
    check_cxx_compiler_flag(${flag} ${var})
    if(${var})
        add_compile_options(${flag})
    endif()
endforeach()
# The checked functions need optimisation; an unoptimised build would only warn about them. A
# level the compiler sets by itself is replaced, not redefined.
set(kz_optimised $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
add_compile_options($<${kz_optimised}:-U_FORTIFY_SOURCE> $<${kz_optimised}:-D_FORTIFY_SOURCE=2>)
add_link_options(LINKER:-z,relro LINKER:-z,now)
