escaval_fuzzer(fuzz_bmp FuzzBmp.cpp engine)
