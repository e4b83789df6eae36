// Koniec do konca: trzy procesy wezlow w trzech hostach symulowanej sieci; lancuch wykopany
// na jednym dociera do pozostalych, a listy wezlow sie wymieniaja.
#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <sched.h>
#include <set>
#include <sys/wait.h>
#include <unistd.h>

#include "plik_lancucha.h"
#include "pomoc_sieci.h"
#include "pomoc_testow.h"
#include "wezly.h"

namespace {

// Proces wezla w przestrzeni hosta, z wyjsciem w log.txt jego folderu.
pid_t uruchomWezel(const SiecLan& siec, int host, const std::string& folder, bool kop)
{
    const std::string klucz(64, static_cast<char>('a' + host));
    const pid_t pid = ::fork();
    if (pid != 0)
        return pid;
    const int wyjscie = ::open((folder + "/log.txt").c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (!wejdzDoHosta(siec, host) || wyjscie < 0)
        ::_exit(126);
    ::dup2(wyjscie, 1);
    ::dup2(wyjscie, 2);
    const char* argumenty[] = {WEZEL_TESTOWY, folder.c_str(), "1700", klucz.c_str(), kop ? "1" : "0", "40", nullptr};
    ::execv(WEZEL_TESTOWY, const_cast<char* const*>(argumenty));
    ::_exit(127);
}

int zakonczWezel(pid_t pid)
{
    int status = 0;
    if (!czekajAz([&] { return ::waitpid(pid, &status, WNOHANG) == pid; })) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, &status, 0);
        return -1;
    }
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

} // namespace

TEST(TrzyWezly, LancuchIListyWezlowRozchodzaSie)
{
    SIEC_LAN_ALBO_POMIN(siec, 3);
    FolderTymczasowy folder;
    auto f = [&](int host, const std::string& nazwa) { return folder.plik("w" + std::to_string(host)) + "/" + nazwa; };
    auto adres = [&](int host) { return siec.adres(host) + ":1700"; };
    for (int i = 1; i <= 3; ++i) {
        std::filesystem::create_directory(folder.plik("w" + std::to_string(i)));
        // Pierscien: 1 zna 2, 2 zna 3, 3 zna 1.
        zapiszPlikTestu(f(i, "wezly.dat"), siec.adres(i % 3 + 1) + " 1700 - -\n");
    }
    std::vector<pid_t> procesy = {uruchomWezel(siec, 2, folder.plik("w2"), false),
                                  uruchomWezel(siec, 3, folder.plik("w3"), false)};
    const bool gotowe = czekajAz([&] { return std::filesystem::exists(f(2, "gotowy")) && std::filesystem::exists(f(3, "gotowy")); });
    if (gotowe)
        procesy.push_back(uruchomWezel(siec, 1, folder.plik("w1"), true));
    auto wszystkoDotarlo = [&] {
        for (int i = 1; i <= 3; ++i) {
            std::set<std::string> inni;
            std::set<std::string> znani;
            for (int j = 1; j <= 3; ++j)
                if (j != i)
                    inni.insert(adres(j));
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
    EXPECT_TRUE(dotarlo) << czytajPlikTestu(f(1, "log.txt")) << "\n--\n" << czytajPlikTestu(f(2, "log.txt"));
    EXPECT_EQ(kody, (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(czytajPlikTestu(f(2, "blockchain.dat")), czytajPlikTestu(f(1, "blockchain.dat")));
    EXPECT_EQ(czytajPlikTestu(f(3, "blockchain.dat")), czytajPlikTestu(f(1, "blockchain.dat")));
    // Wezel 2 przyjal i rozglosil do 3, a wezel 1 policzyl jeden udany.
    EXPECT_NE(czytajPlikTestu(f(2, "log.txt")).find("Przyjeto nowy, dluzszy lancuch (3 blokow).\nRozgloszono do " + adres(3)),
              std::string::npos);
    EXPECT_NE(czytajPlikTestu(f(1, "log.txt")).find("Wynik: 1/1"), std::string::npos);
}
