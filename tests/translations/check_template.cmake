# Makes the translation template as the `translations` target does, then checks that it holds a
# text of each kind (the data tables through the catalogue, the phrases of every layer, tr() of
# the Qt side), each under the context the window translates it in.
include(${SOURCE_DIR}/cmake/MakeTranslationTemplate.cmake)

set(expected
    "Menus=Show Resistance"
    "Widgets=Is this the right Circuit?"
    "Lessons=This is a simple circuit."
    "Lessons=Circuit Intro"
    "Edit=Save the Ciruit"
    "Edit=The file %1 could not be read: %2"
    "Meter=200 µA"
    "Model=… (%1 more lines not shown)"
    "Bench=Circuits: %1"
    "Shell=Resetting the circuit.  Reset now?"
    "Output=Printed for %1"
    "QtPlatform=About Voltaro"
    "voltaro::TWhoami=Name will appear on printout")

file(READ ${TS} template)
string(REPLACE ";" "," template "${template}")
string(REPLACE "<context>" ";" contexts "${template}")
foreach(entry IN LISTS expected)
    string(FIND "${entry}" "=" equals)
    string(SUBSTRING "${entry}" 0 ${equals} context)
    math(EXPR after "${equals} + 1")
    string(SUBSTRING "${entry}" ${after} -1 source)
    set(found FALSE)
    foreach(block IN LISTS contexts)
        string(FIND "${block}" "<name>${context}</name>" named)
        string(FIND "${block}" "<source>${source}</source>" held)
        if(named GREATER -1 AND held GREATER -1)
            set(found TRUE)
        endif()
    endforeach()
    if(NOT found)
        message(FATAL_ERROR "The translation template lacks \"${source}\" under ${context}")
    endif()
endforeach()
