// The C library's heap for a program that makes and frees the same large
// buffers over and over: the page buffers and the compressor of every page
// of a printed PDF, the image of every figure of an exported report.
#pragma once

namespace orv {

// Freed memory stays with the program for the next such buffer instead of
// going back to the system, where taking it again costs a page fault for
// every page of it: buffers up to 32 MB come from the heap, and up to 64 MB
// of freed heap is kept. The heap's first megabytes are advised onto large
// pages, where the system has them, and fresh heap starts with them, so
// that a start-up faults once per 2 MiB of fresh heap. Called once, before
// anything is allocated in bulk.
void KeepFreedMemoryForReuse();

} // namespace orv
