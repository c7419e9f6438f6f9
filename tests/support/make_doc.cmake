# Makes the document DOC afresh from the reports REPORTS (separated by |) with CLI's add, as the
# program reads reports. Fails when any report is not read cleanly.
string(REPLACE "|" ";" reports "${REPORTS}")
file(REMOVE "${DOC}")
execute_process(COMMAND ${CLI} add ${DOC} ${reports} OUTPUT_VARIABLE out ERROR_VARIABLE err
    RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "vexlor-cli add failed (${rc}):\n${out}${err}")
endif()
