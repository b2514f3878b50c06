# cmake -DSOURCE=<source folder> -DWORK=<scratch folder> -P werror.cmake
# Configures the presets into WORK and checks their compile commands: warnings are errors in
# the developers' build, and in neither build a user makes (`make run`, the package).
foreach(case IN ITEMS "default;ON" "run;OFF" "package;OFF")
    list(GET case 0 preset)
    list(GET case 1 expected)
    set(binary ${WORK}/${preset})
    file(REMOVE_RECURSE ${binary})
    execute_process(
        COMMAND ${CMAKE_COMMAND} --preset ${preset} -B ${binary}
        WORKING_DIRECTORY ${SOURCE}
        RESULT_VARIABLE result OUTPUT_QUIET ERROR_VARIABLE errors)
    if(NOT result EQUAL 0)
        message(FATAL_ERROR "preset ${preset} does not configure:\n${errors}")
    endif()
    file(READ ${binary}/compile_commands.json commands)
    string(FIND "${commands}" "-Werror" at)
    if(at EQUAL -1)
        set(found OFF)
    else()
        set(found ON)
    endif()
    if(NOT found STREQUAL expected)
        message(FATAL_ERROR "preset ${preset}: -Werror ${found}, expected ${expected}")
    endif()
    file(REMOVE_RECURSE ${binary})
endforeach()
