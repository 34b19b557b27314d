// Room kept for the window for when memory runs out: a block of address
// space that is never written (so it costs no memory in use), given back the
// moment a Get runs out of memory, so that the window still has room to
// paint, start its threads and say what happened. The line store takes it
// again each time it is emptied.
#pragma once

namespace listing::memory_reserve {

// Takes the reserve when it is not held and there is room for it.
void keep();
// Gives the reserve back. Safe on any thread.
void release();

}  // namespace listing::memory_reserve
