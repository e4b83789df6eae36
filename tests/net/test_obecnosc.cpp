// Obecnosc w symulowanej sieci LAN: ogloszenie hosta 1 trafia do pliku hosta 2, nie do wlasnego.
#include <gtest/gtest.h>

#include "obecnosc.h"
#include "pliki.h"
#include "pomoc_sieci.h"
#include "pomoc_testow.h"
#include "wezly.h"

TEST(Obecnosc, OgloszenieDocieraDoInnegoHostaAleNieDoSiebie)
{
    SIEC_LAN_ALBO_POMIN(siec, 2);
    FolderTymczasowy folder;
    const std::string klucz(64, 'a');
    std::atomic<bool> stop{false};
    auto sluchacz = [&](int host, const std::string& id) {
        return std::thread([&, host, id] {
            if (wejdzDoHosta(siec, host))
                nasluchujObecnosciWPetli(1700, id, folder.plik("wezly" + std::to_string(host)),
                                         [&] { return stop.load(); }, {});
        });
    };
    std::thread s1 = sluchacz(1, "aaaa1111");
    std::thread s2 = sluchacz(2, "bbbb2222");
    std::this_thread::sleep_for(300ms);
    std::thread ogloszenia([&] {
        if (wejdzDoHosta(siec, 1))
            oglaszajObecnoscWPetli(1700, "aaaa1111", klucz, "Ala z hosta", stop, 200ms);
    });
    const Wezel oczekiwany{siec.adres(1), 1700, klucz, "Ala z hosta"};
    const bool dotarlo = czekajAz([&] { return wczytajWezly(folder.plik("wezly2")) == std::vector{oczekiwany}; });
    std::this_thread::sleep_for(500ms);
    stop = true;
    for (std::thread* t : {&s1, &s2, &ogloszenia})
        t->join();
    EXPECT_TRUE(dotarlo) << czytajPlikTestu(folder.plik("wezly2"));
    EXPECT_FALSE(plikIstnieje(folder.plik("wezly1")));
}
