// ParallelEach: independent pieces of work on a pool of threads, their completions reported
// on the calling thread.
#pragma once

#include <cstddef>
#include <functional>

namespace cd {

// The number of workers to use when none is asked for: the machine's cores (at least 1).
unsigned DefaultJobs();

// Runs work(i) for every i below count on up to jobs threads, and done(i) on the calling
// thread as each piece completes (in the order they complete). With jobs of 1 (or count of 1)
// everything runs on the calling thread in index order. When a piece throws, or done does, no
// further piece is started, the running ones are waited for, and the exception of the lowest
// failed index is raised again (a failure of done counts for its own index): the failure a
// run in index order would have met first, as far as the pieces before it succeeded.
void ParallelEach(size_t count, unsigned jobs, const std::function<void(size_t)>& work,
                  const std::function<void(size_t)>& done);

}  // namespace cd
