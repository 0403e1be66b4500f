# cmake -DSOURCE_DIR=… -DWORK=… -DGENERATOR=… -DVERSION=… -DLINTIAN=… -DSHLIBDEPS=…
#       -DFILE_PROGRAM=… -DREADELF=… -DOBJCOPY=… -DDPKG=… -P checkpackage.cmake
# Builds the Debian package as a user would (Release, cpack) and checks what
# apt and lintian will see: computed Depends, the hardening, a clean lintian,
# and that cpack stops rather than pack without dpkg-shlibdeps.
cmake_minimum_required(VERSION 3.25)
set(build ${WORK}/build)
file(REMOVE_RECURSE ${WORK}/out ${WORK}/no-shlibdeps ${WORK}/root)

function(run)
  execute_process(COMMAND ${ARGN} RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
  if(NOT rc EQUAL 0)
    message(FATAL_ERROR "${ARGN} failed (${rc}):\n${out}")
  endif()
  set(out "${out}" PARENT_SCOPE)
endfunction()

run(${CMAKE_COMMAND} -S ${SOURCE_DIR} -B ${build} -G ${GENERATOR} -DCMAKE_BUILD_TYPE=Release
    -DZELTAN_BUILD_TESTS=OFF -DZELTAN_BUILD_BENCH=OFF -DZELTAN_SANITIZE=OFF)
run(${CMAKE_COMMAND} --build ${build})
run(${CMAKE_COMMAND} -E chdir ${build} cpack -B ${WORK}/out)
file(GLOB deb ${WORK}/out/zeltan_*.deb)
list(LENGTH deb debs)
if(NOT debs EQUAL 1)
  message(FATAL_ERROR "expected one package, cpack made: ${deb}")
endif()

# The control fields, row by row: field, what it must match.
set(fields
    "Version|^${VERSION}-1$"
    "Depends|libqt6core6 \\(>= [0-9.]+\\)"
    "Depends|libqt6widgets6 \\(>= [0-9.]+\\)"
    "Depends|libqt6printsupport6 \\(>= [0-9.]+\\)"
    "Depends|fonts-ipafont-gothic, fonts-ipafont-mincho, qt6-translations-l10n"
    "Depends|libcups2"
    "Depends|libqt6sql6-sqlite"
    "Recommends|^whiptail, ibus, ibus-mozc$")
foreach(row IN LISTS fields)
  string(REPLACE "|" ";" row "${row}")
  list(GET row 0 field)
  list(GET row 1 pattern)
  run(dpkg-deb --field ${deb} ${field})
  string(STRIP "${out}" value)
  if(NOT value MATCHES "${pattern}")
    message(FATAL_ERROR "${field}: \"${value}\" does not match ${pattern}")
  endif()
endforeach()

# The hardening of the packaged program, as the loader and libc see it.
run(dpkg-deb -x ${deb} ${WORK}/root)
set(program ${WORK}/root/usr/bin/zeltan)
set(hardening
    "bound at start|readelf -dW|FLAGS_1.*NOW"
    "read-only relocations|readelf -lW|GNU_RELRO"
    "stack protector|readelf --dyn-syms -W|__stack_chk_fail"
    "fortified libc calls|readelf --dyn-syms -W|__[a-z]+_chk@")
foreach(row IN LISTS hardening)
  string(REPLACE "|" ";" row "${row}")
  list(GET row 0 name)
  list(GET row 1 command)
  list(GET row 2 pattern)
  separate_arguments(args UNIX_COMMAND "${command}")
  run(${args} ${program})
  if(NOT out MATCHES "${pattern}")
    message(FATAL_ERROR "usr/bin/zeltan lacks ${name}: no ${pattern} in ${command}")
  endif()
endforeach()

# Errors and warnings fail; an info tag about hardening fails too.
run(${LINTIAN} --display-info --fail-on error,warning ${deb})
string(REGEX MATCHALL "[EW]: [^\n]*|I: [^\n]*hardening[^\n]*" tags "${out}")
if(tags)
  message(FATAL_ERROR "lintian:\n${out}")
endif()

# Without dpkg-shlibdeps cpack must stop, not pack only the names given by
# hand. Only its search is blinded; the other tools cpack uses stay found.
get_filename_component(shlibdeps_dir ${SHLIBDEPS} DIRECTORY)
execute_process(
  COMMAND ${CMAKE_COMMAND} -E chdir ${build} cpack -B ${WORK}/no-shlibdeps
          -D "CMAKE_IGNORE_PATH=${shlibdeps_dir};/usr/bin;/bin" -D FILE_EXECUTABLE=${FILE_PROGRAM}
          -D CPACK_READELF_EXECUTABLE=${READELF} -D CPACK_OBJCOPY_EXECUTABLE=${OBJCOPY}
          -D DPKG_CMD=${DPKG}
  RESULT_VARIABLE rc OUTPUT_VARIABLE out ERROR_VARIABLE out)
file(GLOB packed ${WORK}/no-shlibdeps/*.deb)
if(rc EQUAL 0 OR packed OR NOT out MATCHES "dpkg-dev")
  message(FATAL_ERROR "cpack without dpkg-shlibdeps: status ${rc}, ${packed}\n${out}")
endif()
