#include "core/konsola.h"

#include <iostream>
#include <mutex>

namespace {

std::mutex mutexKonsoli;

} // namespace

void wypiszTekst(std::string_view tekst)
{
    // Jeden zapis do bufora strumienia pod blokada: wiersz nie jest rozcinany przez inne watki.
    const std::lock_guard blokada(mutexKonsoli);
    std::cout.write(tekst.data(), static_cast<std::streamsize>(tekst.size()));
    std::cout.flush();
}

void wypiszTekstBledu(std::string_view tekst)
{
    const std::lock_guard blokada(mutexKonsoli);
    std::cerr.write(tekst.data(), static_cast<std::streamsize>(tekst.size()));
    std::cerr.flush();
}
