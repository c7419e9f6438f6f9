# vexlor-cli add under careless use, each case on a real document: two adds at once, a failed
# replace, a read-only document, a link that names no file yet, a FIFO as a report, and the
# temporary a killed save left. CLI, REPORTS and WORK (a scratch folder) are given by the test.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(doc "${WORK}/red.atl")
set(r "${REPORTS}/head-standard")

include(${CMAKE_CURRENT_LIST_DIR}/cli_steps.cmake)

# How many of the reports' turns doc holds: adding them again without --replace keeps them.
function(expect_loaded count)
    run(0 out add ${doc} ${ARGN})
    string(REGEX MATCHALL "\tkept" found "${out}")
    list(LENGTH found n)
    if(NOT n EQUAL count)
        message(FATAL_ERROR "${count} turns expected in the document, ${n} found:\n${out}")
    endif()
endfunction()

# Two writers: two adds started together on one document; every turn either announced as
# added is in the file.
foreach(round RANGE 1 5)
    file(REMOVE "${doc}")
    execute_process(COMMAND sh -c "\"$0\" add \"$1\" \"$2\" \"$3\" >\"$1.a\" & \"$0\" add \"$1\" \"$4\" \"$5\" >\"$1.b\" & wait"
        ${CLI} ${doc} ${r}/3-turn1.rep ${r}/3-turn3.rep ${r}/3-turn2.rep ${r}/3-turn4.rep
        RESULT_VARIABLE rc)
    file(READ "${doc}.a" a)
    file(READ "${doc}.b" b)
    string(REGEX MATCHALL "\tadded" added "${a}${b}")
    list(LENGTH added n)
    if(NOT n EQUAL 4)
        message(FATAL_ERROR "round ${round}: both adds should add two turns:\n${a}${b}")
    endif()
    expect_loaded(4 ${r}/3-turn1.rep ${r}/3-turn2.rep ${r}/3-turn3.rep ${r}/3-turn4.rep)
endforeach()

# A failed replace: a report cut inside its regions leaves the turn and the file as they were.
file(READ "${r}/3-turn4.rep" full)
string(FIND "${full}" "\nExits:" cut REVERSE)
string(SUBSTRING "${full}" 0 ${cut} partial)
file(WRITE "${WORK}/cut.rep" "${partial}")
file(SHA256 "${doc}" before)
run(1 out add --replace ${doc} ${WORK}/cut.rep)
file(SHA256 "${doc}" after)
if(NOT before STREQUAL after)
    message(FATAL_ERROR "a failed replace changed the document")
endif()

# A killed save's temporary goes at the next save; a live program's stays.
file(WRITE "${doc}.vexlor-save-999999999-0" "partial")
run(0 out add ${doc} ${r}/3-turn5.rep)
if(EXISTS "${doc}.vexlor-save-999999999-0")
    message(FATAL_ERROR "the temporary of a killed save is still there")
endif()

# A read-only document: said before any report is read, exit 1, the file as it was.
file(CHMOD "${doc}" PERMISSIONS OWNER_READ GROUP_READ WORLD_READ)
file(SHA256 "${doc}" before)
run(1 out add ${doc} ${r}/3-turn6.rep)
file(SHA256 "${doc}" after)
if(NOT out STREQUAL "" OR NOT out_err MATCHES "red.atl is read-only, so it was not changed"
        OR NOT before STREQUAL after)
    message(FATAL_ERROR "a read-only document was not refused as such: ${out}${out_err}")
endif()

# A link that names no file yet: the file it names is made, the link stays.
file(MAKE_DIRECTORY "${WORK}/maps")
file(CREATE_LINK "maps/blue.atl" "${WORK}/blue.atl" SYMBOLIC)
run(0 out add ${WORK}/blue.atl ${r}/4-turn1.rep)
if(NOT IS_SYMLINK "${WORK}/blue.atl" OR NOT EXISTS "${WORK}/maps/blue.atl")
    message(FATAL_ERROR "the link was not followed to make the file it names")
endif()

# A FIFO as a report is refused at once instead of waiting for a writer.
execute_process(COMMAND mkfifo "${WORK}/pipe.rep")
run(1 out add ${WORK}/blue.atl ${WORK}/pipe.rep)
if(NOT out MATCHES "pipe.rep is not a regular file")
    message(FATAL_ERROR "a FIFO was not refused as no regular file: ${out}")
endif()

# A map with a second name (a hard link): the add says before its save that the other name
# keeps the map as it was, exit 0, and it does.
file(CREATE_LINK "${WORK}/maps/blue.atl" "${WORK}/blue-backup.atl")
file(SHA256 "${WORK}/blue-backup.atl" before)
run(0 out add ${WORK}/blue.atl ${r}/4-turn2.rep)
file(SHA256 "${WORK}/blue-backup.atl" after)
if(NOT out_err MATCHES "blue.atl is one of 2 names of the same file \\(hard links\\)"
        OR NOT before STREQUAL after)
    message(FATAL_ERROR "the split of a hard link was not said first: ${out}${out_err}")
endif()

# A damaged extension area: each command says so on standard error, keeps its exit status, and
# an add keeps the unreadable bytes in the file.
file(READ "${WORK}/maps/blue.atl" hex HEX)
string(FIND "${hex}" "52474e58" tag) # "RGNX": its length made far longer than the file
math(EXPR at "${tag} / 2 + 7")
file(COPY_FILE "${WORK}/maps/blue.atl" "${WORK}/damaged.atl")
execute_process(COMMAND sh -c "printf '\\177' | dd of=\"$0\" bs=1 seek=$1 conv=notrunc 2>/dev/null"
    "${WORK}/damaged.atl" ${at})
run(0 out levels ${WORK}/damaged.atl)
if(NOT out_err MATCHES "damaged.atl: the map's exits, weather and unit details could not be read")
    message(FATAL_ERROR "a damaged extension area was not said: ${out}${out_err}")
endif()
run(0 out add ${WORK}/damaged.atl ${r}/4-turn3.rep)
run(0 out dump ${WORK}/damaged.atl)
if(NOT out_err MATCHES "could not be read and were left out")
    message(FATAL_ERROR "the unreadable bytes went with a save: ${out_err}")
endif()
