// Proces jednego wezla testu koncowego: wlasne MainWindow we wlasnym folderze i w przestrzeni
// sieciowej hosta symulowanej sieci, sterowane wylacznie przyciskami i polami okna.
// Uzycie: wezel_okna <przestrzen> <folder> <nadawca|odbiorca> <port> <sekundy>
// Nadawca: nasluch, czeka na wykrycie odbiorcy, kopie blok, wysyla 12.5 TLV do odbiorcy
// wybranego w polu znanych odbiorcow, potem czeka na plik "stop". Odbiorca: nasluch, czeka
// na wykrycie nadawcy i na platnosc na zakladce Odebrane. Na koncu oba zapisuja "raport.txt".

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTextStream>
#include <QTimer>

#include <fcntl.h>
#include <sched.h>
#include <sodium.h>
#include <unistd.h>

#include <chrono>
#include <functional>
#include <iostream>
#include <memory>

#include "gniazda.h"
#include "mainwindow.h"

namespace {

bool wejdzDoPrzestrzeni(const char* sciezka)
{
    const int fd = ::open(sciezka, O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        return false;
    const bool ok = ::setns(fd, CLONE_NEWNET) == 0;
    ::close(fd);
    return ok;
}

QStringList linie(const QAbstractItemView* lista)
{
    QStringList wynik;
    for (int i = 0; i < lista->model()->rowCount(); ++i)
        wynik << lista->model()->index(i, 0).data().toString();
    return wynik;
}

// Kolejne kroki: warunek, na ktory krok czeka, i dzialanie wykonywane, gdy jest spelniony.
struct Krok {
    QString nazwa;
    std::function<bool()> gotowe;
    std::function<void()> dzialanie;
};

class Scenariusz : public QObject {
public:
    Scenariusz(MainWindow& okno, bool nadawca, int port, int sekundy)
        : okno(okno), nadawca(nadawca), koniec(std::chrono::steady_clock::now() + std::chrono::seconds(sekundy))
    {
        zbudujKroki(port);
        connect(&zegar, &QTimer::timeout, this, [this] { krok(); });
        zegar.start(50);
    }

    [[nodiscard]] bool udany() const { return ktory == kroki.size(); }

private:
    template <typename T>
    T* w(const char* nazwa) { return okno.findChild<T*>(QString::fromLatin1(nazwa)); }

    void zbudujKroki(int port)
    {
        kroki.push_back({"nasluch", [] { return true; }, [this, port] {
                             w<QLineEdit>("editPortNasluchu")->setText(QString::number(port));
                             w<QPushButton>("buttonNasluchuj")->click();
                         }});
        kroki.push_back({"nasluch aktywny", [this] {
                             return w<QPushButton>("buttonNasluchuj")->text() == QStringLiteral("Zatrzymaj nasluch");
                         }, [] {}});
        // Drugi wezel wykryty: jego wpis (z kluczem z ogloszenia) jest w polu znanych odbiorcow.
        kroki.push_back({"wykrycie", [this] { return w<QComboBox>("comboZnaniOdbiorcy")->count() >= 2; }, [] {}});
        if (nadawca)
            krokiNadawcy();
        else
            kroki.push_back({"platnosc odebrana", [this] {
                                 return w<QListWidget>("listaOdebranych")->item(0)->text().startsWith("Blok #2: od ")
                                     && w<QLabel>("labelSaldo")->text() == QStringLiteral("Saldo: 12.5 TLV");
                             }, [] {}});
    }

    void krokiNadawcy()
    {
        kroki.push_back({"kop blok", [] { return true; }, [this] { w<QPushButton>("buttonKop")->click(); }});
        kroki.push_back({"blok rozgloszony", [this] {
                             auto* kop = w<QPushButton>("buttonKop");
                             return kop->isEnabled() && kop->text() == QStringLiteral("Kop blok");
                         }, [this] {
                             auto* znani = w<QComboBox>("comboZnaniOdbiorcy");
                             znani->setCurrentIndex(1);
                             emit znani->activated(1);
                             w<QLineEdit>("editKwota")->setText(QStringLiteral("12.5"));
                         }});
        kroki.push_back({"wyslij", [] { return true; }, [this] { w<QPushButton>("buttonWyslij")->click(); }});
        kroki.push_back({"wyslano", [this] {
                             return w<QPushButton>("buttonWyslij")->isEnabled()
                                 && w<QLabel>("labelStatusWyslij")->text().startsWith("Transakcja wyslana");
                         }, [] {}});
        kroki.push_back({"stop", [] { return QFile::exists(QStringLiteral("stop")); }, [] {}});
    }

    void krok()
    {
        // Pytanie potwierdzenia: zawsze "Tak" (petla zdarzen pytania tez wola ten zegar).
        if (auto* pytanie = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            pytanie->button(QMessageBox::Yes)->click();
            return;
        }
        if (wTrakcie)
            return;
        if (ktory < kroki.size() && kroki[ktory].gotowe()) {
            const std::size_t biezacy = ktory++;
            std::cout << "[wezel_okna] krok: " << kroki[biezacy].nazwa.toStdString() << std::endl;
            // Poza slotem zegara: zegar nie odpala sie w petli pytania otwartej z wlasnego slotu.
            wTrakcie = true;
            QTimer::singleShot(0, this, [this, biezacy] {
                kroki[biezacy].dzialanie();
                wTrakcie = false;
            });
            return;
        }
        if (ktory == kroki.size() || std::chrono::steady_clock::now() > koniec) {
            zegar.stop();
            zapiszRaport();
            QCoreApplication::exit(udany() ? 0 : 1);
        }
    }

    void zapiszRaport()
    {
        QFile plik(QStringLiteral("raport.txt"));
        if (!plik.open(QIODevice::WriteOnly | QIODevice::Truncate))
            return;
        QTextStream raport(&plik);
        raport << "krok: " << (udany() ? QStringLiteral("koniec") : kroki[ktory].nazwa) << "\n";
        raport << "saldo: " << w<QLabel>("labelSaldo")->text() << "\n";
        raport << "wyslij: " << w<QLabel>("labelStatusWyslij")->text() << "\n";
        for (const QString& l : linie(w<QListWidget>("listaWezlow")))
            raport << "wezel: " << l << "\n";
        for (const QString& l : linie(w<QListWidget>("listaOdebranych")))
            raport << "odebrane: " << l << "\n";
        for (const QString& l : linie(w<QListView>("listaBlokow")))
            raport << "blok: " << l << "\n";
    }

    MainWindow& okno;
    bool nadawca;
    std::chrono::steady_clock::time_point koniec;
    std::vector<Krok> kroki;
    std::size_t ktory = 0;
    bool wTrakcie = false;
    QTimer zegar;
};

} // namespace

int main(int argc, char** argv)
{
    if (argc != 6 || !wejdzDoPrzestrzeni(argv[1]) || ::chdir(argv[2]) != 0)
        return 2;
    const bool nadawca = QByteArray(argv[3]) == "nadawca";
    const int port = QByteArray(argv[4]).toInt();
    const int sekundy = QByteArray(argv[5]).toInt();
    // Log bez buforowania: przerwany proces zostawia pelny zapis.
    std::cout << std::unitbuf;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikacja(argc, argv);
    if (sodium_init() < 0 || !inicjalizujSiec())
        return 3;
    int wynik = 1;
    {
        MainWindow okno(nadawca ? QStringLiteral("Ala") : QStringLiteral("Ola"));
        okno.show();
        Scenariusz scenariusz(okno, nadawca, port, sekundy);
        wynik = QApplication::exec();
    }
    zakonczSiec();
    return wynik;
}
