#include "platform/ThreadScheduling.h"

#include <cstdint>

#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace platform {
namespace {

// The turn asked for: the scheduler's usual one is a millisecond or two, its longest 100 ms.
constexpr std::uint64_t kLongTurnNs = 20'000'000;
constexpr std::uint64_t kKeepPolicy = 0x08; // SCHED_FLAG_KEEP_POLICY

// The kernel's scheduling attributes (sched_setattr(2)), which libc does not declare.
struct SchedulingAttributes {
    std::uint32_t size = sizeof(SchedulingAttributes);
    std::uint32_t policy = 0;
    std::uint64_t flags = 0;
    std::int32_t nice = 0;
    std::uint32_t priority = 0;
    std::uint64_t runtimeNs = 0; // under the fair scheduler: the turn asked for
    std::uint64_t deadlineNs = 0;
    std::uint64_t periodNs = 0;
};

} // namespace

void runInBackground(int niceness) {
#ifdef SYS_sched_setattr
    // The niceness and the turn in one call for the calling thread (pid 0), the policy kept;
    // a kernel that knows no turns for ordinary threads takes the niceness and passes over
    // the turn.
    SchedulingAttributes attributes;
    attributes.flags = kKeepPolicy;
    attributes.nice = niceness;
    attributes.runtimeNs = kLongTurnNs;
    if (syscall(SYS_sched_setattr, pid_t(0), &attributes, 0u) == 0)
        return;
#endif
    setpriority(PRIO_PROCESS, id_t(gettid()), niceness);
}

} // namespace platform
