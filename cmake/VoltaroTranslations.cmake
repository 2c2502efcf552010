# `cmake --build build --target translations` writes build/translations/voltaro.ts, the template
# a translation starts from: every text the user sees, under its context. Not part of the
# default build. lupdate comes with qt6-l10n-tools (scripts/install-deps).
find_program(VOLTARO_LUPDATE NAMES lupdate lupdate-qt6
             HINTS ${QT6_INSTALL_PREFIX}/${QT6_INSTALL_BINS} /usr/lib/qt6/bin)
set(VOLTARO_TRANSLATION_TEMPLATE ${CMAKE_BINARY_DIR}/translations/voltaro.ts)
if(VOLTARO_LUPDATE)
    add_custom_target(translations
        COMMAND ${CMAKE_COMMAND} -DLUPDATE=${VOLTARO_LUPDATE}
                -DCATALOGUE=$<TARGET_FILE:voltaro_text_catalogue> -DSOURCE_DIR=${PROJECT_SOURCE_DIR}
                -DTS=${VOLTARO_TRANSLATION_TEMPLATE}
                -P ${PROJECT_SOURCE_DIR}/cmake/MakeTranslationTemplate.cmake
        DEPENDS voltaro_text_catalogue
        COMMENT "Writing the translation template ${VOLTARO_TRANSLATION_TEMPLATE}"
        VERBATIM)
else()
    add_custom_target(translations
        COMMAND ${CMAKE_COMMAND} -E echo "lupdate not found: run scripts/install-deps"
        COMMAND ${CMAKE_COMMAND} -E false
        VERBATIM)
endif()
