# The reader of the readme's rich text. It needs only the text encodings beside the standard
# library, so the target compiles both in rather than linking the window's whole library.
escaval_fuzzer(fuzz_rtf FuzzRtf.cpp)
target_sources(fuzz_rtf PRIVATE ${PROJECT_SOURCE_DIR}/shell/app/RtfReader.cpp
                                ${PROJECT_SOURCE_DIR}/engine/TextEncoding.cpp)
