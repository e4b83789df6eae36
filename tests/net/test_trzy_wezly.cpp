// Koniec do konca: trzy wezly w osobnych przestrzeniach sieciowych (osobne procesy),
// lancuch wykopany na jednym dociera do dwoch pozostalych, a listy wezlow sie wymieniaja.

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sched.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

#include "plik_lancucha.h"
#include "pliki.h"
#include "pomoc_sieci.h"
#include "pomoc_testow.h"
#include "siec_testowa.h"
#include "wezly.h"

namespace {

constexpr int PORT = 1700;

// Proces wezla w przestrzeni hosta, z wyjsciem w log.txt jego folderu.
pid_t uruchomWezel(const SiecLan& siec, int host, const std::string& folder, bool kop)
{
    const std::string przestrzen = siec.sciezkaHosta(host);
    const std::string log = folder + "/log.txt";
    const std::string port = std::to_string(PORT);
    const std::string klucz = adresTestowy(host - 1);
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    const int ns = ::open(przestrzen.c_str(), O_RDONLY | O_CLOEXEC);
    const int wyjscie = ::open(log.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (ns < 0 || ::setns(ns, CLONE_NEWNET) != 0 || wyjscie < 0)
        ::_exit(126);
    ::dup2(wyjscie, 1);
    ::dup2(wyjscie, 2);
    const char* argumenty[] = {WEZEL_TESTOWY, folder.c_str(), port.c_str(), klucz.c_str(),
                               kop ? "1" : "0", "40", nullptr};
    ::execv(WEZEL_TESTOWY, const_cast<char* const*>(argumenty));
    ::_exit(127);
}

// Kod wyjscia procesu; po limicie zabija go i daje -1.
int zakonczWezel(pid_t pid)
{
    int status = 0;
    if (!czekajAz([&] { return ::waitpid(pid, &status, WNOHANG) == pid; }, 10s)) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(TrzyWezlyWLan, LancuchIListyWezlowRozchodzaSie)
{
    SIEC_LAN_ALBO_POMIN(siec, 3);
    FolderTymczasowy folder;
    auto f = [&](int host, const std::string& nazwa = "") {
        return folder.plik("w" + std::to_string(host)) + (nazwa.empty() ? "" : "/" + nazwa);
    };
    auto adresZPortem = [&](int host) { return siec.adres(host) + ":" + std::to_string(PORT); };
    for (int i = 1; i <= 3; ++i) {
        std::filesystem::create_directory(f(i));
        // Pierscien: 1 zna 2, 2 zna 3, 3 zna 1.
        zapiszPlikTestu(f(i, "wezly.dat"), siec.adres(i % 3 + 1) + " " + std::to_string(PORT) + " - -\n");
    }
    std::vector<pid_t> procesy = {uruchomWezel(siec, 2, f(2), false), uruchomWezel(siec, 3, f(3), false)};
    const bool gotowe = czekajAz([&] { return plikIstnieje(f(2, "gotowy")) && plikIstnieje(f(3, "gotowy")); });
    if (gotowe)
        procesy.push_back(uruchomWezel(siec, 1, f(1), true));

    auto wszystkoDotarlo = [&] {
        for (int i = 1; i <= 3; ++i) {
            std::set<std::string> inni;
            std::set<std::string> znani;
            for (int j = 1; j <= 3; ++j)
                if (j != i)
                    inni.insert(adresZPortem(j));
            for (const Wezel& w : wczytajWezly(f(i, "wezly.dat")))
                znani.insert(w.ip + ":" + std::to_string(w.port));
            Blockchain lancuch;
            if (!wczytajLancuch(lancuch, f(i, "blockchain.dat")) || lancuch.liczbaBlokow() != 3 || znani != inni)
                return false;
        }
        return true;
    };
    const bool dotarlo = gotowe && czekajAz(wszystkoDotarlo, 30s);
    for (int i = 1; i <= 3; ++i)
        zapiszPlikTestu(f(i, "stop"), "");
    std::vector<int> kody;
    for (pid_t pid : procesy)
        kody.push_back(zakonczWezel(pid));

    ASSERT_TRUE(gotowe) << czytajPlikTestu(f(2, "log.txt"));
    EXPECT_TRUE(dotarlo) << czytajPlikTestu(f(1, "log.txt")) << "\n---\n" << czytajPlikTestu(f(2, "log.txt"))
                         << "\n---\n" << czytajPlikTestu(f(3, "log.txt"));
    EXPECT_EQ(kody, (std::vector<int>{0, 0, 0}));
    // Wszystkie trzy maja ten sam lancuch, wykopany na wezle 1.
    EXPECT_EQ(czytajPlikTestu(f(2, "blockchain.dat")), czytajPlikTestu(f(1, "blockchain.dat")));
    EXPECT_EQ(czytajPlikTestu(f(3, "blockchain.dat")), czytajPlikTestu(f(1, "blockchain.dat")));
    // Wezel 2 przyjal i rozglosil do 3, a wezel 3 do 1.
    for (const auto& [host, dalej] : {std::pair{2, 3}, std::pair{3, 1}}) {
        const std::string log = czytajPlikTestu(f(host, "log.txt"));
        EXPECT_NE(log.find("Przyjeto nowy, dluzszy lancuch (3 blokow).\nRozgloszono do " + adresZPortem(dalej) + "\n"),
                  std::string::npos)
            << log;
    }
    EXPECT_NE(czytajPlikTestu(f(1, "log.txt")).find("Wynik: 1/1"), std::string::npos);
}
