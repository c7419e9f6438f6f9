# Runs the layering check over the clean little tree beside this file with one case's files laid
# over it: -DCASE=<folder of the case, or empty for the clean tree alone> -DWORK=<scratch folder>.
# The check's output and its failure pass through for the test to judge.
set(here "${CMAKE_CURRENT_LIST_DIR}")
file(REMOVE_RECURSE "${WORK}")
file(COPY "${here}/clean/" DESTINATION "${WORK}")
if(CASE)
    # file(COPY) skips a file whose copy has the same time stamp, as a fresh checkout gives the
    # clean tree's file and the case's: the case's must replace it.
    file(GLOB_RECURSE case_files RELATIVE "${here}/${CASE}" "${here}/${CASE}/*")
    foreach(name IN LISTS case_files)
        file(REMOVE "${WORK}/${name}")
    endforeach()
    file(COPY "${here}/${CASE}/" DESTINATION "${WORK}")
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK} -P ${here}/../layering.cmake
    OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE status)
message("${out}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "refused")
endif()
