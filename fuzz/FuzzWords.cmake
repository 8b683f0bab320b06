# Random sequences of vocabulary words through the drawing driver and the phrase interpreter.
escaval_fuzzer(fuzz_words FuzzWords.cpp interpret)
if(ESCAVAL_DATA)
  add_dependencies(fuzz_words vocabulary_data)
endif()
