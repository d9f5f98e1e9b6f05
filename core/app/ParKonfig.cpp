#include "ParKonfig.h"

#include "store/Konwersje.h"

#include <utility>

namespace tremida {

namespace konfig {

QStringList nazwyKolorow()
{
    QStringList n;
    for (const auto &k : Kolory)
        n << QString::fromUtf8(k.nazwa);
    return n;
}

int wartoscKoloru(int indeks, bool tlo)
{
    if (indeks == IndeksSystemowy)
        return tlo ? KolorSystemowyTla : KolorSystemowyCzcionki;
    return Kolory[static_cast<size_t>(indeks)].wartosc;
}

int indeksKoloru(int wartosc, bool tlo)
{
    for (int i = 0; i < static_cast<int>(Kolory.size()); ++i)
        if (wartoscKoloru(i, tlo) == wartosc)
            return i;
    return -1;
}

} // namespace konfig

namespace {

int indeksLogiczny(bool w) { return w ? 0 : 1; }

} // namespace

TWartWlasneKonfig wlasneZParametrow(const TParKonfig &p)
{
    TWartWlasneKonfig w;
    w.MaxPozReg = intNaTekst(p.MaxPozReg);
    w.CzyOdpalUwzgl = indeksLogiczny(p.CzyOdpalUwzgl);
    w.CzyTylkoOdpal = indeksLogiczny(p.CzyTylkoOdpal);
    w.TNormaIloczyn = static_cast<int>(konfig::Normy.indexOf(p.TNormaIloczyn));
    w.SNormaSuma = static_cast<int>(konfig::Normy.indexOf(p.SNormaSuma));
    w.SNormaKonkl = static_cast<int>(konfig::Normy.indexOf(p.SNormaKonkl));
    w.ProgCF = realNaTekst(p.ProgCF);
    w.PrzyrostCF = realNaTekst(p.PrzyrostCF);
    w.CzyPelnaWeryf = indeksLogiczny(p.CzyPelnaWeryf);
    w.KolCzcCzyn = konfig::indeksKoloru(p.KolCzcCzyn, false);
    w.KolCzcBier = konfig::indeksKoloru(p.KolCzcBier, false);
    w.KolCzcPomoc = konfig::indeksKoloru(p.KolCzcPomoc, false);
    w.KolTlaCzyn = konfig::indeksKoloru(p.KolTlaCzyn, true);
    w.KolTlaBier = konfig::indeksKoloru(p.KolTlaBier, true);
    w.KolTlaPomoc = konfig::indeksKoloru(p.KolTlaPomoc, true);
    w.MetaReg = static_cast<int>(konfig::MetaReguly.indexOf(p.MetaReg));
    return w;
}

TWartWlasneKonfig wlasneStandardowe() { return wlasneZParametrow(TParKonfig{}); }

std::optional<QString> sprawdzWlasne(const TWartWlasneKonfig &w, bool dlaZapisu)
{
    const QString nieZrealizowana = QStringLiteral("\n\rOpcja nie zostanie zrealizowana.");
    if (!tekstNaInt(w.MaxPozReg))
        return QStringLiteral("Brak lub wadliwa wartość maksymalnej liczby poziomów reguł.") + nieZrealizowana;
    // The choices of the form that must be made, in the order of the form.
    const std::pair<int, QString> wybory[] = {
        {w.CzyOdpalUwzgl, QStringLiteral("czy \"odpalona\" reguła nadal uczestniczy\n\rwe wnioskowaniu")},
        {w.CzyTylkoOdpal, QStringLiteral("czy prezentować tylko \"odpalone\" reguły,\n\rwizualizując trajektorię "
                                         "wnioskowania")},
        {w.TNormaIloczyn, QStringLiteral("t-norma dla obliczenia\n\rCF iloczynu logicznego przesłanek")},
        {w.SNormaSuma, QStringLiteral("s-norma dla obliczenia\n\rCF sumy logicznej przesłanek")},
        {w.SNormaKonkl, QStringLiteral("s-norma dla obliczenia\n\rzagregowanego CF konkluzji z dwóch reguł")},
    };
    for (const auto &[wybor, parametr] : wybory)
        if (wybor < 0)
            return QStringLiteral("Wartość parametru: ") + parametr + QStringLiteral(" - niezaznaczona.") +
                   nieZrealizowana;
    if (!tekstNaReal(w.ProgCF))
        return QStringLiteral("Brak lub wadliwa wartość parametru: minimalny próg CF.") + nieZrealizowana;
    if (!tekstNaReal(w.PrzyrostCF))
        return QStringLiteral("Brak lub wadliwa wartość parametru: znaczący\n\rprzyrost CF decydujący o "
                              "zainicjowaniu nowej iteracji.")
               + nieZrealizowana;
    if (w.CzyPelnaWeryf < 0)
        return QStringLiteral("Wartość parametru: czy przed startem procesu wnioskowania\n\rprzeprowadzać pełną "
                              "weryfikację spójnosci bazy wiedzy? - niezaznaczona.")
               + nieZrealizowana;
    const struct {
        int indeks;
        const char *opis;
    } kolory[6] = {{w.KolCzcCzyn, "czcionki danych czynnych"},  {w.KolCzcBier, "czcionki danych biernych"},
                   {w.KolCzcPomoc, "czcionki danych pomocniczych"}, {w.KolTlaCzyn, "tła danych czynnych"},
                   {w.KolTlaBier, "tła danych biernych"},          {w.KolTlaPomoc, "tła danych pomocniczych"}};
    for (int i = 0; i < 6; ++i)
        if (kolory[i].indeks < 0) {
            const QString poczatek = (i == 4 && !dlaZapisu) ? QStringLiteral("Wartosc parametru: kolor ")
                                                            : QStringLiteral("Wartość parametru: kolor ");
            return poczatek + QString::fromUtf8(kolory[i].opis) + QStringLiteral(" aplikacji - niezaznaczona.")
                   + nieZrealizowana;
        }
    const struct {
        int czcionka, tlo;
        const char *dane;
    } pary[3] = {{w.KolCzcCzyn, w.KolTlaCzyn, "czynnych"},
                 {w.KolCzcBier, w.KolTlaBier, "biernych"},
                 {w.KolCzcPomoc, w.KolTlaPomoc, "pomocniczych"}};
    for (const auto &p : pary)
        if (p.czcionka == p.tlo)
            return QStringLiteral("Kolor czcionki danych %1 aplikacji taki sam\n\rjak kolor tła tych danych. Dane "
                                  "będą nieczytelne.")
                       .arg(QString::fromUtf8(p.dane))
                   + nieZrealizowana;
    if (w.MetaReg < 0)
        return QStringLiteral("Wartość parametru: metareguła kolejności odpalania reguł - niezaznaczona.")
               + nieZrealizowana;
    return std::nullopt;
}

TParKonfig parametryZWlasnych(const TWartWlasneKonfig &w)
{
    TParKonfig p;
    p.MaxPozReg = tekstNaInt(w.MaxPozReg).value_or(p.MaxPozReg);
    p.CzyOdpalUwzgl = w.CzyOdpalUwzgl == 0;
    p.CzyTylkoOdpal = w.CzyTylkoOdpal == 0;
    p.TNormaIloczyn = konfig::Normy.value(w.TNormaIloczyn, p.TNormaIloczyn);
    p.SNormaSuma = konfig::Normy.value(w.SNormaSuma, p.SNormaSuma);
    p.SNormaKonkl = konfig::Normy.value(w.SNormaKonkl, p.SNormaKonkl);
    p.ProgCF = tekstNaReal(w.ProgCF).value_or(p.ProgCF);
    p.PrzyrostCF = tekstNaReal(w.PrzyrostCF).value_or(p.PrzyrostCF);
    p.CzyPelnaWeryf = w.CzyPelnaWeryf == 0;
    auto kolor = [](int indeks, bool tlo, int domyslny) {
        return indeks >= 0 && indeks < 17 ? konfig::wartoscKoloru(indeks, tlo) : domyslny;
    };
    p.KolCzcCzyn = kolor(w.KolCzcCzyn, false, p.KolCzcCzyn);
    p.KolCzcBier = kolor(w.KolCzcBier, false, p.KolCzcBier);
    p.KolCzcPomoc = kolor(w.KolCzcPomoc, false, p.KolCzcPomoc);
    p.KolTlaCzyn = kolor(w.KolTlaCzyn, true, p.KolTlaCzyn);
    p.KolTlaBier = kolor(w.KolTlaBier, true, p.KolTlaBier);
    p.KolTlaPomoc = kolor(w.KolTlaPomoc, true, p.KolTlaPomoc);
    p.MetaReg = konfig::MetaReguly.value(w.MetaReg, p.MetaReg);
    return p;
}

} // namespace tremida
