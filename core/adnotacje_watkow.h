#pragma once
// Adnotacje blokad dla analizy clanga (-Wthread-safety): kompilator sprawdza, ze dane
// oznaczone STRZEZONE_PRZEZ sa czytane i zmieniane tylko pod swoja blokada. Inne kompilatory
// je pomijaja. std::mutex z libstdc++ nie ma adnotacji, dlatego Muteks i Blokada.

#include <mutex>

#if defined(__clang__)
#define TLV_ADNOTACJA(x) __attribute__((x))
#else
#define TLV_ADNOTACJA(x)
#endif

#define ZDOLNOSC(x) TLV_ADNOTACJA(capability(x))
#define ZDOLNOSC_ZAKRESU TLV_ADNOTACJA(scoped_lockable)
#define STRZEZONE_PRZEZ(x) TLV_ADNOTACJA(guarded_by(x))
#define WYMAGA(...) TLV_ADNOTACJA(requires_capability(__VA_ARGS__))
#define BIERZE(...) TLV_ADNOTACJA(acquire_capability(__VA_ARGS__))
#define ODDAJE(...) TLV_ADNOTACJA(release_capability(__VA_ARGS__))
#define WYKLUCZA(...) TLV_ADNOTACJA(locks_excluded(__VA_ARGS__))
#define ZWRACA_ZDOLNOSC(x) TLV_ADNOTACJA(lock_returned(x))
#define PRZED(...) TLV_ADNOTACJA(acquired_before(__VA_ARGS__))

class ZDOLNOSC("mutex") Muteks {
public:
    void lock() BIERZE() { m.lock(); }
    void unlock() ODDAJE() { m.unlock(); }

private:
    std::mutex m;
};

class ZDOLNOSC_ZAKRESU Blokada {
public:
    explicit Blokada(Muteks& muteks) BIERZE(muteks) : muteks(muteks) { muteks.lock(); }
    ~Blokada() ODDAJE() { muteks.unlock(); }
    Blokada(const Blokada&) = delete;
    Blokada& operator=(const Blokada&) = delete;

private:
    Muteks& muteks;
};
