#include "proces_potomny.h"

#include <grp.h>
#include <sys/wait.h>
#include <unistd.h>

int wProcesiePotomnym(const std::function<int()>& praca, bool bezRoota)
{
    const pid_t pid = ::fork();
    if (pid < 0)
        return -1;
    if (pid == 0) {
        if (bezRoota && ::geteuid() == 0
            && (::setgroups(0, nullptr) != 0 || ::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(99);
        ::_exit(praca());
    }
    int stan = 0;
    if (::waitpid(pid, &stan, 0) != pid || !WIFEXITED(stan))
        return -1;
    return WEXITSTATUS(stan);
}
