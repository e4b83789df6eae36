#include "i18n/katalogi.h"

#include <QDir>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

QString sciezkaKatalogu(const QString& kod)
{
    return QStringLiteral(":/i18n/Talvarin_GUI_") + kod + QStringLiteral(".qm");
}

bool zaladujKatalog(QTranslator& tlumacz, const QString& kod)
{
    const QString sciezka = sciezkaKatalogu(kod);
    if (!QFileInfo(sciezka).isFile())
        return false;
    return tlumacz.load(sciezka);
}

bool zaladujKatalogQt(QTranslator& tlumacz, const QString& kod)
{
    // Kod z pliku jezyka trafia do nazwy pliku: tylko litery i podkreslenia.
    static const QRegularExpression wzor(QStringLiteral("^[A-Za-z]+(_[A-Za-z]+)?$"));
    if (!wzor.match(kod).hasMatch())
        return false;
    const QDir folder(QLibraryInfo::path(QLibraryInfo::TranslationsPath));
    for (const QString& nazwa : {kod, kod.section(u'_', 0, 0)}) {
        const QString sciezka =
            folder.filePath(QStringLiteral("qtbase_") + nazwa + QStringLiteral(".qm"));
        if (QFileInfo(sciezka).isFile() && tlumacz.load(sciezka))
            return true;
    }
    return false;
}
