#pragma once
// The drawing makes and drops buffers of a few hundred kilobytes (the picture's masks, layer
// bitmaps, the free-space maps of the fitted layouts). With the C library's default limits each
// such buffer is mapped fresh from the system and its pages faulted in again on every drawing,
// and the heap's top is handed back and regrown each time: on a virtual machine that cost ten
// times the drawing itself. A program calls this once at start to keep freed memory for reuse
// (the heap then stays at its high-water mark, a few tens of megabytes).

namespace esc {

// Raises the allocator's thresholds for mapping and for returning memory; does nothing where
// the C library has no such settings.
void KeepFreedMemoryForReuse();

}  // namespace esc
