#include "pomoc_okien.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QTest>

#include "mainwindow.h"

namespace {

constexpr const char* OBSLUZONE = "talvarinTestObsluzone";

// Nowe okno do obsluzenia: najpierw modalne, potem widoczne okno glowne.
QWidget* noweOkno()
{
    if (QWidget* modalne = QApplication::activeModalWidget())
        if (modalne->isVisible() && !modalne->property(OBSLUZONE).toBool())
            return modalne;
    for (QWidget* okno : QApplication::topLevelWidgets())
        if (qobject_cast<MainWindow*>(okno) && okno->isVisible() && !okno->property(OBSLUZONE).toBool())
            return okno;
    return nullptr;
}

} // namespace

SterownikOkien::SterownikOkien()
{
    zegar.setInterval(5);
    connect(&zegar, &QTimer::timeout, this, [this] { sprawdz(); });
    zegar.start();
}

void SterownikOkien::sprawdz()
{
    QWidget* okno = noweOkno();
    if (okno == nullptr)
        return;
    okno->setProperty(OBSLUZONE, true);
    widzianeTytuly.append(okno->windowTitle());
    if (ileObsluzonych < static_cast<int>(kroki.size())) {
        kroki[static_cast<std::size_t>(ileObsluzonych++)](okno);
        // Nieudane sprawdzenie przerywa krok; okno zamykamy, zeby test nie zawisl.
        if (QTest::currentTestFailed() && okno->isVisible())
            okno->close();
        return;
    }
    ++ileNadmiarowych;
    okno->close();
}

FolderRoboczy::FolderRoboczy() : poprzedni(QDir::currentPath())
{
    QDir::setCurrent(QString::fromStdString(folder.sciezka()));
}

FolderRoboczy::~FolderRoboczy()
{
    QDir::setCurrent(poprzedni);
}

QPushButton* przyciskOTekscie(QWidget* okno, const QString& tekst)
{
    for (QPushButton* przycisk : okno->findChildren<QPushButton*>())
        if (przycisk->text() == tekst)
            return przycisk;
    return nullptr;
}
