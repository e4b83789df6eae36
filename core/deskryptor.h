#pragma once
// Deskryptor pliku (albo gniazda, potoku) z jednym wlascicielem: zamykany w destruktorze,
// przenoszony, nigdy kopiowany. Operacje ponawiaja wywolanie przerwane sygnalem (EINTR).

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>
#include <sys/types.h>

class Deskryptor {
public:
    Deskryptor() = default;
    // Przejmuje `fd` (ujemny: brak deskryptora).
    explicit Deskryptor(int fd) noexcept : fd(fd) {}
    ~Deskryptor() { (void)zamknij(); }
    Deskryptor(Deskryptor&& inny) noexcept;
    Deskryptor& operator=(Deskryptor&& inny) noexcept;
    Deskryptor(const Deskryptor&) = delete;
    Deskryptor& operator=(const Deskryptor&) = delete;

    // open(2); pusty, gdy sie nie udalo (errno z open).
    [[nodiscard]] static Deskryptor otworz(const std::string& sciezka, int flagi, mode_t tryb = 0);

    [[nodiscard]] int operator*() const { return fd; }
    [[nodiscard]] bool otwarty() const { return fd >= 0; }
    // Zamyka od razu; false, gdy close zglosil blad (zapis mogl nie dojsc). Potem pusty.
    bool zamknij() noexcept;

    // Jeden odczyt (read albo pread od `od`): liczba bajtow, 0 na koncu, <0 przy bledzie.
    [[nodiscard]] ssize_t czytaj(char* bufor, std::size_t ile) const;
    [[nodiscard]] ssize_t czytajOd(char* bufor, std::size_t ile, off_t od) const;
    // Dopisuje do `tekst` wszystko do konca pliku: od biezacego miejsca albo, gdy `od` >= 0,
    // przez pread od `od` (bez ruszania biezacego miejsca); false przy bledzie odczytu.
    [[nodiscard]] bool doczytajDoKonca(std::string& tekst, off_t od = -1) const;
    // Caly tekst (powtarza po czesciowym zapisie); z `od` przez pwrite od tego miejsca.
    [[nodiscard]] bool zapiszWszystko(std::string_view tekst) const;
    [[nodiscard]] bool zapiszWszystkoOd(std::string_view tekst, off_t od) const;
    // poll na `zdarzenia` najwyzej `limit`: >0 gotowe, 0 uplynal czas, <0 blad.
    [[nodiscard]] int czekaj(short zdarzenia, std::chrono::milliseconds limit) const;

private:
    int fd = -1;
};
