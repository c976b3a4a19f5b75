# One short, reproducible fuzzing session for CTest: a fresh copy of the
# committed seeds in the build tree (the fuzzer adds what it finds there, not
# to the sources), a fixed seed and a few seconds.
#   cmake -DFUZZER=<binary> -DCORPUS=<seed dir> -DWORK=<build dir> -P smoke.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK}/corpus ${WORK}/artifacts)
file(COPY ${CORPUS}/ DESTINATION ${WORK}/corpus)
execute_process(
    COMMAND ${FUZZER} -seed=1 -max_total_time=4 -timeout=10 -artifact_prefix=${WORK}/artifacts/
            ${WORK}/corpus
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${FUZZER} failed (${result}); the input is in ${WORK}/artifacts")
endif()
