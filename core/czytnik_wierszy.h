#pragma once
// Kolejne wiersze tekstu rozdzielone LF, bez kopiowania.

#include <cstddef>
#include <string_view>

// Jak getline: ostatni wiersz bez LF tez sie liczy.
class CzytnikWierszy {
public:
    explicit CzytnikWierszy(std::string_view tekst) : reszta(tekst), tekst(tekst) {}

    // Polozenie nastepnego wiersza od poczatku tekstu.
    [[nodiscard]] std::size_t pozycja() const { return tekst.size() - reszta.size(); }
    void cofnijDo(std::size_t pozycja) { reszta = tekst.substr(pozycja); }

    bool nastepny(std::string_view& wiersz)
    {
        if (reszta.empty())
            return false;
        const std::size_t lf = reszta.find('\n');
        if (lf == std::string_view::npos) {
            wiersz = reszta;
            reszta = {};
        } else {
            wiersz = reszta.substr(0, lf);
            reszta.remove_prefix(lf + 1);
        }
        return true;
    }

    // Kolejne wiersze do wszystkich `wiersze`; false, gdy tekst skonczyl sie wczesniej.
    template <std::size_t N>
    bool nastepne(std::string_view (&wiersze)[N])
    {
        for (std::string_view& wiersz : wiersze)
            if (!nastepny(wiersz))
                return false;
        return true;
    }

private:
    std::string_view reszta;
    std::string_view tekst;
};
