if(KESTROVA_SANITIZE)
  add_compile_options(-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=undefined)
  add_link_options(-fsanitize=address,undefined)
endif()

# The fuzz build (clang only): every library carries libFuzzer's coverage
# hooks; the fuzz programs link libFuzzer's driver themselves.
option(KESTROVA_FUZZ "Build the libFuzzer fuzz targets (clang)" OFF)
if(KESTROVA_FUZZ)
  add_compile_options(-fsanitize=fuzzer-no-link -O1 -g)
endif()
