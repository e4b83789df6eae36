#pragma once
// Zakres numeru portu TCP i UDP.

// Port spoza zakresu obcialby sie po cichu do innego.
[[nodiscard]] inline constexpr bool portPoprawny(int port) { return port >= 1 && port <= 65535; }
