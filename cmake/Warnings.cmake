# Warnings for the project's own targets; third-party headers are included as
# system headers and stay quiet.
function(kestrova_warnings target)
  # GCC 12 reports -Wrestrict falsely inside std::string at -O2 (its bug 105329).
  target_compile_options(${target} PRIVATE -Wall -Wextra -Wpedantic -Wshadow -Wconversion -Wno-sign-conversion
                                           $<$<CXX_COMPILER_ID:GNU>:-Wno-restrict>)
endfunction()
