#include "TFormFalsHip.h"

#include "manual/Instrukcja.h"

#include <QLineEdit>
#include <QListWidget>
#include <algorithm>

namespace tremida::gui {

namespace {

TTekstyMetody tekstyFalsyfikacji()
{
    TTekstyMetody t;
    t.nazwaObiektu = QStringLiteral("TFormFalsHip");
    t.tytulOkna = QStringLiteral("FALSYFIKACJA HIPOTEZY GŁÓWNEJ");
    t.naglowekHipotezy = QStringLiteral("WYTYPOWANIE KONKLUZJI FALSYFIKUJĄCYCH HIPOTEZĘ GŁÓWNĄ");
    t.instrukcja = QStringLiteral("Na poniższej liście konkluzji reguł zaznacz konkluzję (konkluzje), którą (które) "
                                  "uznajesz jako falsyfikującą (falsyfikujące) hipotezę główną.");
    t.przyciskStart = QStringLiteral("Start procesu falsyfikacji hipotezy głównej");
    t.przyciskPrzerwij = QStringLiteral("Przerwanie procesu falsyfikacji ");
    t.uwagi = {{QStringLiteral("Proces falsyfikacji hipotezy głównej w toku"), QStringLiteral("Proszę czekać")}};
    t.stronaPomocy = pomoc::FalsHip;
    t.wieleZaznaczen = true;
    t.uwagaListy = QStringLiteral("Uwaga: celem zaznaczenia kilku opcji kliknij lewym klawiszem myszy, przytrzymując "
                                  "wciśnięty klawisz lewy Ctrl");
    return t;
}

} // namespace

TFormFalsHip::TFormFalsHip(KontekstAplikacji &kontekst, QWidget *rodzic)
    : TFormMetodyWnios(kontekst, tekstyFalsyfikacji(), rodzic)
{
}

void TFormFalsHip::przygotuj(int kodSyst, const QString &nazSyst, const QString &hipGlowna,
                             const QStringList &kandydaci)
{
    ustawKonkluzje(kodSyst, nazSyst, kandydaci);
    poleHipotezy()->setText(hipGlowna);
    pokazStartIOk(true);
    pokazUwage(-1);
}

QList<int> TFormFalsHip::zaznaczone() const
{
    QList<int> wynik;
    for (const QListWidgetItem *i : lista()->selectedItems())
        wynik << lista()->row(i);
    std::sort(wynik.begin(), wynik.end());
    return wynik;
}

} // namespace tremida::gui
