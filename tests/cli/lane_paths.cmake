# Batches and sweeps print the same bytes on every lane path, and the bytes
# the program printed before trials ran side by side (SHA-256 recorded then).
# A path the processor lacks falls back to a narrower one, and must agree too.
# The version field came later and changes with every release: it is taken out
# before hashing (the JSON field, the CSV column).
set(runs
    "batch --seed 1 --json=3c0bdb7cac8afaa3b4956a1b6534ea3d09ab467da430e0d2b6e57c2fab4a39f0"
    "batch --seed 9 --trials 300 --length 6..70 --border frozen --mask L1,L3,R2,R6 --step-limit 4000 --json=0a55298013cfaea902223083d51e82306d8dd137f491fbe1f027260ecc5155a8"
    "batch --seed 4 --trials 300 --length 6..14 --mask 31:31 --step-limit 3000 --csv=ced20e505756812248bf40350e625f6afa4285b616c8d2aa2b8b1e586c96c088"
    "sweep --masks 0..31x5 --lengths 6..20,30..50 --borders circle,frozen --trials 40 --step-limit 2000 --seed 3 --threads 2=9dab9ffc3bf65f027dc17df38c20f9b9031db07ee6aca3ba45e8b31b355e038b"
    "batch --seed 5 --trials 200 --length 43..100 --step-limit 3000 --json=6189f6da2fa7a303babb31ac66db3c8d3482dd573bde86041df0f863bacf7603"
    "batch --seed 6 --trials 150 --length 90..100 --border frozen --mask L1,L4,R3,R5 --step-limit 2000 --csv=f4075ee702ffdd4cf38ee225eae729e9f92a6a6aeb7561fab8291e6ab9f51400"
    "sweep --masks 0..31x7 --lengths 6..100,40..46 --borders circle,frozen --trials 20 --step-limit 1500 --seed 2 --threads 2=0bddf97c9c1fd46f888c27bb21aeaded9701646ca3c9b20ef1699febab20610a")
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
