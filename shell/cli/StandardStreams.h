#pragma once
// The last thing a command does: standard output and standard error flushed and checked. A write
// that failed on the way (a full disk, /dev/full, past a file-size limit) would otherwise end the
// program with status 0 and a cut report or JSON file behind it.

namespace esc {

// `status` when every write to standard output and standard error went through; otherwise
// kExitFile, with one line on stderr naming standard output and why (when stderr can still be
// written).
int FinishStandardStreams(int status);

}  // namespace esc
