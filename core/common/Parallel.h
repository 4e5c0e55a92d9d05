#pragma once

#include <functional>

// Runs job(0) to job(count - 1), up to `atOnce` of them at a time and no more than the machine has
// cores, and returns when every one has ended. Each job runs whole on one thread, the caller's
// among them; which thread, and in what order the jobs start, is not fixed, so a job shares
// nothing it writes with another.
void runInParallel(int count, int atOnce, const std::function<void(int)>& job);
