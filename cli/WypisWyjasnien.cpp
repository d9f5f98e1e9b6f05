#include "WypisWyjasnien.h"

#include "store/Konwersje.h"

#include <QJsonArray>
#include <QJsonDocument>

namespace tremida::cli {

std::optional<int> kodArgumentu(const QString &a)
{
    if (a.startsWith(u'-'))
        return std::nullopt;
    return tekstNaInt(a);
}

std::optional<int> czytajArgumentyWyjasnien(Kontekst &k, const QString &pol, const QStringList &argumenty,
                                            MiejsceKonkluzji miejsce, ArgumentyWyjasnien &a)
{
    for (qsizetype i = 0; i < argumenty.size(); ++i) {
        const QString &arg = argumenty[i];
        if (arg == u"--json")
            a.json = true;
        else if (miejsce == MiejsceKonkluzji::PoOpcji && arg == u"--conclusion" && i + 1 < argumenty.size())
            a.konkluzja = argumenty[++i];
        else if (!a.kod && kodArgumentu(arg))
            a.kod = kodArgumentu(arg);
        else if (miejsce == MiejsceKonkluzji::PoKodzie && a.kod && !a.konkluzja)
            a.konkluzja = arg;
        else
            return bladUzycia(k, pol, QStringLiteral("Nieznany argument: %1").arg(arg));
    }
    return std::nullopt;
}

int wypiszWyjasnienie(Kontekst &k, const TWynikWyjasnienia &w, bool json, const QString &naglowek,
                      const QString &kluczJson, bool jedno)
{
    if (w.blad) {
        json ? k.komunikatJson(*w.blad) : k.komunikat(*w.blad);
        return Porazka;
    }
    if (json) {
        QJsonObject o = w.opisJson();
        if (jedno) {
            o.insert(kluczJson, w.drzewa.isEmpty() ? QJsonValue() : QJsonValue(w.drzewa.first().json()));
        } else {
            QJsonArray a;
            for (const TWezelWyj &d : w.drzewa)
                a.append(d.json());
            o.insert(kluczJson, a);
        }
        k.zdarzenieJson(QJsonDocument(o).toJson(QJsonDocument::Compact));
        return Sukces;
    }
    if (!naglowek.isEmpty())
        k.out << naglowek << '\n';
    for (const TWezelWyj &d : w.drzewa) {
        k.out << '\n';
        for (const QString &l : d.linie())
            k.out << l << '\n';
    }
    k.out.flush();
    return Sukces;
}

int wykonajPolecenieWyjasnien(Kontekst &k, const QStringList &argumenty, const OpisPoleceniaWyjasnien &opis,
                              const WynikPoleceniaWyjasnien &wynik)
{
    ArgumentyWyjasnien a;
    if (const auto blad = czytajArgumentyWyjasnien(k, opis.pol, argumenty, opis.miejsce, a))
        return *blad;
    if (!a.kod || (opis.konkluzjaWymagana && !a.konkluzja))
        return bladUzycia(k, opis.pol, opis.brakArgumentu);
    QString naglowek;
    const TWynikWyjasnienia w = wynik(a, naglowek);
    return wypiszWyjasnienie(k, w, a.json, naglowek, opis.kluczJson, opis.jedno);
}

} // namespace tremida::cli
