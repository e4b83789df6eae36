// Proces jednego wezla testu koncowego: wlasne MainWindow we wlasnym folderze i w przestrzeni
// sieciowej hosta symulowanej sieci, sterowane wylacznie przyciskami i polami okna.
// Uzycie: wezel_okna <przestrzen> <folder> <nadawca|odbiorca> <port> <sekundy>
// Nadawca: nasluch, wykrycie odbiorcy, blok, 12.5 TLV do odbiorcy z listy znanych, czeka na
// plik "stop". Odbiorca: nasluch, wykrycie nadawcy, platnosc na zakladce Odebrane.
// Na koncu oba zapisuja "raport.txt" z tym, co widac w oknie.
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTextStream>
#include <QThread>
#include <QTimer>

#include <fcntl.h>
#include <sched.h>
#include <sodium.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <iostream>

#include "net/gniazda.h"
#include "ui/mainwindow.h"

namespace {

MainWindow* okno = nullptr;
QString folder;
std::chrono::steady_clock::time_point koniec;

template <typename T>
T* w(const char* nazwa) { return okno->findChild<T*>(QString::fromLatin1(nazwa)); }

// Petla zdarzen az do spelnienia warunku albo konca czasu; pytanie potwierdzenia dostaje "Tak".
bool czekaj(const char* krok, const std::function<bool()>& warunek)
{
    std::cout << "[wezel_okna] czekam: " << krok << std::endl;
    while (!warunek()) {
        if (std::chrono::steady_clock::now() > koniec)
            return false;
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
        QThread::msleep(20);
    }
    return true;
}

void kliknijPozniej(const char* przycisk)
{
    QTimer::singleShot(0, [przycisk] { w<QPushButton>(przycisk)->click(); });
}

bool scenariusz(bool nadawca, int port)
{
    // Pytanie potwierdzenia: zawsze "Tak".
    QTimer zegar;
    QObject::connect(&zegar, &QTimer::timeout, [] {
        if (auto* pytanie = qobject_cast<QMessageBox*>(QApplication::activeModalWidget()))
            pytanie->button(QMessageBox::Yes)->click();
    });
    zegar.start(50);
    w<QLineEdit>("editPortNasluchu")->setText(QString::number(port));
    kliknijPozniej("buttonNasluchuj");
    if (!czekaj("nasluch", [] { return w<QPushButton>("buttonNasluchuj")->text() == "Zatrzymaj nasluch"; })
        || !czekaj("wykrycie", [] { return w<QComboBox>("comboZnaniOdbiorcy")->count() >= 2; }))
        return false;
    if (!nadawca)
        return czekaj("platnosc", [] {
            return w<QListWidget>("listaOdebranych")->item(0)->text().startsWith("Blok #2: od ")
                && w<QLabel>("labelSaldo")->text() == "Saldo: 12.5 TLV";
        });
    kliknijPozniej("buttonKop");
    if (!czekaj("blok rozgloszony", [] {
            auto* kop = w<QPushButton>("buttonKop");
            return kop->isEnabled() && kop->text() == "Kop blok" && w<QLabel>("labelSaldo")->text() == "Saldo: 50 TLV";
        }))
        return false;
    auto* znani = w<QComboBox>("comboZnaniOdbiorcy");
    znani->setCurrentIndex(1);
    emit znani->activated(1);
    w<QLineEdit>("editKwota")->setText("12.5");
    kliknijPozniej("buttonWyslij");
    return czekaj("wyslano", [] {
               return w<QPushButton>("buttonWyslij")->isEnabled()
                   && w<QLabel>("labelStatusWyslij")->text().startsWith("Transakcja wyslana");
           })
        && czekaj("stop", [] { return QFile::exists(folder + "/stop"); });
}

void zapiszRaport()
{
    QFile plik(folder + "/raport.txt");
    if (!plik.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return;
    QTextStream raport(&plik);
    raport << "saldo: " << w<QLabel>("labelSaldo")->text() << "\nwyslij: " << w<QLabel>("labelStatusWyslij")->text() << "\n";
    for (const auto& [lista, nazwa] : {std::pair{"listaWezlow", "wezel"}, {"listaOdebranych", "odebrane"}, {"listaBlokow", "blok"}}) {
        const QAbstractItemModel* model = w<QAbstractItemView>(lista)->model();
        for (int i = 0; i < model->rowCount(); ++i)
            raport << nazwa << ": " << model->index(i, 0).data().toString() << "\n";
    }
}

bool wejdzDoPrzestrzeni(const char* sciezka)
{
    const int fd = ::open(sciezka, O_RDONLY | O_CLOEXEC);
    const bool ok = fd >= 0 && ::setns(fd, CLONE_NEWNET) == 0;
    ::close(fd);
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6 || !wejdzDoPrzestrzeni(argv[1]))
        return 2;
    folder = QString::fromLocal8Bit(argv[2]);
    const bool nadawca = QByteArray(argv[3]) == "nadawca";
    koniec = std::chrono::steady_clock::now() + std::chrono::seconds(QByteArray(argv[5]).toInt());
    std::cout << std::unitbuf; // przerwany proces zostawia pelny log
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikacja(argc, argv);
    if (sodium_init() < 0 || !inicjalizujSiec())
        return 3;
    bool udany = false;
    {
        Dziennik dziennik;
        MainWindow glowne(KatalogDanych::w(argv[2]), dziennik,
                          nadawca ? QStringLiteral("Ala") : QStringLiteral("Ola"));
        okno = &glowne;
        glowne.show();
        udany = scenariusz(nadawca, QByteArray(argv[4]).toInt());
        zapiszRaport();
    }
    zakonczSiec();
    return udany ? 0 : 1;
}
