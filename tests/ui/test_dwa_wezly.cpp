// Koniec do konca: dwa procesy, kazdy z wlasnym MainWindow i folderem, w dwoch hostach jednej
// symulowanej sieci lokalnej. Sterowane przyciskami okna: nasluch, wzajemne wykrycie, nadawca
// kopie i wysyla monety na klucz odbiorcy, a zakladka Odebrane i saldo odbiorcy je pokazuja.
#include <QProcess>
#include <QTest>

#include <filesystem>

#include "klucze.h"
#include "pomoc_testow.h"
#include "portfel.h"
#include "pomoc_sieci.h"

namespace {

constexpr int PORT = 17000;
constexpr int SEKUNDY = 40;

QStringList raport(const std::string& folder)
{
    return QString::fromStdString(czytajPlikTestu(folder + "/raport.txt")).split(u'\n', Qt::SkipEmptyParts);
}

} // namespace

class TestDwochWezlow : public QObject {
    Q_OBJECT

private slots:
    void wyslaneMonetyWidocznePoDrugiejStronie();
};

void TestDwochWezlow::wyslaneMonetyWidocznePoDrugiejStronie()
{
    SiecLan siec(2);
    if (!siec.gotowa())
        QSKIP("nie mozna utworzyc przestrzeni sieciowych");
    FolderTymczasowy folder;
    const std::string a = folder.plik("nadawca");
    const std::string b = folder.plik("odbiorca");
    std::filesystem::create_directory(a);
    std::filesystem::create_directory(b);

    auto uruchom = [&](QProcess& proces, int host, const std::string& katalog, const char* rola) {
        proces.setStandardOutputFile(QString::fromStdString(katalog + "/log.txt"));
        proces.setProcessChannelMode(QProcess::MergedChannels);
        proces.start(QStringLiteral(WEZEL_OKNA),
                     {QString::fromStdString(siec.sciezkaHosta(host)), QString::fromStdString(katalog),
                      QString::fromLatin1(rola), QString::number(PORT), QString::number(SEKUNDY)});
    };
    QProcess odbiorca;
    QProcess nadawca;
    uruchom(odbiorca, 2, b, "odbiorca");
    uruchom(nadawca, 1, a, "nadawca");
    QVERIFY(odbiorca.waitForStarted() && nadawca.waitForStarted());
    const bool odbiorcaSkonczyl = odbiorca.waitForFinished((SEKUNDY + 30) * 1000);
    zapiszPlikTestu(a + "/stop", "");
    const bool nadawcaSkonczyl = nadawca.waitForFinished(30000);
    for (QProcess* proces : {&odbiorca, &nadawca}) {
        proces->kill(); // zakonczony proces: bez skutku
        proces->waitForFinished(10000);
    }
    const QStringList ra = raport(a);
    const QStringList rb = raport(b);
    const QString opis = "NADAWCA:\n" + ra.join('\n') + '\n' + czytajPlikTestu(a + "/log.txt").c_str()
        + "\nODBIORCA:\n" + rb.join('\n') + '\n' + czytajPlikTestu(b + "/log.txt").c_str();
    QVERIFY2(odbiorcaSkonczyl && odbiorca.exitCode() == 0, qPrintable(opis));
    QVERIFY2(nadawcaSkonczyl && nadawca.exitCode() == 0, qPrintable(opis));

    ParaKluczy kluczeA;
    QVERIFY(wczytajPortfel(kluczeA, a + "/moj_portfel.dat"));
    const QString kluczA = QString::fromStdString(kluczPublicznyHex(kluczeA));
    // Kazdy zna drugiego pod jego adresem w sieci i z nazwa z ogloszenia.
    QVERIFY2(ra.contains(QStringLiteral("wezel: Ola - 10.77.0.2:17000")), qPrintable(ra.join('\n')));
    QVERIFY2(rb.contains(QStringLiteral("wezel: Ala - 10.77.0.1:17000")), qPrintable(rb.join('\n')));
    QVERIFY(ra.contains(QStringLiteral("wyslij: Transakcja wyslana i zapisana. Rozgloszono do 1/1 wezlow.")));
    QVERIFY(ra.contains(QStringLiteral("saldo: Saldo: 87.5 TLV")));
    QVERIFY(rb.contains(QStringLiteral("saldo: Saldo: 12.5 TLV")));
    QVERIFY2(rb.contains("odebrane: Blok #2: od " + kluczA.left(12) + "...  +12.5 TLV"), qPrintable(rb.join('\n')));
    QVERIFY(rb.contains("blok: Blok #1: nagroda dla " + kluczA.left(12) + "...  +50 TLV"));
}

QTEST_MAIN(TestDwochWezlow)
#include "test_dwa_wezly.moc"
