# The reader of the readme's rich text.
escaval_fuzzer(fuzz_rtf FuzzRtf.cpp shell_app)
