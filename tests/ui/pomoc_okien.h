#pragma once
// Narzedzia testow okien: sterowanie dialogami modalnymi z petli zdarzen
// i praca w folderze tymczasowym (pliki programu maja stale wzgledne nazwy).

#include <QDialog>
#include <QString>
#include <QTimer>

#include <functional>
#include <vector>

#include "pomoc_testow.h"

class QPushButton;

// Kolejne kroki dostaja kolejne nowe okna modalne (dialogi) albo nowo pokazane okno
// glowne; po ostatnim kroku kazde dalsze okno modalne jest liczone jako nadmiarowe
// i zamykane, zeby test nie zawisl.
class SterownikOkien : public QObject {
public:
    using Krok = std::function<void(QWidget*)>;

    SterownikOkien();
    void dodaj(Krok krok) { kroki.push_back(std::move(krok)); }

    [[nodiscard]] int obsluzone() const { return ileObsluzonych; }
    [[nodiscard]] int nadmiarowe() const { return ileNadmiarowych; }
    [[nodiscard]] const QStringList& tytuly() const { return widzianeTytuly; }

private:
    void sprawdz();
    QTimer zegar;
    std::vector<Krok> kroki;
    int ileObsluzonych = 0;
    int ileNadmiarowych = 0;
    QStringList widzianeTytuly;
};

// Folder tymczasowy jako biezacy folder na czas testu.
class FolderRoboczy {
public:
    FolderRoboczy();
    ~FolderRoboczy();
    FolderRoboczy(const FolderRoboczy&) = delete;
    FolderRoboczy& operator=(const FolderRoboczy&) = delete;

    [[nodiscard]] std::string plik(const std::string& nazwa) const { return folder.plik(nazwa); }

private:
    FolderTymczasowy folder;
    QString poprzedni;
};

// Przycisk o danym tekscie wsrod dzieci okna (nullptr, gdy go nie ma).
[[nodiscard]] QPushButton* przyciskOTekscie(QWidget* okno, const QString& tekst);
