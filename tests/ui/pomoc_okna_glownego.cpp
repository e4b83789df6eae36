#include "pomoc_okna_glownego.h"

#include <QAbstractButton>
#include <QFile>
#include <QPushButton>
#include <QListWidget>

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>

#include "kwota.h"
#include "plik_lancucha.h"
#include "portfel.h"
#include "wezly.h"
#include "wymiana_lancucha.h"

std::int64_t jednostki(const char* tekst)
{
    bool ok = false;
    const std::int64_t wynik = parsujKwote(tekst, ok);
    return ok ? wynik : -1;
}

ParaKluczy zapiszNowyPortfel()
{
    const ParaKluczy klucze = generujPareKluczy();
    static_cast<void>(zapiszPortfel(klucze, PLIK_PORTFELA));
    return klucze;
}

void dopiszBlok(Blockchain& lancuch, const std::string& gornik, const std::vector<Transakcja>& platnosci)
{
    const int trudnosc = lancuch.trudnosc;
    lancuch.trudnosc = 0;
    lancuch.wykopIDodajBlok(gornik, platnosci);
    lancuch.trudnosc = trudnosc;
}

void zapiszLancuchTestu(const Blockchain& lancuch)
{
    static_cast<void>(zapiszLancuch(lancuch, PLIK_LANCUCHA));
}

bool ustawCzasPliku(const QDateTime& czas)
{
    QFile plik(QString::fromUtf8(PLIK_LANCUCHA));
    return plik.open(QIODevice::ReadWrite) && plik.setFileTime(czas, QFileDevice::FileModificationTime);
}

QStringList liniePozycji(const QAbstractItemView* lista)
{
    QStringList linie;
    for (int i = 0; i < lista->model()->rowCount(); ++i)
        linie << lista->model()->index(i, 0).data().toString();
    return linie;
}

std::size_t blokiWPlikuLancucha()
{
    Blockchain lancuch;
    if (!wczytajLancuch(lancuch, PLIK_LANCUCHA))
        return 0;
    return lancuch.liczbaBlokow();
}

QString skrot12(const std::string& klucz)
{
    return QString::fromStdString(klucz.substr(0, 12)) + QStringLiteral("...");
}

void odpowiedzNaPytanie(SterownikOkien& sterownik, QMessageBox::StandardButton odpowiedz,
                        OdpowiedzNaPytanie* widziane)
{
    sterownik.dodaj([odpowiedz, widziane](QWidget* okno) {
        auto* pytanie = qobject_cast<QMessageBox*>(okno);
        if (pytanie == nullptr) {
            okno->close();
            return;
        }
        if (widziane != nullptr) {
            widziane->tytul = pytanie->windowTitle();
            widziane->tekst = pytanie->text();
            if (QAbstractButton* przycisk = pytanie->defaultButton())
                widziane->domyslny = pytanie->standardButton(przycisk);
        }
        if (odpowiedz == QMessageBox::NoButton) { // jak Escape albo zamkniecie pytania
            pytanie->reject();
            return;
        }
        pytanie->button(odpowiedz)->click();
    });
}

WezelPomocniczy::WezelPomocniczy(int port)
{
    watek = std::thread([this, port] {
        nasluchujIPrzyjmujLancuchyWPetli(
            lancuch, port, folder.plik(PLIK_LANCUCHA), folder.plik(PLIK_WEZLOW),
            [this] { return stop.load(); }, [this](bool ok) { gotowy = ok ? 1 : 0; },
            kluczPublicznyHex(generujPareKluczy()));
    });
    for (int i = 0; i < 500 && gotowy.load() < 0; ++i)
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

WezelPomocniczy::~WezelPomocniczy()
{
    stop = true;
    watek.join();
}

std::size_t WezelPomocniczy::blokiWPliku() const
{
    Blockchain zPliku;
    if (!wczytajLancuch(zPliku, folder.plik(PLIK_LANCUCHA)))
        return 0;
    return zPliku.liczbaBlokow();
}

void WezelPomocniczy::zapiszZnaneWezly(const std::string& tekst) const
{
    zapiszPlikTestu(folder.plik(PLIK_WEZLOW), tekst);
}

int zajmijPort(int port)
{
    const int gniazdo = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in adres{};
    adres.sin_family = AF_INET;
    adres.sin_addr.s_addr = htonl(INADDR_ANY);
    adres.sin_port = htons(static_cast<std::uint16_t>(port));
    if (gniazdo >= 0 && ::bind(gniazdo, reinterpret_cast<sockaddr*>(&adres), sizeof adres) == 0
        && ::listen(gniazdo, 4) == 0)
        return gniazdo;
    if (gniazdo >= 0)
        ::close(gniazdo);
    return -1;
}

CichyWezel::CichyWezel()
{
    nasluch = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    sockaddr_in adres{};
    adres.sin_family = AF_INET;
    adres.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    socklen_t dlugosc = sizeof adres;
    if (nasluch < 0 || ::bind(nasluch, reinterpret_cast<sockaddr*>(&adres), sizeof adres) != 0
        || ::listen(nasluch, 4) != 0
        || ::getsockname(nasluch, reinterpret_cast<sockaddr*>(&adres), &dlugosc) != 0)
        return;
    numerPortu = ntohs(adres.sin_port);
    watek = std::thread([this] {
        while (!stop.load() && przyjete.load() < 0) {
            pollfd czekaj{nasluch, POLLIN, 0};
            if (::poll(&czekaj, 1, 50) > 0)
                przyjete = ::accept4(nasluch, nullptr, nullptr, SOCK_CLOEXEC);
        }
    });
}

CichyWezel::~CichyWezel()
{
    zamknij();
    if (nasluch >= 0)
        ::close(nasluch);
}

void CichyWezel::zamknij()
{
    stop = true;
    if (watek.joinable())
        watek.join();
    const int gniazdo = przyjete.exchange(-2);
    if (gniazdo >= 0)
        ::close(gniazdo);
}
