# cmake -DSOURCE=<source folder> -DWORK=<scratch folder> -P werror.cmake
# Configures the presets into WORK: -Werror in the developers' build, in neither build a user
# makes (`make run`, the package).
foreach(case IN ITEMS "default;1" "run;0" "package;0")
    list(GET case 0 preset)
    list(GET case 1 expected)
    file(REMOVE_RECURSE ${WORK}/${preset})
    execute_process(COMMAND ${CMAKE_COMMAND} --preset ${preset} -B ${WORK}/${preset}
                    WORKING_DIRECTORY ${SOURCE} RESULT_VARIABLE failed OUTPUT_QUIET)
    file(READ ${WORK}/${preset}/compile_commands.json commands)
    string(FIND "${commands}" "-Werror" at)
    if(at GREATER -1)
        set(found 1)
    else()
        set(found 0)
    endif()
    if(failed OR NOT found EQUAL expected)
        message(FATAL_ERROR "preset ${preset}: -Werror expected ${expected}")
    endif()
    file(REMOVE_RECURSE ${WORK}/${preset})
endforeach()
