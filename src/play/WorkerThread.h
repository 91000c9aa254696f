#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

// Ends a worker thread that sleeps on `wake` until `quit` is set under `mutex`: sets it,
// wakes the thread and waits for it to end. Does nothing when no thread runs.
inline void endWorkerThread(std::thread &thread, std::mutex &mutex, std::condition_variable &wake,
                            bool &quit) {
    if (!thread.joinable())
        return;
    {
        std::lock_guard lock(mutex);
        quit = true;
    }
    wake.notify_all();
    thread.join();
}
