#pragma once
// Lista zakladki Lancuch jako model nad lancuchem okna: wiersze powstaja dopiero wtedy,
// gdy widok je pokazuje, a nowe bloki na koncu lancucha dodaja tylko swoje wiersze.

#include <QAbstractListModel>

#include <cstddef>
#include <string>
#include <vector>

#include "core/blockchain.h"
#include "ui/linie_lancucha.h"

class ModelListyBlokow : public QAbstractListModel {
public:
    ModelListyBlokow(const Blockchain& lancuch, QObject* rodzic);

    [[nodiscard]] int rowCount(const QModelIndex& rodzic = QModelIndex()) const override;
    [[nodiscard]] QVariant data(const QModelIndex& indeks, int rola) const override;

    // Caly lancuch od nowa (np. po wymianie lancucha na inny).
    void przebuduj(const std::string& mojKlucz);
    // Bloki od pozycji `od` zostaly dopisane na koncu: ich wiersze trafiaja na gore listy.
    void dopisz(std::size_t od);
    // Ile blokow lancucha model juz pokazuje.
    [[nodiscard]] std::size_t liczbaBlokow() const { return sumy.size(); }

private:
    const Blockchain& lancuch;
    std::string ja;
    WzoryLinii wzory;
    // sumy[b]: liczba transakcji w blokach 0..b.
    std::vector<std::size_t> sumy;
};
