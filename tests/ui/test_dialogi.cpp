// Dialogi startowe sterowane prawdziwymi przyciskami i klawiszami.
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QVBoxLayout>

#include <sodium.h>

#include "dialogi_startowe.h"
#include "fraza.h"
#include "pomoc_okien.h"
#include "portfel.h"

namespace {

const QString FRAZA_DOBRA =
    "abandon ability able about above absent absorb abstract absurd abuse access accident";

// Widzety ukladu dialogu po kolei; odstep jako nullptr.
QList<QWidget*> widzetyUkladu(QWidget* okno)
{
    QList<QWidget*> wynik;
    QLayout* uklad = okno->layout();
    for (int i = 0; uklad && i < uklad->count(); ++i)
        wynik << uklad->itemAt(i)->widget();
    return wynik;
}

ParaKluczy portfelZFrazy(const QString& tekst)
{
    return paraKluczyZZiarna(ziarnoZFrazy(podzielFraze(tekst.toStdString())));
}

} // namespace

class TestDialogow : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { QVERIFY(sodium_init() >= 0); }
    void init() { folder = std::make_unique<FolderRoboczy>(); }
    void cleanup() { folder.reset(); }

    void jezykWybranyPrzyciskiem();
    void jezykPoZamknieciuToPolski();
    void nazwaPrzyciskTylkoDlaNiepustejNazwy();
    void nazwaZamknietaDajePustaIZostawiaPlik();
    void portfelIstniejacyNawetPustyBezDialogu();
    void portfelNowyZgodnyZPokazanaFraza();
    void portfelOdtworzonyPoBledach();
    void portfelPonownePytaniePoNieudanymZapisie();
    void portfelZamknietyBezWyboru();

private:
    std::unique_ptr<FolderRoboczy> folder;
};

void TestDialogow::jezykWybranyPrzyciskiem()
{
    const QStringList kody = {"pl_PL", "en_US", "de_DE", "es_ES", "fr_FR", "uk_UA"};
    const QStringList etykiety = {
        "\U0001F1F5\U0001F1F1 Polski", "\U0001F1EC\U0001F1E7 English", "\U0001F1E9\U0001F1EA Deutsch",
        "\U0001F1EA\U0001F1F8 Espa\u00F1ol", "\U0001F1EB\U0001F1F7 Fran\u00E7ais",
        "\U0001F1FA\U0001F1E6 \u0423\u043A\u0440\u0430\u0457\u043D\u0441\u044C\u043A\u0430"};
    for (int i = 0; i < kody.size(); ++i) {
        SterownikOkien sterownik;
        sterownik.dodaj([&](QWidget* okno) {
            QCOMPARE(okno->windowTitle(), QStringLiteral("Wybierz jezyk / Choose language"));
            const QList<QWidget*> widzety = widzetyUkladu(okno);
            QCOMPARE(widzety.size(), 7);
            QCOMPARE(qobject_cast<QLabel*>(widzety[0])->text(),
                     QStringLiteral("Wybierz jezyk / Choose language:"));
            for (int p = 0; p < etykiety.size(); ++p)
                QCOMPARE(qobject_cast<QPushButton*>(widzety[p + 1])->text(), etykiety[p]);
            QTest::mouseClick(widzety[i + 1], Qt::LeftButton);
        });
        QCOMPARE(wybierzJezyk(), kody[i]);
        QCOMPARE(sterownik.obsluzone(), 1);
        // Kod bez konca linii, doslownie.
        QCOMPARE(czytajPlikTestu("jezyk.txt"), kody[i].toStdString());
    }
}

void TestDialogow::jezykPoZamknieciuToPolski()
{
    zapiszPlikTestu("jezyk.txt", "fr_FR");
    {
        SterownikOkien sterownik;
        sterownik.dodaj([](QWidget* okno) { okno->close(); });
        QCOMPARE(wybierzJezyk(), QStringLiteral("pl_PL"));
    }
    QCOMPARE(czytajPlikTestu("jezyk.txt"), std::string("pl_PL"));

    zapiszPlikTestu("jezyk.txt", "");
    SterownikOkien sterownik;
    sterownik.dodaj([](QWidget* okno) { QTest::keyClick(okno, Qt::Key_Escape); });
    QCOMPARE(wybierzJezyk(), QStringLiteral("pl_PL"));
    QCOMPARE(czytajPlikTestu("jezyk.txt"), std::string("pl_PL"));
}

void TestDialogow::nazwaPrzyciskTylkoDlaNiepustejNazwy()
{
    zapiszPlikTestu("nazwa_uzytkownika.txt", "Ola");
    auto sterownik = std::make_unique<SterownikOkien>();
    bool zostaloOtwarte = false;
    sterownik->dodaj([&](QWidget* okno) {
        QCOMPARE(okno->windowTitle(), QStringLiteral("Talvarin"));
        QCOMPARE(okno->minimumWidth(), 320);
        const QList<QWidget*> widzety = widzetyUkladu(okno);
        QCOMPARE(widzety.size(), 6);
        auto* naglowek = qobject_cast<QLabel*>(widzety[0]);
        QCOMPARE(naglowek->text(), QStringLiteral("Talvarin (TLV)"));
        QCOMPARE(naglowek->font().pointSize(), 20);
        QCOMPARE(naglowek->font().weight(), QFont::Bold);
        QCOMPARE(naglowek->alignment(), Qt::AlignCenter);
        QCOMPARE(qobject_cast<QLabel*>(widzety[1])->text(), QStringLiteral("Wersja 0.1"));
        QCOMPARE(qobject_cast<QLabel*>(widzety[1])->alignment(), Qt::AlignCenter);
        QCOMPARE(qobject_cast<QLabel*>(widzety[2])->text(), QStringLiteral("Twoja nazwa:"));
        auto* pole = qobject_cast<QLineEdit*>(widzety[3]);
        QCOMPARE(pole->text(), QStringLiteral("Ola"));
        QCOMPARE(pole->placeholderText(), QStringLiteral("Wpisz jak mamy Cie nazywac"));
        QVERIFY(widzety[4] == nullptr);
        QVERIFY(okno->layout()->itemAt(4)->spacerItem());
        auto* przycisk = qobject_cast<QPushButton*>(widzety[5]);
        QCOMPARE(przycisk->text(), QStringLiteral("Kontynuuj"));
        QVERIFY(przycisk->isEnabled());

        pole->clear();
        QVERIFY(!przycisk->isEnabled());
        QTest::keyClicks(pole, "  \t ");
        QVERIFY(!przycisk->isEnabled());
        // Enter przy wylaczonym przycisku niczego nie zatwierdza.
        QTest::keyClick(pole, Qt::Key_Return);
        zostaloOtwarte = okno->isVisible();
        QTest::keyClicks(pole, "Ala  ");
        QVERIFY(przycisk->isEnabled());
        QTest::mouseClick(przycisk, Qt::LeftButton);
    });
    QCOMPARE(zapytajONazwe(), QStringLiteral("Ala"));
    QVERIFY(zostaloOtwarte);
    QCOMPARE(czytajPlikTestu("nazwa_uzytkownika.txt"), std::string("Ala"));
    sterownik.reset();

    // Bez zapisanej nazwy pole jest puste, a Enter zatwierdza wpisana.
    QVERIFY(QFile::remove("nazwa_uzytkownika.txt"));
    SterownikOkien drugi;
    drugi.dodaj([](QWidget* okno) {
        auto* pole = okno->findChild<QLineEdit*>();
        QVERIFY(pole->text().isEmpty());
        QVERIFY(!okno->findChild<QPushButton*>()->isEnabled());
        QTest::keyClicks(pole, "Bob");
        QTest::keyClick(pole, Qt::Key_Return);
    });
    QCOMPARE(zapytajONazwe(), QStringLiteral("Bob"));
    QCOMPARE(czytajPlikTestu("nazwa_uzytkownika.txt"), std::string("Bob"));
}

void TestDialogow::nazwaZamknietaDajePustaIZostawiaPlik()
{
    zapiszPlikTestu("nazwa_uzytkownika.txt", "Ola");
    SterownikOkien sterownik;
    sterownik.dodaj([](QWidget* okno) {
        QTest::keyClicks(okno->findChild<QLineEdit*>(), "f");
        okno->close();
    });
    QCOMPARE(zapytajONazwe(), QString());
    QCOMPARE(czytajPlikTestu("nazwa_uzytkownika.txt"), std::string("Ola"));
}

void TestDialogow::portfelIstniejacyNawetPustyBezDialogu()
{
    zapiszPlikTestu("moj_portfel.dat", "");
    SterownikOkien sterownik;
    przygotujPortfel();
    QTest::qWait(30);
    QCOMPARE(sterownik.nadmiarowe(), 0);
    QCOMPARE(czytajPlikTestu("moj_portfel.dat"), std::string());
}

void TestDialogow::portfelNowyZgodnyZPokazanaFraza()
{
    QString pokazana;
    bool zapisanyPrzedPokazaniem = false;
    SterownikOkien sterownik;
    sterownik.dodaj([](QWidget* okno) {
        QCOMPARE(okno->windowTitle(), QStringLiteral("Portfel"));
        const QList<QWidget*> widzety = widzetyUkladu(okno);
        QCOMPARE(widzety.size(), 3);
        QCOMPARE(qobject_cast<QLabel*>(widzety[0])->text(),
                 QStringLiteral("Nie znaleziono portfela w tym folderze. Co chcesz zrobic?"));
        QCOMPARE(qobject_cast<QPushButton*>(widzety[1])->text(), QStringLiteral("Utworz nowy portfel"));
        QCOMPARE(qobject_cast<QPushButton*>(widzety[2])->text(),
                 QStringLiteral("Mam fraze odzyskiwania (12 slow)"));
        QTest::mouseClick(widzety[1], Qt::LeftButton);
    });
    sterownik.dodaj([&](QWidget* okno) {
        zapisanyPrzedPokazaniem = QFile::exists("moj_portfel.dat");
        QCOMPARE(okno->windowTitle(), QStringLiteral("Zapisz fraze odzyskiwania"));
        QCOMPARE(okno->minimumWidth(), 440);
        const QList<QWidget*> widzety = widzetyUkladu(okno);
        QCOMPARE(widzety.size(), 3);
        auto* ostrzezenie = qobject_cast<QLabel*>(widzety[0]);
        QVERIFY(ostrzezenie->wordWrap());
        QVERIFY(ostrzezenie->text().startsWith("To jest JEDYNY sposob"));
        QCOMPARE(ostrzezenie->text().count('\n'), 1);
        auto* fraza = qobject_cast<QLabel*>(widzety[1]);
        QCOMPARE(fraza->font().pointSize(), 12);
        QCOMPARE(fraza->font().weight(), QFont::Bold);
        QVERIFY(fraza->wordWrap());
        QCOMPARE(fraza->textInteractionFlags(), Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
        QCOMPARE(fraza->styleSheet(), QStringLiteral("padding: 10px; border: 1px solid gray;"));
        pokazana = fraza->text();
        auto* dalej = qobject_cast<QPushButton*>(widzety[2]);
        QCOMPARE(dalej->text(), QStringLiteral("Zapisalem te slowa - kontynuuj"));
        QTest::mouseClick(dalej, Qt::LeftButton);
    });
    przygotujPortfel();
    QCOMPARE(sterownik.obsluzone(), 2);
    QCOMPARE(sterownik.nadmiarowe(), 0);
    QVERIFY(zapisanyPrzedPokazaniem);

    const Fraza slowa = podzielFraze(pokazana.toStdString());
    QCOMPARE(slowa.size(), std::size_t{12});
    QCOMPARE(QString::fromStdString(tekstFrazy(slowa)), pokazana);
    for (const std::string& slowo : slowa)
        QVERIFY2(naLiscieBIP39(slowo), slowo.c_str());
    ParaKluczy zPliku;
    QVERIFY(wczytajPortfel(zPliku, "moj_portfel.dat"));
    QVERIFY(zPliku == portfelZFrazy(pokazana));
}

void TestDialogow::portfelOdtworzonyPoBledach()
{
    QStringList komunikaty;
    SterownikOkien sterownik;
    sterownik.dodaj([](QWidget* okno) {
        QTest::mouseClick(przyciskOTekscie(okno, "Mam fraze odzyskiwania (12 slow)"), Qt::LeftButton);
    });
    sterownik.dodaj([&](QWidget* okno) {
        QCOMPARE(okno->windowTitle(), QStringLiteral("Wpisz fraze odzyskiwania"));
        QCOMPARE(okno->minimumWidth(), 440);
        const QList<QWidget*> widzety = widzetyUkladu(okno);
        QCOMPARE(widzety.size(), 4);
        QCOMPARE(qobject_cast<QLabel*>(widzety[0])->text(),
                 QStringLiteral("Wpisz 12 slow oddzielonych spacja, w tej samej kolejnosci co przy tworzeniu:"));
        auto* pole = qobject_cast<QLineEdit*>(widzety[1]);
        QVERIFY(pole->placeholderText().isEmpty());
        auto* blad = qobject_cast<QLabel*>(widzety[2]);
        QVERIFY(blad->text().isEmpty());
        QVERIFY(blad->wordWrap());
        QVERIFY(blad->styleSheet().isEmpty());
        auto* odtworz = qobject_cast<QPushButton*>(widzety[3]);
        QCOMPARE(odtworz->text(), QStringLiteral("Odtworz portfel"));

        const QString jedenascie = FRAZA_DOBRA.section(' ', 0, 10);
        QTest::keyClicks(pole, jedenascie);
        QTest::mouseClick(odtworz, Qt::LeftButton);
        komunikaty << blad->text();
        QCOMPARE(pole->text(), jedenascie);
        QVERIFY(okno->isVisible());

        pole->clear();
        QTest::keyClicks(pole, "abandon ability able abuot above absent absrob abstract absurd abuse access accident");
        QTest::keyClick(pole, Qt::Key_Return);
        komunikaty << blad->text();
        QVERIFY(okno->isVisible());

        // Wielkie litery i podwojne spacje daja te same slowa.
        pole->clear();
        QTest::keyClicks(pole, "  " + FRAZA_DOBRA.toUpper().replace(" ", "  ") + " ");
        QTest::mouseClick(odtworz, Qt::LeftButton);
    });
    przygotujPortfel();
    QCOMPARE(sterownik.obsluzone(), 2);
    QCOMPARE(sterownik.nadmiarowe(), 0);
    QCOMPARE(komunikaty, QStringList({"Fraza musi miec dokladnie 12 slow (masz 11).",
                                      "Slowo \"abuot\" nie jest na liscie BIP39 - sprawdz literowki."}));
    ParaKluczy zPliku;
    QVERIFY(wczytajPortfel(zPliku, "moj_portfel.dat"));
    QVERIFY(zPliku == portfelZFrazy(FRAZA_DOBRA));
}

void TestDialogow::portfelPonownePytaniePoNieudanymZapisie()
{
    const QString folderTestu = QDir::currentPath();
    SterownikOkien sterownik;
    sterownik.dodaj([](QWidget* okno) {
        QTest::mouseClick(przyciskOTekscie(okno, "Mam fraze odzyskiwania (12 slow)"), Qt::LeftButton);
    });
    sterownik.dodaj([&](QWidget* okno) {
        // Biezacy folder usuniety: zapis portfela nie moze sie udac.
        QVERIFY(QDir().mkdir("znika"));
        QVERIFY(QDir::setCurrent(folderTestu + "/znika"));
        QVERIFY(QDir(folderTestu).rmdir("znika"));
        QTest::keyClicks(okno->findChild<QLineEdit*>(), FRAZA_DOBRA);
        QTest::mouseClick(przyciskOTekscie(okno, "Odtworz portfel"), Qt::LeftButton);
    });
    sterownik.dodaj([&](QWidget* okno) {
        QVERIFY(QDir::setCurrent(folderTestu));
        auto* pole = okno->findChild<QLineEdit*>();
        QVERIFY(pole->text().isEmpty());
        QVERIFY(okno->findChildren<QLabel*>().last()->text().isEmpty());
        QTest::keyClicks(pole, FRAZA_DOBRA);
        QTest::mouseClick(przyciskOTekscie(okno, "Odtworz portfel"), Qt::LeftButton);
    });
    przygotujPortfel();
    QCOMPARE(sterownik.obsluzone(), 3);
    QCOMPARE(sterownik.nadmiarowe(), 0);
    ParaKluczy zPliku;
    QVERIFY(wczytajPortfel(zPliku, "moj_portfel.dat"));
    QVERIFY(zPliku == portfelZFrazy(FRAZA_DOBRA));
}

void TestDialogow::portfelZamknietyBezWyboru()
{
    {
        SterownikOkien sterownik;
        sterownik.dodaj([](QWidget* okno) { okno->close(); });
        przygotujPortfel();
        QCOMPARE(sterownik.obsluzone(), 1);
        QCOMPARE(sterownik.nadmiarowe(), 0);
    }
    QVERIFY(!QFile::exists("moj_portfel.dat"));

    // Zamkniecie wpisywania frazy konczy petle bez portfela.
    SterownikOkien sterownik;
    sterownik.dodaj([](QWidget* okno) {
        QTest::mouseClick(przyciskOTekscie(okno, "Mam fraze odzyskiwania (12 slow)"), Qt::LeftButton);
    });
    sterownik.dodaj([](QWidget* okno) {
        QTest::keyClicks(okno->findChild<QLineEdit*>(), FRAZA_DOBRA);
        okno->close();
    });
    przygotujPortfel();
    QCOMPARE(sterownik.obsluzone(), 2);
    QCOMPARE(sterownik.nadmiarowe(), 0);
    QVERIFY(!QFile::exists("moj_portfel.dat"));
}

QTEST_MAIN(TestDialogow)
#include "test_dialogi.moc"
