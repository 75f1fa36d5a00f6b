# Both programs and every batch and sweep result name the project's version.
function(expect_output label expected)
    execute_process(COMMAND ${ARGN} OUTPUT_VARIABLE out RESULT_VARIABLE rc)
    if(NOT rc EQUAL 0 OR NOT out MATCHES "${expected}")
        message(SEND_ERROR "${label}: exit ${rc}, output:\n${out}\nexpected to match: ${expected}")
    endif()
endfunction()

string(REPLACE "." "\\." v "${VERSION}")
expect_output("rcalab-cli --version" "^rcalab-cli ${v}\n$" ${CLI} --version)
expect_output("rcalab --version" "^rcalab ${v}\n$" ${GUI} --version)
expect_output("batch --json" "^{\"version\":\"${v}\",\"mask\":" ${CLI} batch --trials 5 --seed 1 --json)
expect_output("batch --csv" "^version,mask,.*\n\"${v}\",\"" ${CLI} batch --trials 5 --seed 1 --csv)
expect_output("batch" "^version +${v}\n" ${CLI} batch --trials 5 --seed 1)
expect_output("sweep" "^{\"index\":0,\"version\":\"${v}\",[^\n]*\n{\"index\":1,\"version\":\"${v}\","
              ${CLI} sweep --masks 0..1x1 --trials 5 --seed 1)
