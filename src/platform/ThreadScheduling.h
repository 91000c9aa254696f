#pragma once

namespace platform {

// Makes the calling thread a background one: niced to `niceness`, so that it yields the
// processor to ordinary threads, and in long turns, so that an ordinary thread that wakes
// while it runs takes the processor from it at once instead of waiting for its turn to end
// (the scheduler lets a thread with a shorter turn go first). For a thread that works in
// bursts beside the play (the speech recogniser): the play's threads, the display server and
// whatever else wakes to put a picture on screen at its time never wait for a burst. Its
// share of the processor stays what its niceness gives it. Where the scheduler cannot be
// asked for turns (Linux before 6.12), the niceness alone is set.
void runInBackground(int niceness);

} // namespace platform
