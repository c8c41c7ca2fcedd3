# Runs lumetrix-cli (CLI, through EMULATOR when one is given) on SCRIPT in the directory WORKDIR, empty but for NAME.csv as
# LightDatabase.csv and the files of the folder NAME.Leuchten in a folder Leuchten (each if
# present), with WORKDIR.Dokumente as the user's Documents folder, holding the files of the
# folder NAME.Dokumente if present. It checks what the run printed against the files next to
# the script: NAME.expected (standard output, byte for byte, with the paths of these folders and
# of the program's folder written {Arbeitsordner}, {Dokumente} and {Programmordner}),
# NAME.stderr (standard error, if present), NAME.status (exit status, 0 if absent) and
# NAME.files (the names of the files left in WORKDIR, one a line in sorted order,
# LightDatabase.csv included, if present).
cmake_policy(VERSION 3.21)

get_filename_component(dir "${SCRIPT}" DIRECTORY)
get_filename_component(name "${SCRIPT}" NAME_WE)
get_filename_component(program_folder "${CLI}" DIRECTORY)
set(documents "${WORKDIR}.Dokumente")

file(REMOVE_RECURSE "${WORKDIR}" "${documents}")
file(MAKE_DIRECTORY "${WORKDIR}")
if(EXISTS "${dir}/${name}.csv")
  configure_file("${dir}/${name}.csv" "${WORKDIR}/LightDatabase.csv" COPYONLY)
endif()
if(IS_DIRECTORY "${dir}/${name}.Leuchten")
  file(COPY "${dir}/${name}.Leuchten/" DESTINATION "${WORKDIR}/Leuchten")
endif()
if(IS_DIRECTORY "${dir}/${name}.Dokumente")
  file(COPY "${dir}/${name}.Dokumente/" DESTINATION "${documents}")
endif()
set(ENV{LUMETRIX_DOCUMENTS} "${documents}")
execute_process(COMMAND ${EMULATOR} "${CLI}" "${SCRIPT}" WORKING_DIRECTORY "${WORKDIR}"
                OUTPUT_VARIABLE out ERROR_VARIABLE err RESULT_VARIABLE status TIMEOUT 120)
# A script runs in well under a second (a few under node): a driver still running after two
# minutes hangs.
if(status MATCHES "timeout")
  message(FATAL_ERROR "${name}.script: lumetrix-cli did not end within 120 s")
endif()
string(REPLACE "${documents}" "{Dokumente}" out "${out}")
string(REPLACE "${WORKDIR}" "{Arbeitsordner}" out "${out}")
string(REPLACE "${program_folder}" "{Programmordner}" out "${out}")

file(READ "${dir}/${name}.expected" expected)
set(expected_status 0)
if(EXISTS "${dir}/${name}.status")
  file(STRINGS "${dir}/${name}.status" expected_status LIMIT_COUNT 1)
endif()

set(failures "")
if(NOT "${status}" STREQUAL "${expected_status}")
  string(APPEND failures "exit status ${status}, expected ${expected_status}\n")
endif()
if(NOT "${out}" STREQUAL "${expected}")
  string(APPEND failures "standard output differs:\n${out}\n--- expected:\n${expected}\n")
endif()
if(EXISTS "${dir}/${name}.stderr")
  file(READ "${dir}/${name}.stderr" expected_err)
  if(NOT "${err}" STREQUAL "${expected_err}")
    string(APPEND failures "standard error differs:\n${err}\n--- expected:\n${expected_err}\n")
  endif()
endif()
if(EXISTS "${dir}/${name}.files")
  file(GLOB names RELATIVE "${WORKDIR}" "${WORKDIR}/*")
  list(SORT names)
  list(JOIN names "\n" listed)
  file(READ "${dir}/${name}.files" expected_files)
  if(NOT "${listed}\n" STREQUAL "${expected_files}")
    string(APPEND failures "files left differ:\n${listed}\n--- expected:\n${expected_files}\n")
  endif()
endif()
if(failures)
  message(FATAL_ERROR "${name}: ${failures}standard error was:\n${err}")
endif()
