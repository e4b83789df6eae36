#pragma once
// Praca w procesie potomnym: ograniczenia (rlimit, prawa) nie dotykaja procesu testow.

#include <functional>

// Kod wyjscia pracy albo -1, gdy potomek nie skonczyl sie normalnie. Z `bezRoota` root
// oddaje w potomku uprawnienia (uid/gid 65534), zeby prawa folderu dzialaly jak u
// zwyklego uzytkownika.
[[nodiscard]] int wProcesiePotomnym(const std::function<int()>& praca, bool bezRoota = false);
