// report: the consultation report of a system's last run written to a PDF file.

#include "Cli.h"

#include "explain/RaportKonsultacji.h"
#include "report/PlotnoQt.h"
#include "store/Konwersje.h"

namespace tremida::cli {

int polecenieReport(Kontekst &k, const QStringList &argumenty)
{
    const QString pol = QStringLiteral("report");
    std::optional<int> kodSyst;
    QString pdf;
    bool pozioma = false;
    for (qsizetype i = 0; i < argumenty.size(); ++i) {
        const QString &a = argumenty[i];
        if (a == u"--pdf" && i + 1 < argumenty.size())
            pdf = argumenty[++i];
        else if (a == u"--landscape")
            pozioma = true;
        else if (a == u"--portrait")
            pozioma = false;
        else if (!kodSyst && !a.startsWith(u'-') && tekstNaInt(a))
            kodSyst = tekstNaInt(a);
        else
            return bladUzycia(k, pol, QStringLiteral("Nieznany argument: %1").arg(a));
    }
    if (!kodSyst)
        return bladUzycia(k, pol, QStringLiteral("Podaj kod systemu."));
    if (pdf.isEmpty())
        return bladUzycia(k, pol, QStringLiteral("Podaj plik wydruku: --pdf PLIK."));
    if (const auto brak = brakRaportuKonsultacji(k.baza, *kodSyst)) {
        k.komunikat(*brak);
        return Porazka;
    }
    const QDate dzis = QDate::currentDate();
    QString blad;
    const bool ok = drukujDoPdf(
        pdf, pozioma,
        [&](Plotno &plotno, QString *b) {
            return drukujRaportKonsultacji(k.baza, *kodSyst, k.konfig, plotno, pozioma, dzis, b);
        },
        &blad);
    if (!ok) {
        k.komunikat(blad);
        return Porazka;
    }
    k.komunikat(raport::KomKoniec);
    return Sukces;
}

} // namespace tremida::cli
