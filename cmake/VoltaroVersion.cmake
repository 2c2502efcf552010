# The version of project() as a header of the build tree, voltaro/version.h (kVoltaroVersion),
# for the About box and the tools. voltaro/ lies below every layer of src/: any may include it.
set(VOLTARO_GENERATED_DIR ${PROJECT_BINARY_DIR}/generated)
configure_file(${PROJECT_SOURCE_DIR}/cmake/version.h.in
               ${VOLTARO_GENERATED_DIR}/voltaro/version.h @ONLY)
add_library(voltaro_version INTERFACE)
target_include_directories(voltaro_version INTERFACE ${VOLTARO_GENERATED_DIR})
