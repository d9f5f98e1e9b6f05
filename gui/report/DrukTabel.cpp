#include "DrukTabel.h"

#include "app/Komunikat.h"
#include "app/KontekstAplikacji.h"
#include "report/PlotnoQt.h"

#include <QDate>
#include <QDir>
#include <QPrinter>

namespace tremida::gui {

bool pokazDialogiDrukarki(QPrinter &drukarka, QWidget *rodzic)
{
    return KontekstAplikacji::dialogiAplikacji().dialogiDrukarki(drukarka, rodzic);
}

std::optional<bool> drukujPrzezDialogi(const QString &folder, const QString &nazwaDokumentu, bool pozioma,
                                      const RysowanieWydruku &rysuj, QWidget *rodzic, QString *blad)
{
    QPrinter drukarka(QPrinter::HighResolution);
    drukarka.setResolution(PlotnoQt::Rozdzielczosc);
    drukarka.setFullPage(true);
    drukarka.setPageSize(QPageSize(QPageSize::A4));
    drukarka.setPageOrientation(pozioma ? QPageLayout::Landscape : QPageLayout::Portrait);
    drukarka.setDocName(nazwaDokumentu);
    // The print dialog offers a PDF file named after the printout in the working folder (Qt
    // would offer the home folder); the printer chosen by default stays chosen.
    const QPrinter::OutputFormat format = drukarka.outputFormat();
    drukarka.setOutputFileName(QDir(folder).absoluteFilePath(nazwaDokumentu + QStringLiteral(".pdf")));
    drukarka.setOutputFormat(format);
    if (!pokazDialogiDrukarki(drukarka, rodzic))
        return std::nullopt;
    // The dialogs may have changed the resolution; the layout is in 300 dpi pixels.
    drukarka.setResolution(PlotnoQt::Rozdzielczosc);
    drukarka.setFullPage(true);
    QString b;
    bool ok;
    {
        PlotnoQt plotno(&drukarka);
        ok = plotno.czyGotowe() && rysuj(plotno, drukarka.pageLayout().orientation() == QPageLayout::Landscape, &b);
        ok = plotno.zakoncz() && ok;
    }
    if (!ok && blad)
        *blad = b.isEmpty() ? QStringLiteral("Drukarka nie przyjęła wydruku. Opcja nie zostanie zrealizowana.") : b;
    return ok;
}

void drukujTabele(KontekstAplikacji &kontekst, RodzajWydruku rodzaj, int kodSyst, QWidget *rodzic)
{
    if (const auto pusto = brakRekordowDoWydruku(kontekst.baza, rodzaj, kodSyst)) {
        pokazKomunikat(*pusto, rodzic);
        return;
    }
    if (rodzaj != RodzajWydruku::Systemy)
        pokazKomunikat(wydruk::KomPrzygotujDrukarke, rodzic);
    const QString nazwa = rodzaj == RodzajWydruku::Systemy ? QStringLiteral("Tabela systemów eksperckich")
                          : rodzaj == RodzajWydruku::Fakty ? QStringLiteral("Tabela faktów")
                                                            : QStringLiteral("Tabela reguł");
    const QDate dzis = QDate::currentDate();
    QString blad;
    const auto wynik = drukujPrzezDialogi(
        kontekst.folder, nazwa, rodzaj == RodzajWydruku::Systemy,
        [&](Plotno &plotno, bool pozioma, QString *b) {
            return tremida::drukujTabele(kontekst.baza, rodzaj, kodSyst, plotno, pozioma, dzis, b);
        },
        rodzic, &blad);
    if (wynik && !*wynik) {
        pokazKomunikat(blad, rodzic);
        return;
    }
    // Also after a cancelled dialog, as the printouts always did.
    pokazKomunikat(wydruk::komunikatKonca(rodzaj), rodzic);
}

} // namespace tremida::gui
