#pragma once

#include <functional>

// Works through chunks 0..count-1 on every core and takes the results on the
// calling thread in chunk order: build(k) may run on any thread, at the same
// time as other chunks' builds and as take of an earlier chunk; take(k) runs
// on the calling thread, once every chunk before k was taken. build must touch
// only what belongs to its own chunk.
class OrderedChunks
{
public:
    // No chunk is begun more than this many ahead of the oldest one not yet
    // taken: what waits to be taken stays bounded.
    static constexpr int MaxAhead = 8;

    // An exception of any thread (running out of memory) reaches the caller
    // once every thread has stopped.
    static void run(int count, const std::function<void(int)> &build,
                    const std::function<void(int)> &take, int maxAhead = MaxAhead);
    // Every chunk built, in no particular order, and nothing to take.
    static void runAll(int count, const std::function<void(int)> &build);
};
