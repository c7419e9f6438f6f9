# vexlor-cli notes and note as a player's scripts use them, on a copy of the document made from
# faction 3's real reports: notes written, listed, found, described, removed, and the map's own
# bytes left as they were. CLI, DOC (the document to copy) and WORK (a scratch folder) are given.
file(REMOVE_RECURSE "${WORK}")
file(MAKE_DIRECTORY "${WORK}")
set(doc "${WORK}/noted.atl")
file(COPY_FILE "${DOC}" "${doc}")
file(READ "${DOC}" plainBytes HEX)

include(${CMAKE_CURRENT_LIST_DIR}/cli_steps.cmake)

function(expect actual expected what)
    if(NOT "${actual}" STREQUAL "${expected}")
        message(FATAL_ERROR "${what}:\n[${actual}]\nexpected\n[${expected}]")
    endif()
endfunction()

run(0 out notes "${doc}")
expect("${out}" "" "a map without notes")

# Two lines, a tab and a backslash; a level by its name; Windows line breaks and trailing blanks.
run(0 out note "${doc}" 0,32 "Buy horses\nat Verdorf  \n")
run(0 out note "${doc}" "(3,5,underworld)" "Tab\there \\ back")
run(0 out note "${doc}" " 2 , 0 " "Sail\r\nnorth")
run(0 out notes "${doc}")
expect("${out}" "2,0,0\tSail\\nnorth\n0,32,0\tBuy horses\\nat Verdorf\n3,5,1\tTab\\there \\\\ back\n"
    "notes by level, y, x, one line each")

# Refused: nothing changes.
file(SHA256 "${doc}" noted)
run(1 out note "${doc}" 1,32 "odd")
expect("${out_err}" "vexlor-cli: bad coordinate '1,32': no hex has an odd x + y\n"
    "an odd coordinate")
run(1 out note "${doc}" "0;32" "bad")
run(1 out note "${WORK}/missing.atl" 0,32 "nowhere")
string(REPEAT "x" 4001 long)
run(1 out note "${doc}" 0,32 "${long}")
expect("${out_err}" "vexlor-cli: the note has 4001 characters; a note holds at most 4000\n"
    "a note too long")
file(SHA256 "${doc}" after)
expect("${after}" "${noted}" "refused notes changed the document")

# The version-1 document is the same bytes; the notes are in the area after it ("VexlorX" 0x1A).
string(FIND "${plainBytes}" "5665786c6f72581a" area)
string(SUBSTRING "${plainBytes}" 0 ${area} version1)
file(READ "${doc}" notedBytes HEX)
string(SUBSTRING "${notedBytes}" 0 ${area} head)
expect("${head}" "${version1}" "the version-1 bytes of a document with notes")
string(FIND "${notedBytes}" "4e4f5445" tag) # NOTE
if(tag LESS area)
    message(FATAL_ERROR "no NOTE chunk after the version-1 document")
endif()

run(0 out find "${doc}" "horses")
expect("${out}" "0,32,0\tnote\tBuy horses\n" "find finds the note")
run(0 out describe "${doc}" 0,32)
string(FIND "${out}" "Your note:\n  Buy horses\n  at Verdorf\njungle (0,32) in Erisort" at)
expect("${at}" "0" "the description starts with the note")

# An empty text removes a note; without notes the document is what it was. (A list passed on
# drops an empty argument, so these run here.)
foreach(hex 0,32 2,0)
    execute_process(COMMAND ${CLI} note "${doc}" ${hex} "" RESULT_VARIABLE rc)
    expect("${rc}" "0" "an empty note on ${hex}")
endforeach()
run(0 out note "${doc}" 3,5,1 "  ")
run(0 out notes "${doc}")
expect("${out}" "" "every note removed")
file(READ "${doc}" all HEX)
expect("${all}" "${plainBytes}" "the document without notes")
