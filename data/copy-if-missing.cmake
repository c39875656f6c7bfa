# Copies data files into a folder, but only those not already there: the
# program's folder holds the user's own phrase book, diary, addresses and
# mails, and neither a build nor an install may ever replace them.
#
#   cmake -DDEST_DIR=<folder> -P copy-if-missing.cmake -- <file>...
#
# Each file is copied under a temporary name and then renamed without
# replacing, so an interrupted copy never leaves a half-written data file and
# a file that appears meanwhile is kept.
cmake_minimum_required(VERSION 3.25)

if(NOT DEST_DIR)
    message(FATAL_ERROR "copy-if-missing: DEST_DIR is not set")
endif()

set(files)
set(take OFF)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
    if(take)
        list(APPEND files "${CMAKE_ARGV${i}}")
    elseif(CMAKE_ARGV${i} STREQUAL "--")
        set(take ON)
    endif()
endforeach()

file(MAKE_DIRECTORY "${DEST_DIR}")
foreach(source IN LISTS files)
    if(NOT EXISTS "${source}" OR IS_DIRECTORY "${source}")
        message(FATAL_ERROR "copy-if-missing: no file ${source}")
    endif()
    cmake_path(GET source FILENAME name)
    set(target "${DEST_DIR}/${name}")
    # A dangling link is the user's too: keep it rather than write through it.
    if(EXISTS "${target}" OR IS_SYMLINK "${target}")
        continue()
    endif()
    set(partial "${target}.partial")
    file(COPY_FILE "${source}" "${partial}")
    # NO_REPLACE may link rather than move; the partial name goes either way.
    file(RENAME "${partial}" "${target}" NO_REPLACE RESULT renamed)
    file(REMOVE "${partial}")
    if(NOT renamed EQUAL 0)
        continue()
    endif()
    message(STATUS "Data file: ${target}")
endforeach()
