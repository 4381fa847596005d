#pragma once

#include <functional>

#include "jobs/checked_write_job.h"

namespace talvo::jobs {

// The step between a checked write's backup read and its write, the same in the window,
// talvo-cli, the fleet and the browser: nothing is written until what the radio held is kept.
// `kept` says whether the copy the write depends on was stored; only then is `ask` (the user's
// go-ahead) consulted, and without `ask` the write goes ahead. Call it while the job awaits its
// decision.
inline void DecideAfterBackup(CheckedWriteJob& job, bool kept, const std::function<bool()>& ask) {
    if (!kept || (ask && !ask())) {
        job.decline();
    } else {
        job.proceed();
    }
}

}  // namespace talvo::jobs
