cmake_minimum_required(VERSION 3.21)
# Fails when a document written by hand names another version than project(). Run with
#   cmake -DSOURCE_DIR=<repo> -DVERSION=<version> -P CheckVersion.cmake
# The package, the metainfo, the About box and the tools take the version from the build.
set(failures "")

# voltaro_expect(<document> <text> [FIRST_LINE]): the document holds the text (in its first line).
function(voltaro_expect document text)
    if(ARGN STREQUAL "FIRST_LINE")
        file(STRINGS ${SOURCE_DIR}/${document} content LIMIT_COUNT 1)
    else()
        file(READ ${SOURCE_DIR}/${document} content)
    endif()
    string(FIND "${content}" "${text}" found)
    if(found EQUAL -1)
        set(failures "${failures}  ${document} does not name ${text}\n" PARENT_SCOPE)
    endif()
endfunction()

voltaro_expect(docs/man/voltaro.1 "\"Voltaro ${VERSION}\"" FIRST_LINE)
voltaro_expect(docs/man/voltaro-sheet.1 "\"Voltaro ${VERSION}\"" FIRST_LINE)
voltaro_expect(data/debian/changelog "voltaro (${VERSION})" FIRST_LINE)
voltaro_expect(README.md "voltaro_${VERSION}_amd64.deb")

if(failures)
    message(FATAL_ERROR "Documents that name another version than ${VERSION}:\n${failures}")
endif()
