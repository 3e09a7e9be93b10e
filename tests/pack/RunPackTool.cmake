# cmake -DTOOL=... -DDATA=... -DWORK=... -P RunPackTool.cmake
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# expect_run(STATUS ARGS...): runs the tool and fails unless it exits STATUS;
# its output is left in `out` and `err`.
function(expect_run status)
  execute_process(COMMAND ${TOOL} ${ARGN} RESULT_VARIABLE result
                  OUTPUT_VARIABLE output ERROR_VARIABLE error)
  if(NOT result EQUAL status)
    message(FATAL_ERROR "brambletop-pack ${ARGN}: exit ${result}, expected ${status}\n${error}")
  endif()
  set(out "${output}" PARENT_SCOPE)
  set(err "${error}" PARENT_SCOPE)
endfunction()

function(expect_contains text part)
  string(FIND "${text}" "${part}" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "expected \"${part}\" in:\n${text}")
  endif()
endfunction()

expect_run(2)
expect_contains("${err}" "usage: brambletop-pack")
expect_run(0 --help)
expect_contains("${out}" "blank WIDTH HEIGHT")

# The tool's own sources and test pictures make a varied round trip.
file(GLOB sources ${SOURCES}/*.cpp ${DATA}/*.png)
set(joined "")
foreach(source ${sources})
  file(READ ${source} text HEX)
  string(APPEND joined "${text}")
endforeach()
file(WRITE ${WORK}/in.txt "${joined}")
expect_run(0 pack ${WORK}/in.txt ${WORK}/in.st)
expect_run(0 unpack ${WORK}/in.st ${WORK}/in.out)
execute_process(COMMAND ${CMAKE_COMMAND} -E compare_files ${WORK}/in.txt ${WORK}/in.out
                RESULT_VARIABLE differ)
if(differ)
  message(FATAL_ERROR "unpack did not give back the packed file")
endif()

expect_run(1 unpack ${WORK}/missing.st ${WORK}/never.out)
expect_contains("${err}" "missing.st: cannot be read")
if(EXISTS ${WORK}/never.out)
  message(FATAL_ERROR "a failed unpack left an output file")
endif()

file(WRITE ${WORK}/sprites.txt "${DATA}/rgba.png 0 0 1 1 1\nblank 3 2\n")
expect_run(0 bank ${WORK}/sprites.txt ${WORK}/b.spr)
expect_run(0 list ${WORK}/b.spr)
expect_contains("${out}" "2 sprites")
expect_run(0 png ${WORK}/b.spr ${WORK}/art)
foreach(name 000.png 001.png sheet.png manifest.txt)
  if(NOT EXISTS ${WORK}/art/${name})
    message(FATAL_ERROR "png did not write ${name}")
  endif()
endforeach()
