# Runs the self-play simulator twice with one seed: the summary lines, but for the speed, must
# be the same. Called by ctest with -DPROGRAM=<the simulator>, and -DARGS=<its options> (a
# list) for other games than the standard ones.
if(NOT DEFINED ARGS)
    set(ARGS --games 60 --seed 1942 --damage Y)
endif()
foreach(run 1 2)
    execute_process(COMMAND ${PROGRAM} ${ARGS}
                    OUTPUT_VARIABLE out${run} RESULT_VARIABLE result${run})
    if(NOT result${run} EQUAL 0)
        message(FATAL_ERROR "run ${run} failed (${result${run}}): ${out${run}}")
    endif()
    # The Admiral's time to think is the machine's, like the speed.
    string(REGEX REPLACE "(, average think [0-9]+ ms)?, [0-9]+ games per second" "" out${run} "${out${run}}")
endforeach()
if(NOT out1 STREQUAL out2)
    message(FATAL_ERROR "one seed, two results:\n${out1}${out2}")
endif()
message(STATUS "same twice: ${out1}")
