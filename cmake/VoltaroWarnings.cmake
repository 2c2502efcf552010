# The warnings every target of ours is built with: link voltaro_warnings PRIVATE. The flags of
# all our code are voltaro_warning_flags. -Werror comes only with VOLTARO_WERROR, which the
# suite and CI turn on (`make test`); a plain build, `make run` and `make package` leave it off,
# so that a newer compiler's new warning never stops a build from source.
option(VOLTARO_WERROR "Treat compiler warnings as errors (the suite and CI)" OFF)

set(voltaro_warning_flags -Wall -Wextra)
add_library(voltaro_warnings INTERFACE)
target_compile_options(voltaro_warnings INTERFACE ${voltaro_warning_flags}
                       $<$<BOOL:${VOLTARO_WERROR}>:-Werror>)
