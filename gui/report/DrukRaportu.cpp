#include "DrukRaportu.h"

#include "DrukTabel.h"
#include "app/Komunikat.h"
#include "app/KontekstAplikacji.h"
#include "explain/RaportKonsultacji.h"
#include "report/PlotnoQt.h"

#include <QDate>
#include <QPrinter>

namespace tremida::gui {

void drukujRaportKonsultacji(KontekstAplikacji &kontekst, int kodSyst, QWidget *rodzic)
{
    if (const auto brak = brakRaportuKonsultacji(kontekst.baza, kodSyst)) {
        pokazKomunikat(*brak, rodzic);
        return;
    }
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setResolution(PlotnoQt::Rozdzielczosc);
    drukarka.setFullPage(true);
    drukarka.setPageSize(QPageSize(QPageSize::A4));
    drukarka.setPageOrientation(QPageLayout::Portrait);
    drukarka.setDocName(QStringLiteral("Raport z konsultacji"));
    if (!pokazDialogiDrukarki(drukarka, rodzic))
        return;
    // The dialogs may have changed the resolution; the layout is in 300 dpi pixels.
    drukarka.setResolution(PlotnoQt::Rozdzielczosc);
    drukarka.setFullPage(true);
    const bool pozioma = drukarka.pageLayout().orientation() == QPageLayout::Landscape;
    QString blad;
    bool ok;
    {
        PlotnoQt plotno(&drukarka);
        ok = plotno.czyGotowe() &&
             tremida::drukujRaportKonsultacji(kontekst.baza, kodSyst, kontekst.konfig, plotno, pozioma,
                                              QDate::currentDate(), &blad);
        ok = plotno.zakoncz() && ok;
    }
    if (!ok) {
        pokazKomunikat(blad.isEmpty() ? QStringLiteral("Drukarka nie przyjęła wydruku. Opcja nie zostanie zrealizowana.")
                                      : blad,
                       rodzic);
        return;
    }
    pokazKomunikat(raport::KomKoniec, rodzic);
}

} // namespace tremida::gui
