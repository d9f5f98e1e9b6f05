// Opens one table window of the program over the tables of a working folder, as a user
// would from the main menu, and prints how long it took until the window was shown and
// painted, how long a scroll to the last record and back took, how long a post of the current
// record took, and the peak memory of the process. Run it offscreen:
//
//   QT_QPA_PLATFORM=offscreen tremida-bench-okna FOLDER traj|fakty|reguly
//
// The post changes nothing the tables hold (the current record's own value written back), so
// the folder can be measured again.

#include "app/Dialogi.h"
#include "app/KontekstAplikacji.h"
#include "app/TFormGlowne.h"
#include "rules/TFormTabReg.h"
#include "store/TFormTabFakt.h"
#include "store/TFormTabTraj.h"
#include "widgets/Kontrolki.h"
#include "widgets/ZbiorDanych.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTextStream>

#include <sys/resource.h>

using namespace tremida;
using namespace tremida::gui;

namespace {

// Messages go to the standard error output instead of a modal box.
class DialogiPomiaru : public Dialogi {
public:
    void komunikat(const QString &tekst, QWidget *) override { QTextStream(stderr) << tekst << '\n'; }
    bool potwierdzenie(const QString &, QWidget *) override { return true; }
};

double pamiecMB()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_maxrss) / 1024.0;
}

// Lets the window lay itself out and paint everything pending.
void odmaluj()
{
    for (int i = 0; i < 3; ++i)
        QApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QTextStream out(stdout);
    if (argc < 3) {
        QTextStream(stderr) << "Użycie: tremida-bench-okna FOLDER traj|fakty|reguly\n";
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString okno = QString::fromLocal8Bit(argv[2]);
    KontekstAplikacji kontekst(folder, std::make_unique<DialogiPomiaru>());
    TFormGlowne glowne(kontekst);
    const double pamiecStartu = pamiecMB();

    QElapsedTimer zegar;
    zegar.start();
    QWidget *w = nullptr;
    ZbiorDanych *zbior = nullptr;
    Siatka *siatka = nullptr;
    if (okno == QLatin1String("traj")) {
        glowne.formTabTraj()->otworz();
        w = glowne.formTabTraj();
        zbior = glowne.formTabTraj()->zbiorTraj();
    } else if (okno == QLatin1String("fakty")) {
        glowne.formTabFakt()->otworz();
        w = glowne.formTabFakt();
        zbior = glowne.formTabFakt()->zbiorFakt();
    } else {
        glowne.formTabReg()->otworz();
        w = glowne.formTabReg();
        zbior = glowne.formTabReg()->zbiorReg();
    }
    for (Siatka *s : w->findChildren<Siatka *>())
        if (s->zbior() == zbior)
            siatka = s;
    odmaluj();
    const double otwarcie = double(zegar.nsecsElapsed()) / 1e9;

    zegar.restart();
    zbior->ostatni();
    siatka->verticalScrollBar()->setValue(siatka->verticalScrollBar()->maximum());
    odmaluj();
    zbior->pierwszy();
    siatka->verticalScrollBar()->setValue(0);
    odmaluj();
    const double przewiniecie = double(zegar.nsecsElapsed()) / 1e9;

    // A post of a record of the middle, its key column written back as it is.
    double zapis = -1;
    if (okno != QLatin1String("traj") && zbior->liczbaRekordow() > 0) {
        zbior->przejdzDo(zbior->liczbaRekordow() / 2);
        const QString kolumna = okno == QLatin1String("fakty") ? QStringLiteral("PytFakt") : QStringLiteral("OpisReg");
        const QVariant stara = zbior->wartosc(kolumna);
        zegar.restart();
        zbior->ustawWartosc(kolumna, QStringLiteral("zmiana"));
        const bool ok = zbior->zatwierdz();
        zbior->ustawWartosc(kolumna, stara);
        const bool ok2 = zbior->zatwierdz();
        odmaluj();
        zapis = ok && ok2 ? double(zegar.nsecsElapsed()) / 2e9 : -1;
    }
    out << "rekordy " << zbior->liczbaRekordow() << " otwarcie_s " << QString::number(otwarcie, 'f', 3)
        << " przewiniecie_s " << QString::number(przewiniecie, 'f', 3) << " zapis_s " << QString::number(zapis, 'f', 3)
        << " pamiec_startu_MB " << QString::number(pamiecStartu, 'f', 1) << " pamiec_MB "
        << QString::number(pamiecMB(), 'f', 1) << '\n';
    w->hide();
    return 0;
}
