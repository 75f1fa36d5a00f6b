# The command line of both programs: what each refuses, and that a refusal
# neither runs anything nor makes anything.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})

# expect(CODE OUT_PART ERR_PART program args...)
function(expect code out_part err_part)
    execute_process(COMMAND ${ARGN} WORKING_DIRECTORY ${WORK}
        OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
    string(FIND "${out}" "${out_part}" at_out)
    string(FIND "${err}" "${err_part}" at_err)
    if(NOT rc EQUAL code OR at_out EQUAL -1 OR at_err EQUAL -1)
        message(SEND_ERROR "${ARGN}: exit ${rc} (expected ${code})\n"
                           "stdout:\n${out}\nstderr:\n${err}")
    endif()
endfunction()


expect(0 "usage: rcalab-cli" "" ${CLI} init-workdir --help)
expect(2 "" "init-workdir: unknown option -x" ${CLI} init-workdir -x)
file(GLOB made ${WORK}/*)
if(made)
    message(SEND_ERROR "init-workdir made ${made} from an option")
endif()

file(WRITE ${WORK}/one.rcs "print lineLength\n")
expect(2 "" "cannot read script ${WORK}: it is a folder" ${CLI} --script ${WORK})
expect(2 "" "cannot read script ${WORK}/none.rcs: the file is missing"
       ${CLI} --script ${WORK}/none.rcs)
expect(2 "" "-e: give one script only" ${CLI} -e "print stepTime" -e "print lineLength")
expect(2 "" "-e: give one script only" ${CLI} --script ${WORK}/one.rcs -e "print stepTime")
expect(0 "11\n" "" ${CLI} --script ${WORK}/one.rcs)
expect(2 "" "--workdir is given twice" ${CLI} --workdir ${WORK} --workdir ${WORK} -e "print lineLength")
