#pragma once
// Prywatna przestrzen sieciowa procesu testu (sam loopback), utworzona przez sam test
// przed startem aplikacji Qt. Nasluch okna i ogloszenia UDP nie wychodza poza nia.

#include <QApplication>
#include <QTest>

// true, gdy proces jest juz we wlasnej, nowej przestrzeni z podniesionym loopbackiem.
[[nodiscard]] bool wejdzDoWlasnejPrzestrzeniSieci();
[[nodiscard]] bool wlasnaPrzestrzenSieci();

// Testy wymagajace nasluchu bez wlasnej przestrzeni sa pomijane, nigdy zaliczane.
#define WYMAGA_WLASNEJ_PRZESTRZENI()                                                              \
    do {                                                                                          \
        if (!wlasnaPrzestrzenSieci())                                                             \
            QSKIP("brak wlasnej przestrzeni sieciowej (unshare CLONE_NEWNET)");                   \
    } while (false)

// main testu: najpierw przestrzen (jeszcze jeden watek), potem aplikacja offscreen.
#define TALVARIN_TEST_W_PRZESTRZENI(KlasaTestu)                                                   \
    int main(int argc, char** argv)                                                               \
    {                                                                                             \
        static_cast<void>(wejdzDoWlasnejPrzestrzeniSieci());                                      \
        qputenv("QT_QPA_PLATFORM", "offscreen");                                                  \
        QApplication aplikacja(argc, argv);                                                       \
        KlasaTestu test;                                                                          \
        return QTest::qExec(&test, argc, argv);                                                   \
    }
