#include "konsola.h"

#include <iostream>
#include <mutex>

void wypiszTekst(std::string_view tekst)
{
    // Jeden zapis do bufora strumienia pod blokada: wiersz nie jest rozcinany przez inne watki.
    static std::mutex mutex;
    const std::lock_guard blokada(mutex);
    std::cout.write(tekst.data(), static_cast<std::streamsize>(tekst.size()));
    std::cout.flush();
}
