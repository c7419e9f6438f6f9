# vexlor-cli with allies as a player uses it, step by step, in the folder of real reports (so that
# the report names in the output are relative): faction 3 holds 4 and 5 as allies, by their
# reports and by their maps, shares its own map and lets them go. CLI, REPORTS, WORK (a scratch
# folder) and EXPECTED_DIR are given by the test.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(doc "${WORK}/red.atl")

set(CLI_RUN_DIR "${REPORTS}")
include(${CMAKE_CURRENT_LIST_DIR}/cli_steps.cmake)

function(expect_match actual pattern what)
    if(NOT actual MATCHES "${pattern}")
        string(SUBSTRING "${actual}" 0 400 start)
        message(FATAL_ERROR "${what}: '${start}' does not match '${pattern}'")
    endif()
endfunction()

# reports(<variable> faction first last)
function(reports var faction first last)
    set(list)
    foreach(n RANGE ${first} ${last})
        list(APPEND list head-standard/${faction}-turn${n}.rep)
    endforeach()
    set(${var} ${list} PARENT_SCOPE)
endfunction()

reports(red 3 1 8)
reports(blue 4 1 8)
reports(green 5 1 8)
run(0 out add "${doc}" ${red})
file(SHA256 "${doc}" own)

# Without --ally another faction's report is refused as ever.
run(1 out add "${doc}" head-standard/4-turn1.rep)
expect_match("${out}" "\t0\thead-standard/4-turn1.rep is for faction 4, the map is for faction 3.\n$"
    "another faction without --ally")

# With --ally: all of 4's reports, two of 5's, and one of the player's own, which goes the
# normal way (kept).
reports(green_start 5 1 2)
run(0 out add --ally "${doc}" ${blue} ${green_start} head-standard/3-turn8.rep)
expect_same("${out}" "added.txt")
run(0 out add --ally "${doc}" head-standard/4-turn1.rep)
expect_match("${out}" "\tJanuary, Year 1\t0\tkept\n$" "a month held for the ally")
run(0 out add --ally --replace "${doc}" head-standard/4-turn1.rep)
expect_match("${out}" "\tJanuary, Year 1\t[0-9]+\treplaced for ally 4\n$" "--replace for the ally")
run(0 out allies "${doc}")
expect_same("${out}" "allies.txt")

# 5's whole map: its months join those held.
set(green_map "${WORK}/green.atl")
run(0 out add "${green_map}" ${green})
run(0 out add --ally "${doc}" "${green_map}")
expect_match("${out}" "green.atl\t-\t8\tadded for ally 5\n$" "an ally's map")
run(0 out allies "${doc}")
expect_same("${out}" "allies-with-map.txt")
# The allies' units join the player's, each from its owner's report.
run(0 out units "${doc}")
expect_same("${out}" "units.txt")
run(0 out dump "${doc}")
expect_match("${out}" "\\], \"allies\": \\[\\{\"faction\": 4, \"name\": \"Blue Herons\", \"turns\": \\[\\{\"date\": 12, "
    "dump's allies")

# A damaged map is refused whole; nothing of the document changes.
file(SHA256 "${doc}" before)
# The map's first kilobyte: a header and part of its first turn.
execute_process(COMMAND head -c 1000 "${green_map}" OUTPUT_FILE "${WORK}/cut.atl")
run(1 out add --ally "${doc}" "${WORK}/cut.atl")
expect_match("${out}" "cut.atl is damaged or cut short, so nothing of it was added as an ally's map.\n$"
    "a damaged map")
file(SHA256 "${doc}" after)
if(NOT after STREQUAL before)
    message(FATAL_ERROR "a refused map changed the document")
endif()

# The player's own months for an ally: all of them are the own map as it was; from May on,
# taken by 4 as its ally's map.
run(0 out export-ally "${doc}" "${WORK}/all.atl")
file(SHA256 "${WORK}/all.atl" exported)
if(NOT exported STREQUAL own)
    message(FATAL_ERROR "the export of every month is not the player's own map")
endif()
run(0 out export-ally "${doc}" "${WORK}/may-on.atl" --from "May, Year 1")
set(blue_map "${WORK}/blue.atl")
run(0 out add "${blue_map}" ${blue})
run(0 out add --ally "${blue_map}" "${WORK}/may-on.atl")
run(0 out allies "${blue_map}")
expect_same("${out}" "allies-of-blue.txt")
run(1 out export-ally "${doc}" "${doc}")
expect_match("${out_err}" "red.atl is the map document itself" "an export over the document")

# Removed one by one, the document is the player's own map again, byte for byte.
run(1 out allies "${doc}" --remove 6)
expect_match("${out_err}" "Faction 6 is not held as an ally." "an unknown ally")
run(1 out allies "${doc}" --remove four)
expect_match("${out_err}" "bad faction 'four'" "a bad faction")
run(0 out allies "${doc}" --remove 4)
run(0 out allies "${doc}" --remove 5)
run(0 out allies "${doc}")
if(NOT out STREQUAL "")
    message(FATAL_ERROR "allies left after removing them: ${out}")
endif()
file(SHA256 "${doc}" removed)
if(NOT removed STREQUAL own)
    message(FATAL_ERROR "removing the allies did not give back the player's own map")
endif()
