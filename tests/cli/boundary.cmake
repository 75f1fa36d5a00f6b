# A script keeps its writes in the working folder unless --allow-outside,
# and a second program on a folder in use is turned away.
file(REMOVE_RECURSE ${WORK})
file(MAKE_DIRECTORY ${WORK})
set(wd ${WORK}/wd)
execute_process(COMMAND ${CLI} init-workdir ${wd} OUTPUT_QUIET RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
    message(FATAL_ERROR "init-workdir failed: ${rc}")
endif()
file(CREATE_LINK ../../newfile ${wd}/IMPROVE/imp000.dat SYMBOLIC)
file(CREATE_LINK ../examp/kept.dat ${wd}/IMPROVE/inside.dat SYMBOLIC)

# run(CODE ERR_PART FILE THERE script [options]): exit CODE, ERR_PART on
# standard error, and FILE there or not afterwards.
function(run code err_part file made script)
    execute_process(COMMAND ${CLI} --workdir ${wd} ${ARGN} -e "${script}"
        OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
    string(FIND "${err}" "${err_part}" at)
    if(EXISTS ${file})
        set(there TRUE)
    else()
        set(there FALSE)
    endif()
    if(NOT rc EQUAL code OR at EQUAL -1 OR NOT there STREQUAL made)
        message(SEND_ERROR "${script} ${ARGN}: exit ${rc} (expected ${code}), ${file} made: "
                           "${there} (expected ${made})\nstderr:\n${err}")
    endif()
endfunction()

set(refused "outside the working folder; a script writes only inside it")
run(2 "line 1: refused to write ../outside.png: it leads to ${WORK}/outside.png, ${refused}"
    ${WORK}/outside.png FALSE "save ../outside.png")
run(0 "" ${WORK}/outside.png TRUE "save ../outside.png" --allow-outside)
run(2 "line 2: refused to write ${WORK}/abs.dat" ${WORK}/abs.dat FALSE
    "answer ${WORK}/abs.dat; click WriteRCA1; print lineLength")
run(0 "" ${WORK}/abs.dat TRUE "answer ${WORK}/abs.dat; click WriteRCA1" --allow-outside)
run(2 "refused to write IMPROVE/imp000.dat: it is a link to ${WORK}/newfile (not there yet)"
    ${WORK}/newfile
    FALSE "answer IMPROVE/imp000.dat; click WriteRCA1")
run(2 "${refused}" ${WORK}/pic.png FALSE "answer ${WORK}/pic.png; click SavePicture1")
# Links that stay inside keep working; reading outside is allowed.
run(0 "" ${wd}/examp/kept.dat TRUE "answer IMPROVE/inside.dat; click WriteRCA1")
run(0 "" ${WORK}/abs.dat TRUE "answer ${WORK}/abs.dat; click ReadRCA1")

# A real second process: the holder runs for ever until stopped.
execute_process(COMMAND sh ${CMAKE_CURRENT_LIST_DIR}/second_program.sh ${CLI} ${wd}
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
string(REGEX MATCH "second=([0-9]+) init=([0-9]+) holder=([0-9]+) after=([0-9]+)" got "${out}")
set(want "${wd} is in use by rcalab-cli on ")
string(FIND "${err}" "${want}" at)
string(FIND "${err}" "(process ${CMAKE_MATCH_3})" at_pid)
if(NOT rc EQUAL 0 OR NOT CMAKE_MATCH_1 EQUAL 4 OR NOT CMAKE_MATCH_2 EQUAL 4
   OR NOT CMAKE_MATCH_4 EQUAL 0 OR at EQUAL -1
   OR at_pid EQUAL -1 OR err MATCHES "\n11\n")
    message(SEND_ERROR "second program: exit ${rc}\nstdout:\n${out}\nstderr:\n${err}")
endif()

# A link planted at the lock's own name is never written through.
file(WRITE ${WORK}/victim "precious\n")
file(CREATE_LINK ../victim ${wd}/.rcalab.lock SYMBOLIC)
execute_process(COMMAND ${CLI} --workdir ${wd} -e "print lineLength"
    OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE rc)
file(READ ${WORK}/victim victim)
if(NOT rc EQUAL 0 OR NOT out STREQUAL "11\n" OR NOT victim STREQUAL "precious\n"
   OR NOT err MATCHES "not locked \\(.rcalab.lock is a link; remove it\\)")
    message(SEND_ERROR "planted lock link: exit ${rc}, victim '${victim}'\nstderr:\n${err}")
endif()
