# vexlor-cli add as a player uses it, step by step, in the folder of real reports (so that the
# report names in the output are relative). CLI, REPORTS, WORK (a scratch folder) and
# EXPECTED_DIR are given by the test.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(doc "${WORK}/red.atl")

set(CLI_RUN_DIR "${REPORTS}")
include(${CMAKE_CURRENT_LIST_DIR}/cli_steps.cmake)

# A new document from one faction's turns, given newest first: they are added (and printed) in
# the order of their turns.
set(turns)
foreach(n RANGE 1 8)
    list(APPEND turns v404-standard/3-turn${n}.rep)
endforeach()
list(REVERSE turns)
run(0 out add "${doc}" ${turns})
expect_same("${out}" "new-document.txt")
if(NOT EXISTS "${doc}")
    message(FATAL_ERROR "the document was not saved")
endif()
file(SHA256 "${doc}" saved)

# A loaded turn kept (not an error), another faction, a missing file: nothing changes, status 1
# for the two refused.
run(1 out add "${doc}" v404-standard/3-turn2.rep v404-standard/4-turn1.rep no-such.rep
    v404-standard/3-turn8.rep)
expect_same("${out}" "refused.txt")
file(SHA256 "${doc}" after)
if(NOT after STREQUAL saved)
    message(FATAL_ERROR "refused reports changed the document")
endif()

# --replace answers the question with Yes; the document holds the same turns as before.
run(0 out add --replace "${doc}" v404-standard/3-turn2.rep)
expect_same("${out}" "replaced.txt")
file(SHA256 "${doc}" replaced)
if(NOT replaced STREQUAL saved)
    message(FATAL_ERROR "replacing a turn with the same report gave another document")
endif()

# A file that is not a document is never overwritten.
set(notdoc "${WORK}/notes.atl")
file(WRITE "${notdoc}" "my notes, not a map\n")
run(1 out add "${notdoc}" v404-standard/3-turn1.rep)
file(READ "${notdoc}" notes)
if(NOT notes STREQUAL "my notes, not a map\n" OR NOT out STREQUAL "")
    message(FATAL_ERROR "a file that is no document was touched: ${out}")
endif()
if(NOT out_err MATCHES "notes.atl is not a map document")
    message(FATAL_ERROR "unexpected message: ${out_err}")
endif()

# Nothing read, nothing saved: no document appears.
set(empty "${WORK}/empty.atl")
run(1 out add "${empty}" "${EXPECTED_DIR}/new-document.txt")
if(EXISTS "${empty}")
    message(FATAL_ERROR "a document was saved although no report was read")
endif()
if(NOT out MATCHES "\t-\t0\t[^\t]*new-document.txt is not an Atlantis turn report.\n$")
    message(FATAL_ERROR "unexpected line for a file that is no report: ${out}")
endif()

# The companion leaves no debug file behind.
if(EXISTS "${REPORTS}/lines01.deb" OR EXISTS "${WORK}/lines01.deb")
    message(FATAL_ERROR "vexlor-cli add wrote lines01.deb")
endif()

# A 5.2 report cut between two of its blocks looks whole; replacing the turn held with it
# would lose regions and units, so --replace refuses it with both counts unless --force.
set(june "${WORK}/june.atl")
run(0 out add "${june}" head-standard/3-turn3.rep)
file(SHA256 "${june}" whole)
file(READ "${REPORTS}/head-standard/3-turn3.rep" report)
string(FIND "${report}" "ocean (15,5) in Wyreth Ocean.\n---" second)
string(SUBSTRING "${report}" 0 ${second} first_block)
file(WRITE "${WORK}/cut.rep" "${first_block}")
run(1 out add --replace "${june}" "${WORK}/cut.rep")
if(NOT out MATCHES "\tMarch, Year 1\t0\t[^\t]*cut.rep has 1 regions, the turn held has 3. Replace it\\?\n$")
    message(FATAL_ERROR "unexpected line for a report that would lose regions: ${out}")
endif()
file(SHA256 "${june}" after)
if(NOT after STREQUAL whole)
    message(FATAL_ERROR "a report with fewer regions replaced the turn without --force")
endif()
run(0 out add --replace --force "${june}" "${WORK}/cut.rep")
if(NOT out MATCHES "\tMarch, Year 1\t1\treplaced\n$")
    message(FATAL_ERROR "--force did not replace the turn: ${out}")
endif()
# Cut inside the block instead: refused as cut, --force or not.
string(FIND "${report}" "won't cross water, leader\n" unit_line)
math(EXPR unit_line "${unit_line} + 26")
string(SUBSTRING "${report}" 0 ${unit_line} in_unit)
file(WRITE "${WORK}/cut.rep" "${in_unit}")
run(1 out add --replace --force "${june}" "${WORK}/cut.rep")
if(NOT out MATCHES "cut.rep breaks off at line [0-9]+\\.\n$")
    message(FATAL_ERROR "a report cut inside a unit line was not refused: ${out}")
endif()
