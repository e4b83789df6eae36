#include <QDialog>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include <array>

#include "app/dialogi/dialogi_startowe.h"
#include "core/pliki.h"

namespace {

struct Jezyk {
    const char* kod;
    const char* etykieta;
};

// Flaga z dwoch liter regionalnych i nazwa jezyka w nim samym.
constexpr std::array<Jezyk, 6> JEZYKI = {{
    {"pl_PL", "\U0001F1F5\U0001F1F1 Polski"},
    {"en_US", "\U0001F1EC\U0001F1E7 English"},
    {"de_DE", "\U0001F1E9\U0001F1EA Deutsch"},
    {"es_ES", "\U0001F1EA\U0001F1F8 Espa\u00F1ol"},
    {"fr_FR", "\U0001F1EB\U0001F1F7 Fran\u00E7ais"},
    {"uk_UA", "\U0001F1FA\U0001F1E6 \u0423\u043A\u0440\u0430\u0457\u043D\u0441\u044C\u043A\u0430"},
}};

} // namespace

QString wybierzJezyk(const KatalogDanych& katalog)
{
    // Jezyk nie jest jeszcze wybrany, wiec te teksty nie ida przez tlumaczenie.
    QDialog dialog;
    dialog.setWindowTitle(QStringLiteral("Wybierz jezyk / Choose language"));
    auto* uklad = new QVBoxLayout(&dialog);
    uklad->addWidget(new QLabel(QStringLiteral("Wybierz jezyk / Choose language:"), &dialog));

    QString wynik = QString::fromLatin1(JEZYK_ZRODLOWY);
    for (const Jezyk& jezyk : JEZYKI) {
        auto* przycisk = new QPushButton(QString::fromUtf8(jezyk.etykieta), &dialog);
        uklad->addWidget(przycisk);
        QObject::connect(przycisk, &QPushButton::clicked, &dialog, [&dialog, &wynik, &jezyk] {
            wynik = QString::fromLatin1(jezyk.kod);
            dialog.accept();
        });
    }
    dialog.exec();

    // Zapis takze po zamknieciu bez wyboru: nastepny start nie pyta ponownie.
    static_cast<void>(zapiszAtomowo(katalog.jezyk, wynik.toStdString()));
    return wynik;
}
