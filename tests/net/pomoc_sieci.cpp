#include "pomoc_sieci.h"

#include "net/wiadomosci_synchronizacji.h"

#include <stdexcept>

#include "pomoc_testow.h"

bool czekajAz(const std::function<bool()>& warunek, std::chrono::milliseconds limit)
{
    const auto koniec = std::chrono::steady_clock::now() + limit;
    while (!warunek()) {
        if (std::chrono::steady_clock::now() >= koniec)
            return warunek();
        std::this_thread::sleep_for(10ms);
    }
    return true;
}

PetlaTestowa::PetlaTestowa(Petla petla) : numerPortu(wolnyPort())
{
    watek = std::jthread([this, petla = std::move(petla)](const std::stop_token& stop) {
        petla(numerPortu, stop, [this](bool ok) { stan = ok ? 1 : 2; });
    });
    if (!czekajAz([&] { return stan.load() != 0; }) || stan.load() != 1) {
        zatrzymaj();
        throw std::runtime_error("serwer testowy nie wystartowal");
    }
}

void PetlaTestowa::zatrzymaj()
{
    watek.request_stop();
    if (watek.joinable())
        watek.join();
}

SerwerTestowy::SerwerTestowy(Obsluga obslugaWiadomosci, std::chrono::milliseconds limit)
    : obsluga(std::move(obslugaWiadomosci)),
      petla([this, limit](int port, const std::stop_token& stop, const std::function<void(bool)>& gotowy) {
          nasluchujTcpWPetli(dziennikTestu(), port, stop, [this](const std::string& wiadomosc, const Gniazdo&,
                                                const std::stop_token&) {
              {
                  // Udaje wezel starego rodzaju: wiadomosci synchronizacji tylko liczy.
                  std::lock_guard blokada(mutexOtrzymanych);
                  if (rodzajWiadomosci(wiadomosc) != RodzajWiadomosci::obca) {
                      ++synchronizacji;
                      return std::string();
                  }
                  zebrane.push_back(wiadomosc);
              }
              return obsluga ? obsluga(wiadomosc) : std::string();
          }, gotowy, limit);
      })
{
}

std::vector<std::string> SerwerTestowy::otrzymane()
{
    std::lock_guard blokada(mutexOtrzymanych);
    return zebrane;
}

int SerwerTestowy::ileSynchronizacji()
{
    std::lock_guard blokada(mutexOtrzymanych);
    return synchronizacji;
}
