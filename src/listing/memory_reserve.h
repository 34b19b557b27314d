// Room kept for the window for when memory runs out, so that it can still
// paint, start its threads and say what happened.
//
// Where the system limits the process's address space (ulimit -v), the room
// is a share of what is left that the lines may not take: the line store
// stops short of it, as if memory had run out there. Without such a limit,
// it is a block of address space that is never written (so it costs no
// memory in use), given back the moment a Get runs out of memory. The line
// store takes both afresh each time it is emptied.
#pragma once

#include <cstddef>
#include <optional>

namespace listing::memory_reserve {

// Takes the reserve when it is not held, there is room for it, and the
// address space is not limited.
void keep();
// Gives the reserve back. Safe on any thread.
void release();

// Under a limit on the address space: how many more bytes a list may take
// and leave the window its room; none when there is no limit.
std::optional<std::size_t> roomForLines();

}  // namespace listing::memory_reserve
