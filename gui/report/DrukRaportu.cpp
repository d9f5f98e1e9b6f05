#include "DrukRaportu.h"

#include "DrukTabel.h"
#include "app/Komunikat.h"
#include "app/KontekstAplikacji.h"
#include "explain/RaportKonsultacji.h"

#include <QDate>

namespace tremida::gui {

void drukujRaportKonsultacji(KontekstAplikacji &kontekst, int kodSyst, QWidget *rodzic)
{
    if (const auto brak = brakRaportuKonsultacji(kontekst.baza, kodSyst)) {
        pokazKomunikat(*brak, rodzic);
        return;
    }
    QString blad;
    const auto wynik = drukujPrzezDialogi(
        kontekst.folder, QStringLiteral("Raport z konsultacji"), false,
        [&](Plotno &plotno, bool pozioma, QString *b) {
            return tremida::drukujRaportKonsultacji(kontekst.baza, kodSyst, kontekst.konfig, plotno, pozioma,
                                                    QDate::currentDate(), b);
        },
        rodzic, &blad);
    // A cancelled dialog prints nothing and says nothing.
    if (wynik)
        pokazKomunikat(*wynik ? raport::KomKoniec : blad, rodzic);
}

} // namespace tremida::gui
