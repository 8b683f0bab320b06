# The reader of the readme's rich text. It stands alone (the standard library only), so the
# target compiles it in rather than linking the window's whole library.
escaval_fuzzer(fuzz_rtf FuzzRtf.cpp)
target_sources(fuzz_rtf PRIVATE ${PROJECT_SOURCE_DIR}/shell/app/RtfReader.cpp)
