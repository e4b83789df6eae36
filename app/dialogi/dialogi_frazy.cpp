#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/dialogi/dialogi_startowe.h"
#include "app/sprawdzenie_frazy.h"

void pokazFraze(const Fraza& fraza)
{
    QDialog dialog;
    dialog.setWindowTitle(QObject::tr("Zapisz fraze odzyskiwania"));
    dialog.setMinimumWidth(440);
    auto* uklad = new QVBoxLayout(&dialog);

    auto* ostrzezenie = new QLabel(
        QObject::tr("To jest JEDYNY sposob odzyskania portfela, jesli stracisz ten komputer.\n"
                    "Zapisz te 12 slow w bezpiecznym miejscu (np. na kartce). Nikomu ich nie pokazuj."),
        &dialog);
    ostrzezenie->setWordWrap(true);
    uklad->addWidget(ostrzezenie);

    // Fraza nie jest tlumaczona: to dokladnie te slowa, z ktorych powstalo ziarno.
    auto* slowa = new QLabel(QString::fromStdString(tekstFrazy(fraza)), &dialog);
    QFont czcionka = slowa->font();
    czcionka.setPointSize(12);
    czcionka.setBold(true);
    slowa->setFont(czcionka);
    slowa->setWordWrap(true);
    slowa->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    slowa->setStyleSheet(QStringLiteral("padding: 10px; border: 1px solid gray;"));
    uklad->addWidget(slowa);

    auto* dalej = new QPushButton(QObject::tr("Zapisalem te slowa - kontynuuj"), &dialog);
    uklad->addWidget(dalej);
    QObject::connect(dalej, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.exec();
}

Fraza wpiszFraze()
{
    QDialog dialog;
    dialog.setWindowTitle(QObject::tr("Wpisz fraze odzyskiwania"));
    dialog.setMinimumWidth(440);
    auto* uklad = new QVBoxLayout(&dialog);
    uklad->addWidget(new QLabel(
        QObject::tr("Wpisz 12 slow oddzielonych spacja, w tej samej kolejnosci co przy tworzeniu:"),
        &dialog));
    auto* pole = new QLineEdit(&dialog);
    uklad->addWidget(pole);
    auto* blad = new QLabel(&dialog);
    blad->setWordWrap(true);
    uklad->addWidget(blad);
    auto* odtworz = new QPushButton(QObject::tr("Odtworz portfel"), &dialog);
    uklad->addWidget(odtworz);

    Fraza wynik;
    QObject::connect(odtworz, &QPushButton::clicked, &dialog, [&] {
        const QByteArray tekst = pole->text().toUtf8();
        SprawdzonaFraza sprawdzona =
            sprawdzFraze(std::string_view(tekst.constData(), static_cast<std::size_t>(tekst.size())));
        if (!sprawdzona.poprawna()) {
            // Pole zostaje, zeby mozna bylo poprawic literowke.
            blad->setText(QString::fromStdString(sprawdzona.komunikat));
            return;
        }
        wynik = std::move(sprawdzona.slowa);
        dialog.accept();
    });
    dialog.exec();
    return wynik;
}
