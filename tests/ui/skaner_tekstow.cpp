#include "skaner_tekstow.h"

#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QXmlStreamReader>

namespace {

// Czyta literal (albo kilka sklejonych) od pozycji cudzyslowu; -1 przy bledzie.
qsizetype czytajLiteral(const QString& kod, qsizetype poz, QString& wynik)
{
    wynik.clear();
    while (poz < kod.size() && kod[poz] == u'"') {
        ++poz;
        while (poz < kod.size() && kod[poz] != u'"') {
            QChar znak = kod[poz++];
            if (znak == u'\\' && poz < kod.size()) {
                const QChar nast = kod[poz++];
                znak = nast == u'n' ? QChar(u'\n') : nast == u't' ? QChar(u'\t') : nast;
            }
            wynik += znak;
        }
        if (poz >= kod.size())
            return -1;
        ++poz;
        while (poz < kod.size() && kod[poz].isSpace())
            ++poz;
    }
    return poz;
}

} // namespace

QList<TekstWKodzie> tekstyZKodu(const QString& kod, const QString& kontekstTr, const QString& plik)
{
    static const QRegularExpression wzor(QStringLiteral(
        R"((QObject::tr|(?<![\w:])tr|QCoreApplication::translate|QT_TRANSLATE_NOOP)\s*\(\s*")"));
    QList<TekstWKodzie> wynik;
    auto dopasowania = wzor.globalMatch(kod);
    while (dopasowania.hasNext()) {
        const auto d = dopasowania.next();
        const QString funkcja = d.captured(1);
        qsizetype poz = d.capturedEnd() - 1;
        QString kontekst = funkcja == u"QObject::tr" ? QStringLiteral("QObject") : kontekstTr;
        if (funkcja == u"QCoreApplication::translate" || funkcja == u"QT_TRANSLATE_NOOP") {
            poz = czytajLiteral(kod, poz, kontekst);
            if (poz < 0 || poz >= kod.size() || kod[poz] != u',')
                continue;
            ++poz;
            while (poz < kod.size() && kod[poz].isSpace())
                ++poz;
        }
        QString tekst;
        if (poz < kod.size() && kod[poz] == u'"' && czytajLiteral(kod, poz, tekst) > 0)
            wynik.append({kontekst, tekst, plik});
    }
    return wynik;
}

QList<TekstWKodzie> tekstyZFormularza(const QString& xml, const QString& plik)
{
    QList<TekstWKodzie> wynik;
    QXmlStreamReader czytnik(xml);
    QString klasa;
    while (!czytnik.atEnd()) {
        if (czytnik.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (czytnik.name() == u"class" && klasa.isEmpty()) {
            klasa = czytnik.readElementText();
        } else if (czytnik.name() == u"string") {
            const bool bezTlumaczenia = czytnik.attributes().value("notr") == u"true";
            const QString tekst = czytnik.readElementText();
            if (!bezTlumaczenia && !tekst.isEmpty())
                wynik.append({klasa, tekst, plik});
        }
    }
    return wynik;
}

QList<TekstWKodzie> tekstyZFolderow(const QStringList& foldery)
{
    QList<TekstWKodzie> wynik;
    for (const QString& folder : foldery) {
        QDirIterator pliki(folder, {"*.cpp", "*.h", "*.ui"}, QDir::Files, QDirIterator::Subdirectories);
        while (pliki.hasNext()) {
            const QString sciezka = pliki.next();
            QFile plik(sciezka);
            if (!plik.open(QIODevice::ReadOnly))
                continue;
            const QString tresc = QString::fromUtf8(plik.readAll());
            if (sciezka.endsWith(".ui")) {
                wynik += tekstyZFormularza(tresc, sciezka);
                continue;
            }
            // Gole tr() w oknie glownym ma kontekst klasy okna.
            const bool okno = QFileInfo(sciezka).absolutePath().endsWith("/ui");
            wynik += tekstyZKodu(tresc, okno ? "MainWindow" : "QObject", sciezka);
        }
    }
    return wynik;
}
