# Random sequences of vocabulary words through the drawing driver and the phrase interpreter.
escaval_drawing_fuzzer(fuzz_words FuzzWords.cpp)
