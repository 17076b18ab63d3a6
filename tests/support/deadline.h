#pragma once

#ifndef _WIN32
#include <csignal>
#include <functional>

#include <sys/wait.h>
#include <unistd.h>

namespace yardmark::testing {

/// Runs `work` in a child process and gives its result (0 to 255), or -1
/// when it has not ended after `seconds` (it is killed then): a test of
/// something that could block forever stays bounded in time.
inline int resultWithin(int seconds, const std::function<int()> &work)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(work());
    for (int tick = 0; tick < seconds * 100; ++tick) {
        int status = 0;
        if (::waitpid(child, &status, WNOHANG) == child)
            return WIFEXITED(status) ? WEXITSTATUS(status) : -2;
        ::usleep(10000);
    }
    ::kill(child, SIGKILL);
    ::waitpid(child, nullptr, 0);
    return -1;
}

} // namespace yardmark::testing
#endif
