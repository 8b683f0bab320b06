# The user import file reader.
escaval_fuzzer(fuzz_import FuzzImport.cpp database)
