#include "DrukTabel.h"

#include "app/Komunikat.h"
#include "app/KontekstAplikacji.h"
#include "report/PlotnoQt.h"

#include <QDate>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

namespace tremida::gui {

namespace {

DialogiDrukarki &dialogiTestowe()
{
    static DialogiDrukarki d;
    return d;
}

bool pokazDialogi(QPrinter &drukarka, QWidget *rodzic)
{
    if (dialogiTestowe())
        return dialogiTestowe()(drukarka, rodzic);
    QPageSetupDialog ustawienia(&drukarka, rodzic);
    if (ustawienia.exec() != QDialog::Accepted)
        return false;
    QPrintDialog druk(&drukarka, rodzic);
    return druk.exec() == QDialog::Accepted;
}

} // namespace

void ustawDialogiDrukarki(DialogiDrukarki dialogi)
{
    dialogiTestowe() = std::move(dialogi);
}

void drukujTabele(KontekstAplikacji &kontekst, RodzajWydruku rodzaj, int kodSyst, QWidget *rodzic)
{
    if (const auto pusto = brakRekordowDoWydruku(kontekst.baza, rodzaj, kodSyst)) {
        pokazKomunikat(*pusto, rodzic);
        return;
    }
    if (rodzaj != RodzajWydruku::Systemy)
        pokazKomunikat(wydruk::KomPrzygotujDrukarke, rodzic);

    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setResolution(PlotnoQt::Rozdzielczosc);
    drukarka.setFullPage(true);
    drukarka.setPageSize(QPageSize(QPageSize::A4));
    drukarka.setPageOrientation(rodzaj == RodzajWydruku::Systemy ? QPageLayout::Landscape : QPageLayout::Portrait);
    drukarka.setDocName(rodzaj == RodzajWydruku::Systemy ? QStringLiteral("Tabela systemów eksperckich")
                        : rodzaj == RodzajWydruku::Fakty ? QStringLiteral("Tabela faktów")
                                                          : QStringLiteral("Tabela reguł"));
    if (pokazDialogi(drukarka, rodzic)) {
        // The dialogs may have changed the resolution; the layout is in 300 dpi pixels.
        drukarka.setResolution(PlotnoQt::Rozdzielczosc);
        drukarka.setFullPage(true);
        const bool pozioma = drukarka.pageLayout().orientation() == QPageLayout::Landscape;
        PlotnoQt plotno(&drukarka);
        QString blad;
        bool ok = plotno.czyGotowe();
        if (ok) {
            const QDate dzis = QDate::currentDate();
            ok = drukujTabele(kontekst.baza, rodzaj, kodSyst, plotno, pozioma, dzis, &blad);
            ok = plotno.zakoncz() && ok;
        }
        if (!ok) {
            pokazKomunikat(blad.isEmpty() ? QStringLiteral("Drukarka nie przyjęła wydruku. Opcja nie zostanie zrealizowana.")
                                          : blad,
                           rodzic);
            return;
        }
    }
    pokazKomunikat(wydruk::komunikatKonca(rodzaj), rodzic);
}

} // namespace tremida::gui
