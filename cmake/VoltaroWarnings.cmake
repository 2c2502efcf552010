# The warnings every target of ours is built with: link voltaro_warnings PRIVATE. The flags of
# all our code are voltaro_warning_flags. -Werror comes only with VOLTARO_WERROR, which the
# suite and CI turn on (`make test`); a plain build, `make run` and `make package` leave it off,
# so that a newer compiler's new warning never stops a build from source.
option(VOLTARO_WERROR "Treat compiler warnings as errors (the suite and CI)" OFF)

set(voltaro_warning_flags
    -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wold-style-cast -Wsuggest-override
    -Wnon-virtual-dtor -Woverloaded-virtual)
if(CMAKE_CXX_COMPILER_ID MATCHES "Clang")
    # Clang's -Wconversion also counts every mix of signed and unsigned, which GCC's leaves out
    # for C++: the two compilers (the sanitizer and fuzz builds are clang's) warn of the same.
    # Qt's test macros (QSKIP with a message alone) pass no variadic argument.
    list(APPEND voltaro_warning_flags -Wno-sign-conversion -Wno-gnu-zero-variadic-macro-arguments)
endif()
add_library(voltaro_warnings INTERFACE)
target_compile_options(voltaro_warnings INTERFACE ${voltaro_warning_flags}
                       $<$<BOOL:${VOLTARO_WERROR}>:-Werror>)

# Our Qt code (src/qt/ and the tools) also turns off Qt's implicit conversions between bytes and
# text: every QString from a char string says how the bytes are to be read. Link it PRIVATE.
add_library(voltaro_qt_strict INTERFACE)
target_compile_definitions(voltaro_qt_strict INTERFACE
    QT_NO_CAST_FROM_ASCII QT_NO_CAST_TO_ASCII QT_NO_CAST_FROM_BYTEARRAY
    QT_NO_URL_CAST_FROM_STRING QT_NO_NARROWING_CONVERSIONS_IN_CONNECT)
