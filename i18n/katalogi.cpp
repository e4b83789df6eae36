#include "katalogi.h"

#include <QFileInfo>
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
