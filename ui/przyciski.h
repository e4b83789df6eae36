#pragma once
// Napisy i stan przyciskow zakladek na czas czynnosci, ktora chwile trwa.

#include <QString>

#include <functional>

class QPushButton;

// Przycisk wylaczony do konca czynnosci, z jej nazwa zamiast zwyklego napisu.
void zajmijPrzycisk(QPushButton* przycisk, const char* czynnosc);
// Czynnosc skonczona: zwykly napis i znow mozna kliknac.
void zwolnijPrzycisk(QPushButton* przycisk, const char* napis);
// `napis` przez `czasMs`, potem zwykly napis `potem` (tlumaczony dopiero wtedy).
void napisNaChwile(QPushButton* przycisk, const QString& napis, const char* potem, int czasMs);
// Zatrzymanie watku wezla: "Zatrzymywanie..." odmalowane od razu, kursor czekania do konca.
void zatrzymajZCzekaniem(QPushButton* przycisk, const std::function<void()>& zatrzymaj);
