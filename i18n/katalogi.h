#pragma once
// Wbudowane katalogi tlumaczen ":/i18n/Talvarin_GUI_<kod>.qm".

#include <QString>

class QTranslator;

[[nodiscard]] QString sciezkaKatalogu(const QString& kod);

// Wczytuje katalog dokladnie dla tego kodu, bez zastepczych krotszych nazw
// (QTranslator sam probowalby np. "Talvarin_GUI_de" dla "de_DE_x").
[[nodiscard]] bool zaladujKatalog(QTranslator& tlumacz, const QString& kod);

// Katalog samego Qt ("qtbase_<kod>.qm", a gdy go nie ma "qtbase_<jezyk>.qm") z folderu
// tlumaczen Qt: teksty standardowych przyciskow i menu. False, gdy Qt nie ma katalogu.
[[nodiscard]] bool zaladujKatalogQt(QTranslator& tlumacz, const QString& kod);
