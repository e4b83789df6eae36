#pragma once
// Wyszukiwanie tekstow do tlumaczenia w kodzie: tr("..."), QObject::tr("..."),
// QCoreApplication::translate("kontekst", "..."), QT_TRANSLATE_NOOP("kontekst", "...")
// oraz <string> w formularzach .ui (bez notr="true").

#include <QList>
#include <QString>

struct TekstWKodzie {
    QString kontekst;
    QString tekst;
    QString plik;
    bool operator==(const TekstWKodzie&) const = default;
};

// `kontekstTr` to kontekst golego tr("...") w tym pliku.
[[nodiscard]] QList<TekstWKodzie> tekstyZKodu(const QString& kod, const QString& kontekstTr,
                                              const QString& plik);
[[nodiscard]] QList<TekstWKodzie> tekstyZFormularza(const QString& xml, const QString& plik);

// Wszystkie pliki .cpp, .h i .ui w podanych folderach (rekurencyjnie).
[[nodiscard]] QList<TekstWKodzie> tekstyZFolderow(const QStringList& foldery);
