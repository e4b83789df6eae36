#pragma once
// Kursor oczekiwania na czas pracy watku okna (kopanie bloku); zdejmowany przy wyjsciu z zakresu.

#include <QGuiApplication>

class KursorCzekania {
public:
    KursorCzekania() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~KursorCzekania() { QGuiApplication::restoreOverrideCursor(); }
    KursorCzekania(const KursorCzekania&) = delete;
    KursorCzekania& operator=(const KursorCzekania&) = delete;
};
