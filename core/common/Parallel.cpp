#include "core/common/Parallel.h"

#include <QThread>
#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

void runInParallel(int count, int atOnce, const std::function<void(int)>& job)
{
    std::atomic<int> next { 0 };
    const auto work = [&] {
        for (int index = next++; index < count; index = next++)
            job(index);
    };
    const int threads = std::max(1, std::min({ count, atOnce, QThread::idealThreadCount() }));
    std::vector<std::thread> helpers;
    helpers.reserve(size_t(threads - 1));
    for (int t = 1; t < threads; ++t)
        helpers.emplace_back(work);
    work();
    for (std::thread& helper : helpers)
        helper.join();
}
