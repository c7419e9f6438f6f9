# The option table as a user meets it: --help and --version, an option no command takes
# refused before anything is read or written, and operands that only look like options.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")

# run(STATUS ARGS...): runs CLI in WORK; out and err hold what it printed.
macro(run status)
    execute_process(COMMAND ${CLI} ${ARGN} WORKING_DIRECTORY "${WORK}"
        OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
    if(NOT rc EQUAL ${status})
        message(FATAL_ERROR "${ARGN}: exit status ${rc}, expected ${status}; stderr: ${err}")
    endif()
endmacro()

run(0 --version)
if(NOT out STREQUAL "vexlor-cli ${VERSION}\n")
    message(FATAL_ERROR "--version printed '${out}'")
endif()
# A command's --help wherever it stands, even beside what would be refused.
run(0 add --help)
if(NOT out MATCHES "^usage: vexlor-cli add \\[--replace \\[--force\\]\\] \\[--ally\\] DOC REPORT\\.\\.\\.\n.*--replace.*--force.*--ally")
    message(FATAL_ERROR "add --help printed '${out}'")
endif()
run(0 render DOC -o out.png --help)
if(NOT out MATCHES "^usage: vexlor-cli render .*--select X,Y" OR NOT err STREQUAL "")
    message(FATAL_ERROR "render --help printed '${out}', '${err}'")
endif()

# refused(COMMAND ARGS...): exit status 2, the command's usage, and no file left behind.
macro(refused command)
    run(2 ${command} ${ARGN})
    if(NOT err MATCHES "unknown option '[^']+'\nvexlor-cli: usage: vexlor-cli ${command} ")
        message(FATAL_ERROR "${command} ${ARGN}: stderr '${err}'")
    endif()
    file(GLOB left "${WORK}/*")
    if(left)
        message(FATAL_ERROR "${command} ${ARGN} wrote ${left}")
    endif()
endmacro()
refused(add --merge DOC.atl ${REPORT})
refused(add DOC.atl ${REPORT} --merge)
refused(lines --all ${REPORT})
refused(render ${DOC} --plan 1 -o out.png)
refused(levels --turn 1 ${DOC})
# find's text may begin with a minus after "--"; a negative coordinate needs none.
refused(find ${DOC} -Erisort)
run(1 find ${DOC} -- -Erisort)
run(1 find ${DOC} -2,4)
run(0 describe ${DOC} -2,4)
