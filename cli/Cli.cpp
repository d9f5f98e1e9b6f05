#include "Cli.h"

#include "store/Konwersje.h"

#include <cstdio>

namespace tremida::cli {

Kontekst::Kontekst() : out(stdout), err(stderr)
{
    out.setEncoding(QStringConverter::Utf8);
    err.setEncoding(QStringConverter::Utf8);
}

void Kontekst::komunikat(const QString &tekst)
{
    out << tekstDoWyswietlenia(tekst) << '\n';
    out.flush();
}

void Kontekst::komunikatJson(const QString &tekst)
{
    zdarzenieJson("{\"event\":\"message\",\"text\":" + tekstJson(tekst) + "}");
}

void Kontekst::zdarzenieJson(const QByteArray &obiektJson)
{
    out.flush();
    out << QString::fromUtf8(obiektJson) << '\n';
    out.flush();
}

QString skladnia(const QString &nazwa)
{
    QString t;
    if (nazwa.isEmpty()) {
        t += QStringLiteral("Składnia: tremida-cli [--dir FOLDER] POLECENIE [argumenty]\n\n"
                            "Polecenia pracują na plikach tabel i pliku konfiguracyjnym folderu FOLDER\n"
                            "(domyślnie folderu bieżącego).\n\nPolecenia:\n");
        for (const auto &p : polecenia())
            t += QStringLiteral("  %1\n      %2\n").arg(p.skladnia, p.opis);
        t += QStringLiteral("\nKod wyjścia: 0 sukces, 1 niepowodzenie (z komunikatem), 2 błąd składni.\n");
        return t;
    }
    for (const auto &p : polecenia())
        if (p.nazwa == nazwa)
            return QStringLiteral("Składnia: tremida-cli [--dir FOLDER] %1\n    %2\n").arg(p.skladnia, p.opis);
    return skladnia();
}

int bladUzycia(Kontekst &k, const QString &polecenie, const QString &tekst)
{
    k.err << tekst << '\n' << skladnia(polecenie);
    k.err.flush();
    return BladUzycia;
}

} // namespace tremida::cli
