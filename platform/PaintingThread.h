// Who paints the program's windows. The toolkit's raster painter cuts every
// fill or blend of more than some hundred lines, and every large image
// conversion or smooth scaling, into slices for the global thread pool and
// waits for them, unless the thread that paints is one of the pool's own.
// Windows of small widgets gain nothing from that: a start-up paints some
// hundred such slices (a tall frame line is one), each handed to a thread
// that has first to be made or woken on another core, and a project opened
// repaints its tabs the same way.
#pragma once

namespace orv {

// The calling thread, the program's GUI thread, paints what it would have
// sliced itself, to the same pixels: the toolkit counts it among the pool's
// threads. `false` gives the slicing back. The program puts no work of its
// own in the pool.
void PaintOnThisThreadAlone(bool alone = true);

} // namespace orv
