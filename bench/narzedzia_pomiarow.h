#pragma once
// Drobne narzedzia wspolne programom pomiarowym: folder roboczy, wolny port, szczyt pamieci,
// cichy dziennik.

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <sys/resource.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "core/dziennik.h"

// Jeden folder w /tmp na caly program, tworzony przy pierwszym uzyciu.
[[nodiscard]] inline const std::string& folderRoboczy()
{
    static const std::string folder = [] {
        char wzor[] = "/tmp/talvarin-pomiar-XXXXXX";
        if (::mkdtemp(wzor) == nullptr) {
            std::perror("mkdtemp");
            std::exit(1);
        }
        return std::string(wzor);
    }();
    return folder;
}

inline void usunFolderRoboczy()
{
    std::error_code blad;
    std::filesystem::remove_all(folderRoboczy(), blad);
}

// Port na 127.0.0.1, ktory przed chwila byl wolny.
[[nodiscard]] inline int wolnyPort()
{
    const int g = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in sa{};
    sa.sin_family = AF_INET;
    sa.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t dl = sizeof sa;
    if (::bind(g, reinterpret_cast<sockaddr*>(&sa), sizeof sa) != 0
        || ::getsockname(g, reinterpret_cast<sockaddr*>(&sa), &dl) != 0)
        std::abort();
    ::close(g);
    return ntohs(sa.sin_port);
}

// Najwiekszy dotad zestaw roboczy procesu (ru_maxrss) w MB.
[[nodiscard]] inline double szczytPamieciMB()
{
    rusage uzycie{};
    ::getrusage(RUSAGE_SELF, &uzycie);
    return static_cast<double>(uzycie.ru_maxrss) / 1024.0;
}

// Wiersze programu (serwer, rozglaszanie, okno) ida do /dev/null, nie miedzy wyniki pomiarow.
[[nodiscard]] inline Dziennik& dziennikPomiaru()
{
    static const int nic = ::open("/dev/null", O_WRONLY | O_CLOEXEC);
    static Dziennik dziennik(nic, nic);
    return dziennik;
}
