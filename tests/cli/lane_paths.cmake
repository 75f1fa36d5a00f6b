# Batches and sweeps print the same bytes on every lane path, and the bytes
# the one-trial-at-a-time scalar path printed (SHA-256 recorded from it, since
# seeds derive the start state too).
# A path the processor lacks falls back to a narrower one, and must agree too.
# The version field came later and changes with every release: it is taken out
# before hashing (the JSON field, the CSV column).
set(runs
    "batch --seed 1 --json=58d5ec6526192440a5208bbb06b61f2d4c877258c76df5fe58ff2dac933f4af5"
    "batch --seed 9 --trials 300 --length 6..70 --border frozen --mask L1,L3,R2,R6 --step-limit 4000 --json=c251c7f4afc293562b5a7f138495286bad940bfd68b1833e768883fc2a02a016"
    "batch --seed 4 --trials 300 --length 6..14 --mask 31:31 --step-limit 3000 --csv=56c524149954abcf8cd4ff2a4378651a50eb3189b94c31b0d160ea48f59824c2"
    "sweep --masks 0..31x5 --lengths 6..20,30..50 --borders circle,frozen --trials 40 --step-limit 2000 --seed 3 --threads 2=1220ea003ebc15bb4ad75e67f4a4831dc675987db9f1339a55811cf601efdd25"
    "batch --seed 5 --trials 200 --length 43..100 --step-limit 3000 --json=0fadd1e94ed4aa93c16c33deb0712a441b9d19d04f7a4182016dc2766aab76a3"
    "batch --seed 6 --trials 150 --length 90..100 --border frozen --mask L1,L4,R3,R5 --step-limit 2000 --csv=c871219ad1d2d1cd457e040a9e31ff226a36deb9c56d01f5ce1944014c116f0d"
    "sweep --masks 0..31x7 --lengths 6..100,40..46 --borders circle,frozen --trials 20 --step-limit 1500 --seed 2 --threads 2=b33b501b77a6f72266c8534fdfd329a1e83b82a149f3ac839f9a48c49b75eade")
foreach(run ${runs})
    string(FIND "${run}" "=" eq REVERSE)
    string(SUBSTRING "${run}" 0 ${eq} command)
    math(EXPR from "${eq} + 1")
    string(SUBSTRING "${run}" ${from} -1 expected)
    separate_arguments(args UNIX_COMMAND "${command}")
    foreach(path scalar avx2 avx512)
        execute_process(COMMAND ${CMAKE_COMMAND} -E env RCALAB_LANES=${path} ${CLI} ${args}
            OUTPUT_VARIABLE out RESULT_VARIABLE rc)
        string(REGEX REPLACE "\"version\":\"[^\"]*\"," "" out "${out}")
        string(REGEX REPLACE "^version,([^\n]*\n)\"[^\"]*\"," "\\1" out "${out}")
        string(SHA256 got "${out}")
        if(NOT rc EQUAL 0 OR NOT got STREQUAL expected)
            message(SEND_ERROR "RCALAB_LANES=${path} rcalab-cli ${command}: exit ${rc}, "
                               "output hash ${got}, expected ${expected}")
        endif()
    endforeach()
endforeach()
