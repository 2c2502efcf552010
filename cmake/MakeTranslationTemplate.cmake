# Writes the translation template TS: every text the user sees, from the sources under
# SOURCE_DIR/src (VOLTARO_TEXT, tr()) and from the data tables as CATALOGUE lists them.
#   cmake -DLUPDATE=... -DCATALOGUE=... -DSOURCE_DIR=... -DTS=... -P MakeTranslationTemplate.cmake
get_filename_component(folder ${TS} DIRECTORY)
file(MAKE_DIRECTORY ${folder})
set(table_texts ${folder}/table_texts.cpp)
execute_process(COMMAND ${CATALOGUE} ${table_texts} RESULT_VARIABLE listed)
if(NOT listed EQUAL 0)
    message(FATAL_ERROR "the text catalogue failed: ${listed}")
endif()
execute_process(
    COMMAND ${LUPDATE} -silent -locations relative -tr-function-alias QT_TRANSLATE_NOOP+=VOLTARO_TEXT
            ${SOURCE_DIR}/src ${table_texts} -ts ${TS}
    RESULT_VARIABLE updated)
if(NOT updated EQUAL 0)
    message(FATAL_ERROR "lupdate failed: ${updated}")
endif()
