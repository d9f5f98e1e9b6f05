// Saves screenshots of the program's windows as PNG files into the folder given as the
// first argument (default: docs/img). Run it under xvfb-run; the windows work on a
// temporary folder with empty tables.

#include "app/Komunikat.h"
#include "app/TFormGlowne.h"
#include "app/TFormKonfig.h"
#include "app/TFormOProgramie.h"
#include "app/TFormOstrzTab.h"
#include "store/Ilustracje.h"
#include "store/TFormWizFilm.h"
#include "store/TFormWizGraf.h"

#include <QApplication>
#include <QDir>
#include <QLinearGradient>
#include <QMenuBar>
#include <QPainter>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
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

    TFormKonfig konfiguracja(glowne.kontekst());
    zapisz(&konfiguracja, folder, QStringLiteral("konfiguracja"));

    // A picture of ratio 0,75 and, where gst-launch-1.0 exists, a short film.
    QImage obraz(400, 300, QImage::Format_RGB32);
    {
        QPainter m(&obraz);
        QLinearGradient g(0, 0, 400, 300);
        g.setColorAt(0, QColor(30, 90, 160));
        g.setColorAt(1, QColor(220, 230, 240));
        m.fillRect(obraz.rect(), g);
        m.setPen(Qt::white);
        m.setFont(QFont(QStringLiteral("DejaVu Sans"), 28, QFont::Bold));
        m.drawText(obraz.rect(), Qt::AlignCenter, QStringLiteral("kocioł.jpg"));
    }
    obraz.save(QDir(dane.path()).filePath(QStringLiteral("kociol.jpg")), "JPG");
    ustawPrzechwytKomunikatow([](const QString &t) { qWarning("%s", qPrintable(t)); });
    if (PokazObraz(glowne.kontekst(), QStringLiteral("kociol.jpg"), 0.75,
                   QStringLiteral("Manometr kotła: odczytaj ciśnienie na skali zewnętrznej.")))
        zapisz(&formWizGraf(glowne.kontekst()), folder, QStringLiteral("wizualizacja-obrazu"));
    const QString gst = QStandardPaths::findExecutable(QStringLiteral("gst-launch-1.0"));
    if (!gst.isEmpty()
        && QProcess::execute(gst, {QStringLiteral("-q"), QStringLiteral("videotestsrc"), QStringLiteral("num-buffers=50"),
                                   QStringLiteral("!"), QStringLiteral("video/x-raw,width=320,height=240,framerate=10/1"),
                                   QStringLiteral("!"), QStringLiteral("jpegenc"), QStringLiteral("!"),
                                   QStringLiteral("avimux"), QStringLiteral("!"), QStringLiteral("filesink"),
                                   QStringLiteral("location=") + QDir(dane.path()).filePath(QStringLiteral("film.avi"))})
               == 0
        && PokazFilm(glowne.kontekst(), QStringLiteral("film.avi"), 0.75,
                     QStringLiteral("Kolejność czynności przy odpowietrzaniu instalacji."))) {
        TFormWizFilm &film = formWizFilm(glowne.kontekst());
        film.przyciskOdtworz()->click();
        QTest::qWait(2500);
        zapisz(&film, folder, QStringLiteral("wizualizacja-filmu"));
        film.hide();
    }
    return 0;
}
