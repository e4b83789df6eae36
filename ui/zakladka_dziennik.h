#pragma once
// Zakladka Dziennik: linie, ktore wezel wypisuje na standardowe wyjscie, z godzina
// odczytu; najnowsze na dole, najwyzej ostatnie LIMIT_LINII.

#include <QWidget>

class QPlainTextEdit;
class QPushButton;

class ZakladkaDziennik : public QWidget {
public:
    static constexpr int LIMIT_LINII = 1000;

    explicit ZakladkaDziennik(QWidget* rodzic = nullptr);

    void dopisz(qint64 czasMs, const QString& tekst);

private:
    QPlainTextEdit* tekstDziennika = nullptr;
    QPushButton* buttonWyczyscDziennik = nullptr;
};
