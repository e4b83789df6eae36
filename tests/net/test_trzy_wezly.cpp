// Koniec do konca: trzy wezly w osobnych przestrzeniach sieciowych (osobne procesy),
// lancuch wykopany na jednym dociera do dwoch pozostalych, a listy wezlow sie wymieniaja.

#include <gtest/gtest.h>

#include <csignal>
#include <set>
#include <fcntl.h>
#include <filesystem>
#include <sched.h>
#include <sys/wait.h>
#include <unistd.h>

#include "format_lancucha.h"
#include "pliki.h"
#include "pomoc_sieci.h"
#include "pomoc_testow.h"
#include "siec_testowa.h"
#include "wezly.h"

namespace {

constexpr int PORT = 1700;

// Proces wezla w przestrzeni hosta; -1, gdy nie wystartowal.
pid_t uruchomWezel(const SiecLan& siec, int host, const std::string& folder,
                   const std::string& klucz, bool kop)
{
    const std::string przestrzen = siec.sciezkaHosta(host);
    const std::string log = folder + "/log.txt";
    const std::string port = std::to_string(PORT);
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

// Czeka na koniec procesu; po limicie go zabija.
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

std::set<std::string> adresyWezlow(const std::string& plik)
{
    std::set<std::string> adresy;
    for (const Wezel& w : wczytajWezly(plik))
        adresy.insert(w.ip + ":" + std::to_string(w.port));
    return adresy;
}

std::size_t blokiWPliku(const std::string& plik)
{
    Blockchain lancuch;
    const auto tekst = wczytajPlik(plik);
    if (!tekst || !parsujLancuch(lancuch, *tekst))
        return 0;
    return lancuch.liczbaBlokow();
}

} // namespace

TEST(TrzyWezlyWLan, LancuchIListyWezlowRozchodzaSie)
{
    SiecLan siec(3);
    if (!siec.gotowa())
        GTEST_SKIP() << siec.przyczyna();
    FolderTymczasowy folder;
    std::vector<std::string> foldery;
    for (int i = 1; i <= 3; ++i) {
        foldery.push_back(folder.plik("w" + std::to_string(i)));
        std::filesystem::create_directory(foldery.back());
        // Pierscien: 1 zna 2, 2 zna 3, 3 zna 1.
        zapiszPlikTestu(foldery.back() + "/wezly.dat",
                        siec.adres(i % 3 + 1) + " " + std::to_string(PORT) + " - -\n");
    }
    auto adresZPortem = [&](int host) { return siec.adres(host) + ":" + std::to_string(PORT); };

    std::vector<pid_t> procesy;
    for (int i : {2, 3})
        procesy.push_back(uruchomWezel(siec, i, foldery[i - 1],
                                       kluczPublicznyHex(kluczeTestowe(i - 1)), false));
    const bool gotowe = czekajAz([&] {
        return plikIstnieje(foldery[1] + "/gotowy") && plikIstnieje(foldery[2] + "/gotowy");
    });
    if (gotowe)
        procesy.push_back(uruchomWezel(siec, 1, foldery[0], kluczPublicznyHex(kluczeTestowe(0)), true));

    auto wszystkoDotarlo = [&] {
        for (int i = 1; i <= 3; ++i) {
            std::set<std::string> inni;
            for (int j = 1; j <= 3; ++j)
                if (j != i)
                    inni.insert(adresZPortem(j));
            if (blokiWPliku(foldery[i - 1] + "/blockchain.dat") != 3
                || adresyWezlow(foldery[i - 1] + "/wezly.dat") != inni)
                return false;
        }
        return true;
    };
    const bool dotarlo = gotowe && czekajAz(wszystkoDotarlo, 30s);
    for (const std::string& f : foldery)
        zapiszPlikTestu(f + "/stop", "");
    std::vector<int> kody;
    for (pid_t pid : procesy)
        kody.push_back(zakonczWezel(pid));

    ASSERT_TRUE(gotowe) << czytajPlikTestu(foldery[1] + "/log.txt");
    EXPECT_TRUE(dotarlo) << czytajPlikTestu(foldery[0] + "/log.txt") << "\n---\n"
                         << czytajPlikTestu(foldery[1] + "/log.txt") << "\n---\n"
                         << czytajPlikTestu(foldery[2] + "/log.txt");
    EXPECT_EQ(kody, (std::vector<int>{0, 0, 0}));
    // Wszystkie trzy maja ten sam lancuch, wykopany na wezle 1.
    const std::string lancuch1 = czytajPlikTestu(foldery[0] + "/blockchain.dat");
    EXPECT_EQ(czytajPlikTestu(foldery[1] + "/blockchain.dat"), lancuch1);
    EXPECT_EQ(czytajPlikTestu(foldery[2] + "/blockchain.dat"), lancuch1);
    const std::string log2 = czytajPlikTestu(foldery[1] + "/log.txt");
    const std::string log3 = czytajPlikTestu(foldery[2] + "/log.txt");
    EXPECT_NE(log2.find("Przyjeto nowy, dluzszy lancuch (3 blokow).\nRozgloszono do "
                        + adresZPortem(3) + "\n"),
              std::string::npos)
        << log2;
    EXPECT_NE(log3.find("Przyjeto nowy, dluzszy lancuch (3 blokow).\nRozgloszono do "
                        + adresZPortem(1) + "\n"),
              std::string::npos)
        << log3;
    EXPECT_NE(czytajPlikTestu(foldery[0] + "/log.txt").find("Wynik: 1/1"), std::string::npos);
}
