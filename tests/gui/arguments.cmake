# The window's command line as `rcalab` reads it before any display is
# needed: --case takes its reference and lets --help and --version answer.
function(expect label code pattern)
    execute_process(COMMAND ${GUI} ${ARGN} OUTPUT_VARIABLE out ERROR_VARIABLE err
                    RESULT_VARIABLE rc)
    if(NOT rc EQUAL code OR NOT "${out}${err}" MATCHES "${pattern}")
        message(SEND_ERROR "${label}: exit ${rc}, output:\n${out}${err}\nexpected exit ${code} "
                           "and a match of: ${pattern}")
    endif()
endfunction()

expect("--case then --help" 0 "--case FILE:N" --case cases.jsonl:7 --help)
expect("folder, --case, --version" 0 "^rcalab [0-9]" dir --case cases.jsonl:1 --version)
expect("--workdir and --case" 0 "^rcalab [0-9]" --workdir dir --case c:1 --version)
expect("--case without its reference" 2 "--case needs a value" --case)
expect("--case twice" 2 "unexpected argument --case" --case a:1 --case b:1 --help)
expect("an unknown option" 2 "unexpected argument --cases" --cases a:1)
