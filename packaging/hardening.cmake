# The hardening Debian gives its own packages (dpkg-buildflags): a stack
# protector, relocations made read-only and bound at start, and fortified libc
# calls where the compiler optimises (it needs the optimiser to see buffer
# sizes). Not under the sanitizers, which check those calls themselves and
# would miss the fortified ones.
add_compile_options(-fstack-protector-strong)
add_link_options(LINKER:-z,relro LINKER:-z,now)
if(NOT ZELTAN_SANITIZE AND NOT ZELTAN_BUILD_FUZZ)
  add_compile_options("$<$<CONFIG:Release,RelWithDebInfo,MinSizeRel>:-D_FORTIFY_SOURCE=2>")
endif()
