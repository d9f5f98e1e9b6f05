#include "KartaReg.h"

#include "OpisyWyjasn.h"
#include "StrukturaPrzes.h"
#include "rules/KontrReg.h"
#include "rules/Skaner.h"
#include "rules/Stale.h"
#include "store/Konwersje.h"
#include "store/Slowa.h"

#include <QJsonArray>
#include <functional>

namespace tremida {

namespace {

TWezelWyj pole(const QString &etykieta, const QString &wartosc, const QString &klucz)
{
    TWezelWyj w(QStringLiteral("pole"), etykieta + QStringLiteral(": ") + wartosc);
    w.pola.insert(QStringLiteral("nazwa"), klucz);
    w.pola.insert(QStringLiteral("wartosc"), wartosc);
    return w;
}

QString tekstLubBrak(const QString &t) { return t.isEmpty() ? QStringLiteral("(puste)") : t; }

// Why a computed constant gives no value, by the finding of its computation.
QString bladStalej(const QString &id)
{
    if (id == u"C9")
        return QStringLiteral("wartość argumentu nie jest liczbą rzeczywistą");
    if (id == u"C12")
        return QStringLiteral("wartość argumentu nie jest liczbą całkowitą");
    if (id == u"C13")
        return QStringLiteral("wartość argumentu nie jest wartością logiczną");
    if (id == u"C10")
        return QStringLiteral("parametr A nie jest liczbą");
    return QStringLiteral("parametr B nie jest liczbą");
}

TWezelWyj wezelFaktu(const TRekFakt &f, const IDaneReg &dane)
{
    QString t = QStringLiteral("Fakt %1 %2: %3, %4").arg(f.IdFakt).arg(opis::cytat(f.NazFakt), opis::rodzajFaktu(f.RodzFakt),
                                                          opis::typFaktu(f.TypFakt));
    const bool wylicz = f.TypFakt == slowa::Wyliczeniowy;
    if (wylicz) {
        t += f.CzyWielWart == slowa::Tak ? QStringLiteral(", wielowartościowy") : QStringLiteral(", jednowartościowy");
        t += QStringLiteral(", liczba wartości %1").arg(f.LiczWart ? QString::number(*f.LiczWart) : QStringLiteral("brak"));
    }
    TWezelWyj w(QStringLiteral("fakt"), t);
    w.pola.insert(QStringLiteral("idFakt"), f.IdFakt);
    w.pola.insert(QStringLiteral("nazwa"), f.NazFakt);
    w.pola.insert(QStringLiteral("rodzajFaktu"), f.RodzFakt);
    w.pola.insert(QStringLiteral("typFaktu"), f.TypFakt);
    w.pola.insert(QStringLiteral("wielowartosciowy"), f.CzyWielWart);
    w.pola.insert(QStringLiteral("liczbaWartosci"), f.LiczWart ? QJsonValue(*f.LiczWart) : QJsonValue());
    if (!f.JedWartFakt.isEmpty())
        w.dodaj(pole(QStringLiteral("Jednostka"), f.JedWartFakt, QStringLiteral("JedWartFakt")));
    w.dodaj(pole(QStringLiteral("Opis faktu"), tekstLubBrak(f.OpisFakt), QStringLiteral("OpisFakt")));
    if (f.RodzFakt == slowa::Wprowadzany)
        w.dodaj(pole(QStringLiteral("Pytanie/instrukcja wprowadzenia wartości"), tekstLubBrak(f.PytFakt),
                     QStringLiteral("PytFakt")));
    if (!wylicz) {
        w.dodaj(pole(QStringLiteral("Wartość bieżąca"),
                     QStringLiteral("%1, CF %2").arg(tekstLubBrak(f.WartFakt), opis::cf(f.CFWartFakt)),
                     QStringLiteral("WartFakt")));
        w.dodaj(pole(QStringLiteral("Wartość poprzednia"),
                     QStringLiteral("%1, CF %2").arg(tekstLubBrak(f.WartPoprzFakt), opis::cf(f.CFWartPoprzFakt)),
                     QStringLiteral("WartPoprzFakt")));
    } else {
        const auto wiersze = dane.wartosciFaktu(f.IdFakt);
        if (wiersze.isEmpty())
            w.dodaj(QStringLiteral("uwaga"), QStringLiteral("Tabela wartości faktów wyliczeniowych nie ma wartości tego faktu."));
        for (const TRekWartFaktWylicz &v : wiersze) {
            TWezelWyj r(QStringLiteral("wartosc"),
                        QStringLiteral("Wartość %1 %2: bieżąca iteracja %3, CF %4; poprzednia iteracja %5, CF %6")
                            .arg(v.IdWartFaktWylicz)
                            .arg(opis::cytat(v.WartFaktWylicz), v.CzyFaktMaWartAkt, opis::cf(v.CFWartFaktWyliczAkt),
                                 v.CzyFaktMaWartPoprz, opis::cf(v.CFWartFaktWyliczPoprz)));
            r.pola.insert(QStringLiteral("idWartosci"), v.IdWartFaktWylicz);
            r.pola.insert(QStringLiteral("wartosc"), v.WartFaktWylicz);
            r.pola.insert(QStringLiteral("czyMaWartAkt"), v.CzyFaktMaWartAkt);
            r.pola.insert(QStringLiteral("cfAkt"), v.CFWartFaktWyliczAkt ? QJsonValue(*v.CFWartFaktWyliczAkt) : QJsonValue());
            r.pola.insert(QStringLiteral("czyMaWartPoprz"), v.CzyFaktMaWartPoprz);
            r.pola.insert(QStringLiteral("cfPoprz"), v.CFWartFaktWyliczPoprz ? QJsonValue(*v.CFWartFaktWyliczPoprz) : QJsonValue());
            w.dodaj(std::move(r));
        }
    }
    return w;
}

TWezelWyj wezelStalej(const TRekStala &s, const IDaneReg &dane)
{
    const bool prosta = s.RodzStala == slowa::Prosta;
    QString t = QStringLiteral("Stała %1 %2: %3, %4").arg(s.IdStala).arg(opis::cytat(s.NazStala), s.RodzStala, s.TypStala);
    TWezelWyj w(QStringLiteral("stala"), QString());
    w.pola.insert(QStringLiteral("idStala"), s.IdStala);
    w.pola.insert(QStringLiteral("nazwa"), s.NazStala);
    w.pola.insert(QStringLiteral("rodzajStalej"), s.RodzStala);
    w.pola.insert(QStringLiteral("typStalej"), s.TypStala);
    const QString jednostka = s.JedWartStala.isEmpty() ? QString() : u' ' + s.JedWartStala;
    if (prosta) {
        t += QStringLiteral("; wartość %1%2").arg(s.WartStalaProsta, jednostka);
        w.pola.insert(QStringLiteral("wartosc"), s.WartStalaProsta);
    } else {
        t += QStringLiteral("; A = %1, B = %2").arg(s.WartParAStala, s.WartParBStala);
        w.pola.insert(QStringLiteral("parametrA"), s.WartParAStala);
        w.pola.insert(QStringLiteral("parametrB"), s.WartParBStala);
        w.pola.insert(QStringLiteral("idArgumentu"), s.KodArgStala);
        const auto arg = dane.faktOKodzie(s.KodArgStala);
        if (!arg) {
            t += QStringLiteral("; argument: fakt %1, którego nie ma w tabeli faktów; bez wartości").arg(s.KodArgStala);
            w.pola.insert(QStringLiteral("wartosc"), QJsonValue());
        } else {
            t += QStringLiteral("; argument: fakt %1 %2 (%3, wartość %4)")
                     .arg(arg->IdFakt)
                     .arg(opis::cytat(arg->NazFakt), opis::typFaktu(arg->TypFakt), arg->WartFakt);
            w.pola.insert(QStringLiteral("argument"), arg->NazFakt);
            w.pola.insert(QStringLiteral("wartoscArgumentu"), arg->WartFakt);
            if (arg->TypFakt == slowa::Wyliczeniowy) {
                t += QStringLiteral("; bez wartości (argument nie może być faktem wyliczeniowym)");
                w.pola.insert(QStringLiteral("wartosc"), QJsonValue());
            } else {
                const TWynikStalaObl obl = WartStalaObl(arg->TypFakt, arg->WartFakt, s.WartParAStala, s.WartParBStala);
                if (obl.stan == TWynikStalaObl::Stan::Wartosc) {
                    t += QStringLiteral("; wartość %1%2").arg(obl.wartosc, jednostka);
                    w.pola.insert(QStringLiteral("wartosc"), obl.wartosc);
                } else {
                    t += obl.stan == TWynikStalaObl::Stan::BrakWartosci
                             ? QStringLiteral("; bez wartości (argument bez wartości)")
                             : QStringLiteral("; bez wartości (%1)").arg(bladStalej(obl.idUsterki));
                    w.pola.insert(QStringLiteral("wartosc"), QJsonValue());
                }
            }
        }
    }
    w.tekst = t;
    return w;
}

} // namespace

TWezelWyj KartaReguly(const TRekReg &r, const QString &nazSyst, const IDaneReg &dane, const TParKonfig &konfig)
{
    TWezelWyj karta(QStringLiteral("karta"), QStringLiteral("Reguła %1 %2 systemu %3 %4")
                                                 .arg(r.IdReg)
                                                 .arg(opis::cytat(r.NazReg))
                                                 .arg(r.KodSyst)
                                                 .arg(opis::cytat(nazSyst)));
    karta.pola.insert(QStringLiteral("idReg"), r.IdReg);
    karta.pola.insert(QStringLiteral("kodSyst"), r.KodSyst);
    karta.pola.insert(QStringLiteral("nazwa"), r.NazReg);

    TWezelWyj &teksty = karta.dodaj(QStringLiteral("sekcja"), QStringLiteral("Teksty reguły"));
    teksty.dodaj(pole(QStringLiteral("Poziom reguły"), QString::number(r.PozReg), QStringLiteral("PozReg")));
    teksty.dodaj(pole(QStringLiteral("Kierunek wnioskowania"), r.KierWniReg, QStringLiteral("KierWniReg")));
    teksty.dodaj(pole(QStringLiteral("CF reguły"), realNaTekst(r.CFReg), QStringLiteral("CFReg")));
    teksty.dodaj(pole(QStringLiteral("IF (pole przesłankowe)"), tekstLubBrak(r.PrzesReg), QStringLiteral("PrzesReg")));
    teksty.dodaj(pole(QStringLiteral("THEN (konkluzja)"), tekstLubBrak(r.KonklReg), QStringLiteral("KonklReg")));
    teksty.dodaj(pole(QStringLiteral("Opis konkluzji"), tekstLubBrak(r.OpisKonklReg), QStringLiteral("OpisKonklReg")));
    teksty.dodaj(pole(QStringLiteral("Instrukcja/zalecenia dla użytkownika"), tekstLubBrak(r.InstrReg),
                      QStringLiteral("InstrReg")));
    teksty.dodaj(pole(QStringLiteral("Opisowa charakterystyka reguły, autorzy"), tekstLubBrak(r.OpisReg),
                      QStringLiteral("OpisReg")));
    teksty.dodaj(pole(QStringLiteral("Czy została odpalona?"), tekstLubBrak(r.CzyOdpal), QStringLiteral("CzyOdpal")));
    teksty.dodaj(pole(QStringLiteral("CF konkluzji reguły"), opis::cf(r.CFKonklReg), QStringLiteral("CFKonklReg")));
    teksty.dodaj(pole(QStringLiteral("Czy nadal uwzględniana?"), tekstLubBrak(r.CzyBieUdzWeWnios),
                      QStringLiteral("CzyBieUdzWeWnios")));

    // The same check and messages as "Weryfikuj składnię".
    const TWynikKontrSkladni kontrola = KontrSkladniReg(polaZRekordu(r), dane, konfig);
    const QStringList komunikaty = kontrola.komunikaty();
    const QString wynikKontroli = kontrola.poprawna ? komunikaty.last() : QStringLiteral("Błąd składni reguły.");
    TWezelWyj &skladnia = karta.dodaj(QStringLiteral("sekcja"), QStringLiteral("Kontrola składni reguły: ") + wynikKontroli);
    skladnia.pola.insert(QStringLiteral("poprawna"), kontrola.poprawna);
    skladnia.pola.insert(QStringLiteral("zZastrzezeniem"), kontrola.zZastrzezeniem);
    for (const QString &k : komunikaty)
        skladnia.dodaj(QStringLiteral("komunikat"), k);

    const TSkanPola skan = SkanujPolePrzes(r.PrzesReg);
    const TStrukturaPrzes struktura(skan);
    TWezelWyj &budowa = karta.dodaj(QStringLiteral("sekcja"), QStringLiteral("Struktura pola przesłankowego"));
    auto przeslanka = [&](int i) {
        const TPrzesElem &p = skan.przes[i];
        TWezelWyj w(QStringLiteral("przeslanka"), QStringLiteral("Przesłanka %1: ").arg(p.nr) + TStrukturaPrzes::tekstPrzeslanki(p));
        w.pola.insert(QStringLiteral("nr"), p.nr);
        w.pola.insert(QStringLiteral("fakt"), p.nazFakt);
        w.pola.insert(QStringLiteral("operator"), p.oper);
        w.pola.insert(QStringLiteral("wartosc"), p.wart);
        return w;
    };
    std::function<TWezelWyj(const TWezelStruktury &)> wezel = [&](const TWezelStruktury &s) -> TWezelWyj {
        if (s.rodzaj == TWezelStruktury::Rodzaj::Przeslanka)
            return przeslanka(s.przeslanka);
        TWezelWyj o(QStringLiteral("operator"), TStrukturaPrzes::nazwa(s.rodzaj));
        o.pola.insert(QStringLiteral("operator"), o.tekst);
        for (const TWezelStruktury &d : s.dzieci)
            o.dodaj(wezel(d));
        return o;
    };
    if (struktura.poprawna()) {
        budowa.dodaj(wezel(struktura.korzen()));
    } else {
        budowa.dodaj(QStringLiteral("uwaga"), QStringLiteral("Nawiasów i operatorów pola przesłankowego nie daje się "
                                                             "ułożyć w drzewo; przesłanki po kolei:"));
        for (int i = 0; i < skan.przes.size(); ++i)
            budowa.dodaj(przeslanka(i));
    }

    // Facts in the order the rule names them, the conclusion's last; constants likewise.
    QList<TPrzesElem> elementy = skan.przes;
    if (const auto k = SkanujKonkl(r.KonklReg))
        elementy.append(*k);
    TWezelWyj &fakty = karta.dodaj(QStringLiteral("sekcja"), QStringLiteral("Fakty reguły"));
    TWezelWyj stale(QStringLiteral("sekcja"), QStringLiteral("Stałe reguły"));
    QStringList faktyPokazane, stalePokazane;
    for (const TPrzesElem &p : elementy) {
        const auto f = dane.faktONazwie(r.KodSyst, p.nazFakt);
        if (!faktyPokazane.contains(p.nazFakt)) {
            faktyPokazane << p.nazFakt;
            if (f)
                fakty.dodaj(wezelFaktu(*f, dane));
            else
                fakty.dodaj(QStringLiteral("uwaga"), QStringLiteral("Faktu %1 nie ma w tabeli faktów systemu.").arg(opis::cytat(p.nazFakt)));
        }
        if (f && f->TypFakt == slowa::Wyliczeniowy)
            continue;
        const auto s = dane.stalaONazwie(r.KodSyst, p.wart);
        if (s && !stalePokazane.contains(s->NazStala)) {
            stalePokazane << s->NazStala;
            stale.dodaj(wezelStalej(*s, dane));
        }
    }
    if (stale.dzieci.isEmpty())
        stale.dodaj(QStringLiteral("uwaga"), QStringLiteral("Reguła nie używa stałych."));
    karta.dodaj(std::move(stale));
    return karta;
}

} // namespace tremida
