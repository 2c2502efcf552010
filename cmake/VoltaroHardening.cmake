# The hardening that distribution packages expect of an installed program: position-independent
# executables, the stack protector, fortified C library calls in optimised builds and
# relocations made read-only at start-up. Sanitizer and fuzzing builds leave out the
# fortification, which hides errors from the sanitizers.
option(VOLTARO_HARDENING "Build with the hardening flags of a distribution package" ON)
if(VOLTARO_HARDENING)
    include(CheckPIESupported)
    check_pie_supported()
    set(CMAKE_POSITION_INDEPENDENT_CODE ON)
    add_compile_options(-fstack-protector-strong -fstack-clash-protection)
    if(NOT VOLTARO_SANITIZE AND NOT VOLTARO_FUZZ)
        set(optimised "$<NOT:$<CONFIG:Debug>>")
        add_compile_options("$<${optimised}:-U_FORTIFY_SOURCE>" "$<${optimised}:-D_FORTIFY_SOURCE=2>")
    endif()
    add_link_options(LINKER:-z,relro LINKER:-z,now)
endif()
