// The built-in manual in the terminal: the table of contents, one page, or the pages holding
// a phrase.

#include "Cli.h"

#include "manual/Instrukcja.h"

namespace tremida::cli {

int polecenieManual(Kontekst &k, const QStringList &argumenty)
{
    if (argumenty.isEmpty()) {
        for (const QString &tytul : spisTresci())
            k.out << tytul << '\n';
        return Sukces;
    }
    if (argumenty.first() == QStringLiteral("--find")) {
        if (argumenty.size() != 2 || argumenty[1].trimmed().isEmpty())
            return bladUzycia(k, QStringLiteral("manual"), QStringLiteral("Podaj jeden szukany tekst."));
        const QStringList numery = znajdzWInstrukcji(argumenty[1]);
        for (const QString &n : numery)
            k.out << stronaInstrukcji(n)->tytul << '\n';
        if (numery.isEmpty()) {
            k.komunikat(QStringLiteral("Tekstu \"%1\" nie ma w instrukcji programu.").arg(argumenty[1]));
            return Porazka;
        }
        return Sukces;
    }
    if (argumenty.size() != 1 || argumenty.first().startsWith(u'-'))
        return bladUzycia(k, QStringLiteral("manual"), QStringLiteral("Podaj numer jednej strony instrukcji."));
    const StronaInstrukcji *s = stronaInstrukcji(argumenty.first());
    if (!s) {
        k.komunikat(QStringLiteral("W instrukcji programu nie ma strony o numerze %1.").arg(argumenty.first()));
        return Porazka;
    }
    k.out << s->tytulNaStronie << "\n\n" << tekstStrony(s->numer) << '\n';
    return Sukces;
}

} // namespace tremida::cli
