#include "ui/kropka_statusu.h"

QString kropkaStatusu(const QString& kolor, const QString& wiadomosc)
{
    return QStringLiteral("<span style='color:%1;'>&#9679;</span> %2").arg(kolor, wiadomosc);
}
