# copy-if-missing puts the starter files where none exist and leaves every file
# already there, the user's, exactly as it was.
file(REMOVE_RECURSE "${WORK_DIR}")
set(src "${WORK_DIR}/src")
set(dest "${WORK_DIR}/program folder")
foreach(name Talk.txt day.txt addres.txt mail.txt)
    file(WRITE "${src}/${name}" "starter ${name}")
endforeach()
file(WRITE "${dest}/Talk.txt" "user's phrases")
file(WRITE "${dest}/day.txt" "")
file(CREATE_LINK "${dest}/elsewhere/mail.txt" "${dest}/mail.txt" SYMBOLIC)

function(copy_if_missing dest_dir expected_result)
    execute_process(COMMAND "${CMAKE_COMMAND}" "-DDEST_DIR=${dest_dir}" -P "${COPY_IF_MISSING}"
                            -- ${ARGN} RESULT_VARIABLE rc OUTPUT_QUIET ERROR_QUIET)
    set(succeeded FALSE)
    if(rc EQUAL 0)
        set(succeeded TRUE)
    endif()
    if(NOT succeeded STREQUAL expected_result)
        message(FATAL_ERROR "copy-if-missing into ${dest_dir}: exit status ${rc}")
    endif()
endfunction()

function(expect_content path expected)
    file(READ "${path}" content)
    if(NOT content STREQUAL expected)
        message(FATAL_ERROR "${path} holds '${content}', expected '${expected}'")
    endif()
endfunction()

set(all "${src}/Talk.txt" "${src}/day.txt" "${src}/addres.txt" "${src}/mail.txt")
# Twice: a second build or install changes nothing either.
foreach(round 1 2)
    copy_if_missing("${dest}" TRUE ${all})
    expect_content("${dest}/Talk.txt" "user's phrases")
    expect_content("${dest}/day.txt" "")
    expect_content("${dest}/addres.txt" "starter addres.txt")
    # A dangling link is kept, and nothing is written through it.
    if(NOT IS_SYMLINK "${dest}/mail.txt" OR EXISTS "${dest}/elsewhere")
        message(FATAL_ERROR "the link mail.txt was replaced or written through")
    endif()
endforeach()
file(GLOB leftovers "${dest}/*.partial")
if(leftovers)
    message(FATAL_ERROR "partial copies left behind: ${leftovers}")
endif()

copy_if_missing("${WORK_DIR}/new/folder" TRUE ${all})
expect_content("${WORK_DIR}/new/folder/mail.txt" "starter mail.txt")

copy_if_missing("${dest}" FALSE "${src}/no-such-file.txt")
copy_if_missing("" FALSE ${all})
