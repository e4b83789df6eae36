// Zakladka Dziennik z odmowa serwera, polskie przyciski Qt i wysokosc okna na malym ekranie.
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScreen>
#include <QTest>
#include <QTextBlock>
#include <QTranslator>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <net/if.h>
#include <sched.h>
#include <sodium.h>
#include <sys/ioctl.h>
#include <sys/socket.h>
#include <unistd.h>

#include "dziennik_konsoli.h"
#include "katalogi.h"
#include "mainwindow.h"
#include "plik_lancucha.h"
#include "pomoc_testow.h"
#include "portfel.h"
#include "start.h"
#include "teksty_okna.h"
#include "ui_mainwindow.h"
#include "wymiana_lancucha.h"

namespace {

bool wlasnaSiec = false;

// Nowa przestrzen sieciowa z samym loopbackiem: nasluch i ogloszenia nie wychodza poza nia.
bool wejdzDoWlasnejSieci()
{
    if (std::getenv("TALVARIN_BEZ_NETNS") != nullptr || ::unshare(CLONE_NEWNET) != 0)
        return false;
    const int g = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    ifreq zadanie{};
    std::strncpy(zadanie.ifr_name, "lo", IFNAMSIZ - 1);
    bool ok = ::ioctl(g, SIOCGIFFLAGS, &zadanie) == 0;
    zadanie.ifr_flags = static_cast<short>(zadanie.ifr_flags | IFF_UP);
    ok = ok && ::ioctl(g, SIOCSIFFLAGS, &zadanie) == 0;
    ::close(g);
    return ok;
}

} // namespace

class TestDziennikaOkna : public QObject {
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(sodium_init() >= 0);
        QVERIFY(QDir::setCurrent(QString::fromStdString(folder.sciezka())));
    }

    void odmowaSerweraWDziennikuIChwilowoWStatusieSieci();
    void polskiePotwierdzenieMaPrzyciskiTakNie();
    void oknoMiesciSieNaEkranie1366x768();

private:
    FolderTymczasowy folder;
};

void TestDziennikaOkna::odmowaSerweraWDziennikuIChwilowoWStatusieSieci()
{
    if (!wlasnaSiec)
        QSKIP("brak wlasnej przestrzeni sieciowej (unshare CLONE_NEWNET)");
    // Dwoch kopiacych naraz: moj lancuch z moim blokiem, dluzszy obcy bez niego.
    const ParaKluczy moje = generujPareKluczy();
    QVERIFY(zapiszPortfel(moje, "moj_portfel.dat"));
    Blockchain moj;
    moj.wykopIDodajBlok(kluczPublicznyHex(moje), {});
    QVERIFY(zapiszLancuch(moj, PLIK_LANCUCHA));
    Blockchain obcy;
    for (int i = 0; i < 2; ++i)
        obcy.wykopIDodajBlok(kluczPublicznyHex(generujPareKluczy()), {});

    MainWindow okno(QString{});
    Ui::MainWindow& ui = *okno.ui;
    const int port = wolnyPort();
    ui.editPortNasluchu->setText(QString::number(port));
    ui.buttonNasluchuj->click();
    QTRY_VERIFY(okno.nasluchAktywny);
    const QString statusNasluchu = ui.labelStatusNasluchu->text();
    const Wezel ja{"127.0.0.1", port, {}, {}};
    QVERIFY(wyslijLancuchDoWezla(obcy, ja, port, "wezly_nadawcy.dat", -1));
    auto* dziennik = okno.findChild<QPlainTextEdit*>(QStringLiteral("tekstDziennika"));
    const QRegularExpression odmowa(QStringLiteral(
        "^\\d\\d:\\d\\d:\\d\\d  Otrzymany lancuch jest dluzszy, ale ZMNIEJSZYLBY Twoje saldo "
        "\\(5000000000 -> 0\\) - odrzucam\\.$"));
    QTRY_VERIFY(odmowa.match(dziennik->document()->lastBlock().text()).hasMatch());
    QVERIFY(ui.labelStatusNasluchu->text().contains(okno.tr(TEKST_ODMOWA_SALDO)));
    QElapsedTimer zegar;
    zegar.start();
    QTRY_COMPARE_WITH_TIMEOUT(ui.labelStatusNasluchu->text(), statusNasluchu, 15000);
    QVERIFY2(zegar.elapsed() > 9000, qPrintable(QString::number(zegar.elapsed())));

    okno.findChild<QPushButton*>(QStringLiteral("buttonWyczyscDziennik"))->click();
    QVERIFY(dziennik->toPlainText().isEmpty());
    // Ostatnie 1000 linii, najnowsza na dole.
    for (int i = 0; i < 1005; ++i)
        std::printf("linia %d\n", i);
    QTRY_VERIFY(dziennik->document()->lastBlock().text().endsWith(QStringLiteral("  linia 1004")));
    QCOMPARE(dziennik->blockCount(), 1000);
    QVERIFY(dziennik->document()->firstBlock().text().endsWith(QStringLiteral("  linia 5")));
}

void TestDziennikaOkna::polskiePotwierdzenieMaPrzyciskiTakNie()
{
    QTranslator katalogQt;
    QVERIFY(zainstalujTlumaczenieQt(katalogQt, QStringLiteral("pl_PL")));
    QMessageBox pytanie(QMessageBox::Question, QStringLiteral("?"), QStringLiteral("?"),
                        QMessageBox::Yes | QMessageBox::No);
    QCOMPARE(pytanie.button(QMessageBox::Yes)->text().remove(u'&'), QStringLiteral("Tak"));
    QCOMPARE(pytanie.button(QMessageBox::No)->text().remove(u'&'), QStringLiteral("Nie"));
}

void TestDziennikaOkna::oknoMiesciSieNaEkranie1366x768()
{
    // 768 pikseli ekranu bez paska zadan i paska tytulu okna.
    constexpr int LIMIT_WYSOKOSCI = 640;
    for (const char* kod : {"pl_PL", "en_US", "de_DE", "es_ES", "fr_FR", "uk_UA"}) {
        QTranslator katalog;
        if (zaladujKatalog(katalog, QString::fromLatin1(kod)))
            QCoreApplication::installTranslator(&katalog);
        MainWindow okno(QStringLiteral("Ala"));
        QVERIFY2(okno.minimumSizeHint().height() <= LIMIT_WYSOKOSCI, kod);
        okno.dopasujDoEkranu();
        QVERIFY(okno.height() <= okno.screen()->availableGeometry().height());
    }
}

int main(int argc, char** argv)
{
    // Jeszcze jednowatkowo: najpierw przestrzen sieciowa, potem dziennik i aplikacja.
    wlasnaSiec = wejdzDoWlasnejSieci();
    const DziennikKonsoli dziennik;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication aplikacja(argc, argv);
    TestDziennikaOkna test;
    return QTest::qExec(&test, argc, argv);
}

#include "test_dziennik_okna.moc"
