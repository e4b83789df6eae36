#pragma once
// Wbudowane katalogi tlumaczen ":/i18n/Talvarin_GUI_<kod>.qm".

#include <QString>

class QTranslator;

[[nodiscard]] QString sciezkaKatalogu(const QString& kod);

// Wczytuje katalog dokladnie dla tego kodu, bez zastepczych krotszych nazw
// (QTranslator sam probowalby np. "Talvarin_GUI_de" dla "de_DE_x").
[[nodiscard]] bool zaladujKatalog(QTranslator& tlumacz, const QString& kod);
