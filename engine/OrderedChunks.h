#pragma once

#include <functional>

// Works through chunks 0..count-1 on two threads and takes the results on the
// calling thread in chunk order: build(k) may run on either thread, at the
// same time as another chunk's build and as take of an earlier chunk;
// take(k) runs on the calling thread, once every chunk before k was taken.
// build must touch only what belongs to its own chunk.
class OrderedChunks
{
public:
    // The calling thread builds chunks too, but never more than this many
    // ahead of the oldest chunk not yet taken: what waits stays bounded.
    static constexpr int MaxAhead = 8;

    // An exception of either thread (running out of memory) reaches the
    // caller once both threads have stopped.
    static void run(int count, const std::function<void(int)> &build,
                    const std::function<void(int)> &take);
};
