# The charge picture decoder, compared with giflib.
find_path(GIFLIB_INCLUDE_DIR gif_lib.h)
find_library(GIFLIB_LIBRARY gif)
if(GIFLIB_INCLUDE_DIR AND GIFLIB_LIBRARY)
  escaval_fuzzer(fuzz_gif FuzzGif.cpp engine ${GIFLIB_LIBRARY})
  target_include_directories(fuzz_gif PRIVATE ${GIFLIB_INCLUDE_DIR})
endif()
