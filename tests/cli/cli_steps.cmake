# The steps the command-line scenarios share. CLI is given by the test; a scenario that sets
# CLI_RUN_DIR before including this runs vexlor-cli in that folder.

# run(<expected status> <output variable> args...): the output in the variable, what went to
# standard error in <variable>_err.
function(run status outvar)
    set(where)
    if(DEFINED CLI_RUN_DIR)
        set(where WORKING_DIRECTORY "${CLI_RUN_DIR}")
    endif()
    execute_process(COMMAND ${CLI} ${ARGN} ${where}
        OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
    if(NOT rc EQUAL status)
        message(FATAL_ERROR "vexlor-cli ${ARGN}: exit status ${rc}, expected ${status}\n${out}${err}")
    endif()
    set(${outvar} "${out}" PARENT_SCOPE)
    set(${outvar}_err "${err}" PARENT_SCOPE)
endfunction()

# The output against a golden file in EXPECTED_DIR; a differing output is kept in WORK.
function(expect_same actual expected_file)
    file(READ "${EXPECTED_DIR}/${expected_file}" expected)
    if(NOT actual STREQUAL expected)
        file(WRITE "${WORK}/actual-${expected_file}" "${actual}")
        message(FATAL_ERROR "output differs from ${expected_file}; see ${WORK}/actual-${expected_file}")
    endif()
endfunction()
