# Runs the layering check over the clean little tree beside this file with one case's files laid
# over it: -DCASE=<folder of the case, or empty for the clean tree alone> -DWORK=<scratch folder>.
# The check's output and its failure pass through for the test to judge.
set(here "${CMAKE_CURRENT_LIST_DIR}")
file(REMOVE_RECURSE "${WORK}")
file(COPY "${here}/clean/" DESTINATION "${WORK}")
if(CASE)
    # COPY_FILE, not COPY: COPY passes over a file whose time stamp equals the one it would
    # replace, which a fresh checkout gives the case and the clean tree alike.
    file(GLOB_RECURSE case_files RELATIVE "${here}/${CASE}" "${here}/${CASE}/*")
    foreach(file IN LISTS case_files)
        get_filename_component(folder "${WORK}/${file}" DIRECTORY)
        file(MAKE_DIRECTORY "${folder}")
        file(COPY_FILE "${here}/${CASE}/${file}" "${WORK}/${file}")
    endforeach()
endif()
execute_process(COMMAND ${CMAKE_COMMAND} -DSOURCE_DIR=${WORK} -P ${here}/../layering.cmake
    OUTPUT_VARIABLE out ERROR_VARIABLE out RESULT_VARIABLE status)
message("${out}")
if(NOT status EQUAL 0)
    message(FATAL_ERROR "refused")
endif()
