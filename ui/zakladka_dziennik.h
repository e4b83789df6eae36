#pragma once
// Zakladka Dziennik: wpisy dziennika programu w jezyku okna, z godzina nadejscia; najnowsze
// na dole, najwyzej ostatnie LIMIT_LINII.

#include <QWidget>

#include "core/dziennik.h"

class QPlainTextEdit;
class QPushButton;

class ZakladkaDziennik : public QWidget {
    Q_OBJECT

public:
    static constexpr int LIMIT_LINII = 1000;

    // Subskrybuje `dziennik` az do odlacz() albo zniszczenia zakladki.
    explicit ZakladkaDziennik(Dziennik& dziennik, QWidget* rodzic = nullptr);
    ~ZakladkaDziennik() override;

    // Po powrocie zaden nowy wpis nie trafi juz do zakladki.
    void odlacz();
    void dopisz(qint64 czasMs, const QString& tekst);

signals:
    // Emitowany z watku, ktory zglosil wpis; odbiorcy lacza sie kolejkowo.
    void wpisOdebrany(const Wpis& wpis, qint64 czasMs);

private:
    void pokazWpis(const Wpis& wpis, qint64 czasMs);

    Dziennik& dziennik;
    Dziennik::Subskrypcja subskrypcja = 0;
    QPlainTextEdit* tekstDziennika = nullptr;
    QPushButton* buttonWyczyscDziennik = nullptr;
};
