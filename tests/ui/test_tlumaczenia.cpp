// Wbudowane katalogi: komplet 105 tekstow, znaczniki %N i konce linii, brak kompresji,
// oraz zgodnosc tekstow w kodzie z katalogami.
#include <QRegularExpression>
#include <QResource>
#include <QSet>
#include <QTest>
#include <QTranslator>

#include <memory>

#include "katalogi.h"
#include "skaner_tekstow.h"
#include "teksty_zrodlowe.h"

namespace {

const QStringList JEZYKI_Z_TLUMACZENIEM = {"en_US", "de_DE", "es_ES", "fr_FR", "uk_UA"};

// Znaczniki %1..%9 w kolejnosci tekstu, posortowane (tlumaczenie moze zmienic szyk).
QStringList znaczniki(const QString& tekst)
{
    static const QRegularExpression wzor(QStringLiteral("%[1-9]"));
    QStringList wynik;
    for (auto d = wzor.globalMatch(tekst); d.hasNext();)
        wynik << d.next().captured();
    wynik.sort();
    return wynik;
}

// Problemy tlumaczenia jednego tekstu; pusta lista, gdy wszystko w porzadku.
QStringList problemyTlumaczenia(const QString& zrodlo, const QString& tlumaczenie)
{
    QStringList problemy;
    if (tlumaczenie.isEmpty())
        return {QStringLiteral("brak tlumaczenia")};
    if (znaczniki(zrodlo) != znaczniki(tlumaczenie))
        problemy << QStringLiteral("inne znaczniki %N");
    if (zrodlo.count(u'\n') != tlumaczenie.count(u'\n'))
        problemy << QStringLiteral("inna liczba koncow linii");
    for (const char* nazwa : {"Talvarin", "TLV"})
        if (zrodlo.count(nazwa) != tlumaczenie.count(nazwa))
            problemy << QStringLiteral("zmieniona nazwa ") + QLatin1String(nazwa);
    return problemy;
}

std::unique_ptr<QTranslator> katalog(const QString& kod)
{
    auto tlumacz = std::make_unique<QTranslator>();
    if (!zaladujKatalog(*tlumacz, kod))
        return nullptr;
    return tlumacz;
}

// Teksty z kodu, ktorych nie tlumaczy ktorys z katalogow.
QStringList brakujaceWKatalogach(const QList<TekstWKodzie>& teksty)
{
    QStringList braki;
    for (const QString& kod : JEZYKI_Z_TLUMACZENIEM) {
        const auto tlumacz = katalog(kod);
        for (const TekstWKodzie& t : teksty)
            if (!tlumacz || tlumacz->translate(qPrintable(t.kontekst), t.tekst.toUtf8().constData()).isEmpty())
                braki << kod + ": " + t.kontekst + " / " + t.tekst + " (" + t.plik + ")";
    }
    return braki;
}

} // namespace

class TestTlumaczen : public QObject {
    Q_OBJECT

private slots:
    void kazdyKatalogTlumaczyWszystkieTeksty();
    void przykladyAngielskie();
    void katalogPolskiBezTlumaczen();
    void katalogiWbudowaneBezKompresji();
    void nieznanyKodNieLadujeNiczego();
    void skanerWidziTekstyIZglaszaBraki();
    void tekstyWKodzieSaWKatalogach();
};

void TestTlumaczen::kazdyKatalogTlumaczyWszystkieTeksty()
{
    QCOMPARE(TEKSTY_ZRODLOWE.size(), std::size_t{105});
    for (const QString& kod : JEZYKI_Z_TLUMACZENIEM) {
        const auto tlumacz = katalog(kod);
        QVERIFY2(tlumacz, qPrintable(kod));
        QCOMPARE(tlumacz->language(), kod);
        for (const TekstZrodlowy& t : TEKSTY_ZRODLOWE) {
            const QString tlumaczenie = tlumacz->translate(t.kontekst, t.tekst);
            const QStringList problemy = problemyTlumaczenia(QString::fromUtf8(t.tekst), tlumaczenie);
            QVERIFY2(problemy.isEmpty(),
                     qPrintable(kod + " " + t.kontekst + " \"" + t.tekst + "\": " + problemy.join(", ")));
        }
        // Prawdziwe tlumaczenia, nie kopie zrodla: poza "1700" i "Talvarin" tekst sie zmienia.
        int takieSame = 0;
        for (const TekstZrodlowy& t : TEKSTY_ZRODLOWE)
            takieSame += tlumacz->translate(t.kontekst, t.tekst) == QString::fromUtf8(t.tekst);
        QVERIFY2(takieSame <= 6, qPrintable(kod + ": " + QString::number(takieSame)));
    }
}

void TestTlumaczen::przykladyAngielskie()
{
    const auto en = katalog("en_US");
    QVERIFY(en);
    QCOMPARE(en->translate("QObject", "Blad"), QStringLiteral("Error"));
    QCOMPARE(en->translate("QObject", "Twoja nazwa:"), QStringLiteral("Your name:"));
    QCOMPARE(en->translate("MainWindow", "Saldo: %1 %2"), QStringLiteral("Balance: %1 %2"));
    // "Portfel" jest w obu kontekstach.
    QVERIFY(!en->translate("QObject", "Portfel").isEmpty());
    QVERIFY(!en->translate("MainWindow", "Portfel").isEmpty());
    // Kontekst sie liczy: tekst okna nie tlumaczy sie w kontekscie startu.
    QVERIFY(en->translate("QObject", "Kop blok").isEmpty());
    const auto uk = katalog("uk_UA");
    QVERIFY(uk);
    QVERIFY(uk->translate("QObject", "Fraza musi miec dokladnie 12 slow (masz %1).").arg(11).contains("11"));
}

void TestTlumaczen::katalogPolskiBezTlumaczen()
{
    const auto pl = katalog("pl_PL");
    QVERIFY(pl);
    QCOMPARE(pl->language(), QStringLiteral("pl_PL"));
    QVERIFY(pl->isEmpty());
    for (const TekstZrodlowy& t : TEKSTY_ZRODLOWE)
        QVERIFY(pl->translate(t.kontekst, t.tekst).isEmpty());
}

void TestTlumaczen::katalogiWbudowaneBezKompresji()
{
    for (const QString& kod : QStringList{"pl_PL"} + JEZYKI_Z_TLUMACZENIEM) {
        const QResource zasob(sciezkaKatalogu(kod));
        QVERIFY2(zasob.isValid(), qPrintable(kod));
        QCOMPARE(zasob.absoluteFilePath(), QStringLiteral(":/i18n/Talvarin_GUI_") + kod + ".qm");
        QCOMPARE(zasob.compressionAlgorithm(), QResource::NoCompression);
    }
}

void TestTlumaczen::nieznanyKodNieLadujeNiczego()
{
    for (const char* kod : {"xx_XX", "de", "de_DE_x", "", "DE_de"}) {
        QTranslator tlumacz;
        QVERIFY2(!zaladujKatalog(tlumacz, kod), qPrintable(kod));
        QVERIFY(tlumacz.isEmpty());
    }
}

void TestTlumaczen::skanerWidziTekstyIZglaszaBraki()
{
    const QString kod = QStringLiteral(
        "x = tr(\"Kop blok\"); setStr(\"nie\"); QObject::tr(\"Blad\");\n"
        "y = QCoreApplication::translate(\"QObject\", \"Linia\\n\" \"druga \\\"cytat\\\"\");\n"
        "z = QT_TRANSLATE_NOOP(\"MainWindow\", \"Nowy tekst okna\"); tr(zmienna);");
    const QList<TekstWKodzie> znalezione = tekstyZKodu(kod, "MainWindow", "a.cpp");
    const QList<TekstWKodzie> oczekiwane = {
        {"MainWindow", "Kop blok", "a.cpp"},
        {"QObject", "Blad", "a.cpp"},
        {"QObject", "Linia\ndruga \"cytat\"", "a.cpp"},
        {"MainWindow", "Nowy tekst okna", "a.cpp"},
    };
    QCOMPARE(znalezione, oczekiwane);

    const QString formularz = QStringLiteral(
        "<ui><class>MainWindow</class><widget><property name=\"text\"><string>Kwota:</string></property>"
        "<property name=\"x\"><string notr=\"true\">stale</string></property><string/></widget></ui>");
    QCOMPARE(tekstyZFormularza(formularz, "b.ui"), QList<TekstWKodzie>({{"MainWindow", "Kwota:", "b.ui"}}));

    // Teksty obecne w katalogach przechodza, nowy tekst zostaje wskazany w kazdym jezyku.
    const QStringList braki = brakujaceWKatalogach(znalezione.mid(0, 2) + znalezione.mid(3));
    QCOMPARE(braki.size(), JEZYKI_Z_TLUMACZENIEM.size());
    for (const QString& brak : braki)
        QVERIFY(brak.contains("Nowy tekst okna"));
}

void TestTlumaczen::tekstyWKodzieSaWKatalogach()
{
    const QString zrodla = QStringLiteral(TALVARIN_ZRODLA);
    const QList<TekstWKodzie> teksty = tekstyZFolderow({zrodla + "/app", zrodla + "/ui"});
    const QStringList braki = brakujaceWKatalogach(teksty);
    QVERIFY2(braki.isEmpty(), qPrintable(braki.join('\n')));

    // Kod i katalogi maja ten sam zbior: kazdy z 105 tekstow ma swoje miejsce w kodzie.
    QSet<QString> wKodzie;
    for (const TekstWKodzie& t : teksty)
        wKodzie.insert(t.kontekst + '|' + t.tekst);
    QSet<QString> wzorcowe;
    for (const TekstZrodlowy& t : TEKSTY_ZRODLOWE)
        wzorcowe.insert(QString::fromUtf8(t.kontekst) + '|' + QString::fromUtf8(t.tekst));
    QCOMPARE(wKodzie - wzorcowe, QSet<QString>());
    QCOMPARE(wzorcowe - wKodzie, QSet<QString>());
}

QTEST_MAIN(TestTlumaczen)
#include "test_tlumaczenia.moc"
