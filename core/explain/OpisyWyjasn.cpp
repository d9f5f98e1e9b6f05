#include "OpisyWyjasn.h"

#include "rules/Stale.h"
#include "store/Konwersje.h"
#include "store/Slowa.h"

namespace tremida::opis {

QString rodzajFaktu(const QString &r)
{
    if (r == slowa::Posredni)
        return QStringLiteral("pośredni");
    if (r == slowa::Koncowy)
        return QStringLiteral("końcowy");
    return r;
}

QString typFaktu(const QString &t) { return t == slowa::Calkowity ? QStringLiteral("całkowity") : t; }

QString cf(std::optional<double> v) { return v ? realNaTekst(*v) : QStringLiteral("brak"); }

QString cytat(const QString &t) { return u'\u201E' + t + u'\u201D'; }

QString zrodloWartosci(const TRekFakt &f)
{
    if (f.RodzFakt != slowa::Wprowadzany)
        return {};
    if (f.WartPoprzFakt == slowa::Nzn)
        return QStringLiteral("bez wartości (nzn)");
    // Reading a file of input-fact values writes the value into both value columns; the
    // start of a run empties the previous one.
    if (!f.WartFakt.isEmpty() && f.WartFakt != slowa::BrakWartosci && f.WartPoprzFakt == f.WartFakt &&
        f.CFWartPoprzFakt == f.CFWartFakt)
        return QStringLiteral("wczytana z pliku");
    return {};
}

std::optional<TStalaWartosci> stalaWartosci(const IDaneReg &dane, int kodSyst, const TRekFakt *fakt,
                                            const QString &wartosc)
{
    if (fakt && fakt->TypFakt == slowa::Wyliczeniowy)
        return std::nullopt;
    const auto s = dane.stalaONazwie(kodSyst, wartosc);
    if (!s)
        return std::nullopt;
    TStalaWartosci w{*s, std::nullopt};
    if (s->RodzStala == slowa::Prosta) {
        w.wartosc = s->WartStalaProsta;
        return w;
    }
    const auto arg = dane.faktOKodzie(s->KodArgStala);
    if (!arg || arg->TypFakt == slowa::Wyliczeniowy)
        return w;
    const TWynikStalaObl obl = WartStalaObl(arg->TypFakt, arg->WartFakt, s->WartParAStala, s->WartParBStala);
    if (obl.stan == TWynikStalaObl::Stan::Wartosc)
        w.wartosc = obl.wartosc;
    return w;
}

QString tekstStalej(const TStalaWartosci &s)
{
    const QString rodzaj = s.stala.RodzStala == slowa::Prosta ? QStringLiteral("prosta") : QStringLiteral("obliczana");
    return QStringLiteral(" (stała %1 %2%3)")
        .arg(rodzaj, cytat(s.stala.NazStala), s.wartosc ? QStringLiteral(" = ") + *s.wartosc : QStringLiteral(" bez wartości"));
}

QString stanFaktu(const IDaneReg &dane, const TRekFakt &f, const QString &wartosc)
{
    QString t;
    if (f.TypFakt == slowa::Wyliczeniowy) {
        std::optional<TRekWartFaktWylicz> wiersz;
        for (const TRekWartFaktWylicz &w : dane.wartosciFaktu(f.IdFakt))
            if (w.WartFaktWylicz == wartosc)
                wiersz = w; // the last equal row decides, as in the evaluation
        if (!wiersz)
            t = QStringLiteral("wartości %1 brak w tabeli wartości faktów wyliczeniowych").arg(cytat(wartosc));
        else
            t = QStringLiteral("wartość %1: %2, CF %3")
                    .arg(cytat(wartosc), wiersz->CzyFaktMaWartAkt, cf(wiersz->CFWartFaktWyliczAkt));
    } else if (f.WartFakt == slowa::BrakWartosci || f.WartFakt.isEmpty()) {
        t = QStringLiteral("bez wartości");
    } else {
        t = QStringLiteral("wartość %1, CF %2").arg(f.WartFakt, cf(f.CFWartFakt));
    }
    const QString zrodlo = zrodloWartosci(f);
    if (!zrodlo.isEmpty() && !t.startsWith(zrodlo))
        t += QStringLiteral(" (") + zrodlo + u')';
    return t;
}

TWezelWyj wezelPrzeslanki(const IDaneReg &dane, int kodSyst, const TPrzesElem &p, bool zeStanem)
{
    const auto fakt = dane.faktONazwie(kodSyst, p.nazFakt);
    QString t = QStringLiteral("Przesłanka %1: ").arg(p.nr) + u'[' + p.nazFakt + u']' + p.oper + u'[' + p.wart + u']';
    TWezelWyj w(QStringLiteral("przeslanka"), QString());
    w.pola.insert(QStringLiteral("nr"), p.nr);
    w.pola.insert(QStringLiteral("fakt"), p.nazFakt);
    w.pola.insert(QStringLiteral("operator"), p.oper);
    w.pola.insert(QStringLiteral("wartosc"), p.wart);
    if (const auto s = stalaWartosci(dane, kodSyst, fakt ? &*fakt : nullptr, p.wart)) {
        t += tekstStalej(*s);
        w.pola.insert(QStringLiteral("stala"), s->stala.NazStala);
        w.pola.insert(QStringLiteral("wartoscStalej"), s->wartosc ? QJsonValue(*s->wartosc) : QJsonValue());
    }
    if (!fakt) {
        w.tekst = t + QStringLiteral(" — faktu o tej nazwie nie ma w tabeli faktów systemu");
        return w;
    }
    w.pola.insert(QStringLiteral("idFakt"), fakt->IdFakt);
    w.pola.insert(QStringLiteral("rodzajFaktu"), fakt->RodzFakt);
    w.pola.insert(QStringLiteral("typFaktu"), fakt->TypFakt);
    t += QStringLiteral(" — fakt %1, %2").arg(rodzajFaktu(fakt->RodzFakt), typFaktu(fakt->TypFakt));
    if (zeStanem || fakt->RodzFakt == slowa::Wprowadzany) {
        const QString stan = stanFaktu(dane, *fakt, p.wart);
        t += QStringLiteral("; ") + stan;
        w.pola.insert(QStringLiteral("stan"), stan);
    }
    w.tekst = t;
    return w;
}

} // namespace tremida::opis
