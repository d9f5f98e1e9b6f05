// Saves screenshots of the program's windows as PNG files into the folder given as the
// first argument (default: docs/img). Run it under xvfb-run; the windows work on a
// temporary folder with empty tables.

#include "app/Komunikat.h"
#include "app/TFormGlowne.h"
#include "app/TFormOProgramie.h"
#include "app/TFormOstrzTab.h"

#include <QApplication>
#include <QDir>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>

using namespace tremida;
using namespace tremida::gui;

namespace {

void zapisz(QWidget *w, const QString &folder, const QString &nazwa)
{
    w->show();
    QTest::qWait(300);
    const QString plik = QDir(folder).filePath(nazwa + QStringLiteral(".png"));
    if (!w->grab().save(plik))
        qWarning("Nie można zapisać %s", qPrintable(plik));
    else
        qInfo("%s", qPrintable(plik));
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const QString folder = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("docs/img");
    QDir().mkpath(folder);
    QTemporaryDir dane;
    ustawPrzechwytKomunikatow([](const QString &) {});
    TFormGlowne glowne(dane.path());
    for (Tabela t : WszystkieTabele)
        glowne.kontekst().baza.zalozTabele(t, false);
    glowne.resize(1000, 640);
    zapisz(&glowne, folder, QStringLiteral("okno-glowne"));

    TFormOstrzTab ostrzezenie(Tabela::Fakty, glowne.kontekst().konfig);
    zapisz(&ostrzezenie, folder, QStringLiteral("ostrzezenie"));
    TFormOProgramie oProgramie(glowne.kontekst().konfig);
    zapisz(&oProgramie, folder, QStringLiteral("o-programie"));
    return 0;
}
