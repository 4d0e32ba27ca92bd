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
# Where the compiler has them, probes that keep a large stack frame from jumping over the guard
# page. (Control-flow markers are left out: the system's own start-up objects lack them, so no
# program linked here could carry them.)
include(CheckCXXCompilerFlag)
check_cxx_compiler_flag(-fstack-clash-protection KZ_HAS_STACK_CLASH_PROTECTION)
if(KZ_HAS_STACK_CLASH_PROTECTION)
    add_compile_options(-fstack-clash-protection)
endif()
# The checked functions need optimisation; an unoptimised build would only warn about them. A
# level the compiler sets by itself is replaced, not redefined.
set(kz_optimised $<CONFIG:Release,RelWithDebInfo,MinSizeRel>)
add_compile_options($<${kz_optimised}:-U_FORTIFY_SOURCE> $<${kz_optimised}:-D_FORTIFY_SOURCE=2>)
add_link_options(LINKER:-z,relro LINKER:-z,now)
