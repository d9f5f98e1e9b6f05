#include "KontrBazy.h"

#include "inference/DostepWnios.h"
#include "store/Baza.h"
#include "rules/DaneReg.h"
#include "rules/KontrReg.h"
#include "rules/Logika.h"
#include "rules/Redukcja.h"
#include "rules/Skaner.h"
#include "store/Konwersje.h"
#include "store/Slowa.h"

#include <QSet>

namespace tremida {

namespace {

// An enumerated fact keeps at most this many values for the duplicate test.
constexpr int MaksWartosci = 20;

const QString CFPozaPrzedzialem = QStringLiteral("CF faktu zpoza przedziału dopuszczalnego [0,1].");

QString faktOKodzie(int id) { return QStringLiteral("Fakt o kodzie: ") + QString::number(id); }

bool czyCFPoza(const std::optional<double> &cf)
{
    // An empty CF reads as 0.
    const double v = cf.value_or(0.0);
    return v < 0.0 || v > 1.0;
}

// The resets of missing values; false when the write failed (the failure is recorded in the
// database and ends the check).
bool zresetujFakt(Baza &baza, TRekFakt f)
{
    f.WartFakt = slowa::BrakWartosci;
    f.CFWartFakt = 0.0;
    f.WartPoprzFakt = slowa::BrakWartosci;
    f.CFWartPoprzFakt = 0.0;
    return dostep::zapiszWartFaktu(baza, f);
}

bool zresetujWartosc(Baza &baza, TRekWartFaktWylicz w)
{
    w.CzyFaktMaWartAkt = slowa::BrakWartosci;
    w.CzyFaktMaWartPoprz = slowa::BrakWartosci;
    w.CFWartFaktWyliczAkt = 0.0;
    w.CFWartFaktWyliczPoprz = 0.0;
    return dostep::zapiszWartWylicz(baza, w);
}

bool czyLogicznaLubNieznana(const QString &wart)
{
    const QString g = wart.toUpper();
    return g == slowa::True || g == slowa::False || g == QLatin1String("UNKNOWN");
}

bool czyLogiczna(const QString &wart)
{
    const QString g = wart.toUpper();
    return g == slowa::True || g == slowa::False;
}

// A scalar type of facts and constants: its name in the facts table and in the constants
// table, its word in the findings about each, the check of a value's form and the finding of
// a value that fails it.
struct TTypSkalarny {
    QString typFaktu;
    QString typStalej;
    QString slowoFaktu;  // "Fakt rzeczywisty"
    QString slowoStalej; // "Stała rzeczywista"
    bool (*poprawna)(const QString &);
    QString forma;
    QString formaFaktuWSpojnosci; // a fact's malformed value in the consistency check
    QString brakStalej;           // an empty constant in the verification
};

const QList<TTypSkalarny> &typySkalarne()
{
    static const QString brakStalej = QStringLiteral("Wartość stałej nie wprowadzona do tabeli stałych.");
    static const QString formaRzecz = QStringLiteral("Forma wartości wadliwa - nie konwertuje się do wartości "
                                                     "rzeczywistej.");
    static const QString formaCalk = QStringLiteral("Forma wartości wadliwa - nie konwertuje się do wartości "
                                                    "całkowitoliczbowej.");
    static const QString formaLog = QStringLiteral("Forma wartości wadliwa - nie konwertuje się do wartości logicznej "
                                                   "(TRUE, FALSE lub UNKNOWN).");
    static const QList<TTypSkalarny> typy = {
        {slowa::Rzeczywisty, slowa::Rzeczywista, QStringLiteral("rzeczywisty"), QStringLiteral("rzeczywista"),
         [](const QString &w) { return tekstNaReal(w).has_value(); }, formaRzecz,
         QStringLiteral("Forma wartości faktu wadliwa - nie konwertuje się do wartości rzeczywistej."), brakStalej},
        {slowa::Calkowity, slowa::Calkowita, QStringLiteral("całkowity"), QStringLiteral("całkowita"),
         [](const QString &w) { return tekstNaInt(w).has_value(); }, formaCalk, formaCalk, brakStalej},
        {slowa::Logiczny, slowa::Logiczna, QStringLiteral("logiczny"), QStringLiteral("logiczna"),
         czyLogicznaLubNieznana, formaLog, formaLog, QStringLiteral("Wartość stałej nie wprowadzona.")},
    };
    return typy;
}

// The scalar type whose name in one table (`pole`: typFaktu or typStalej) is `typ`; none
// for an enumerated or unknown type.
const TTypSkalarny *typSkalarny(QString TTypSkalarny::*pole, const QString &typ)
{
    for (const TTypSkalarny &t : typySkalarne())
        if (t.*pole == typ)
            return &t;
    return nullptr;
}

} // namespace

TKontrBazy::TKontrBazy(Baza &baza, const TParKonfig &konfig, int kodSyst, TrybKontrBazy tryb, Zglos zglos)
    : m_baza(baza), m_konfig(konfig), m_kodSyst(kodSyst), m_tryb(tryb), m_zglos(std::move(zglos))
{
    m_styl.jednaLinia = tryb == TrybKontrBazy::Spojnosc;
}

bool TKontrBazy::zglos(const QString &tekst, bool ostrzezenie)
{
    if (ostrzezenie)
        m_zastrzezenia = true;
    if (m_zglos)
        m_zglos({tekst, ostrzezenie});
    return ostrzezenie || ciagla();
}

bool TKontrBazy::zglosRegula(const TUsterkaReg &u) { return zglos(u.tekst, u.ostrzezenie); }

bool TKontrBazy::kontrFakt(const TRekFakt &f, const std::function<void()> &poWartosci)
{
    if (f.TypFakt == slowa::Wyliczeniowy)
        return kontrWyliczeniowy(f, poWartosci);
    return kontrSkalarny(f);
}

bool TKontrBazy::kontrWyliczeniowy(const TRekFakt &f, const std::function<void()> &poWartosci)
{
    const QString fakt = faktOKodzie(f.IdFakt);
    const QList<TRekWartFaktWylicz> wartosci = dostep::wartosciFaktu(m_baza, f.IdFakt);
    if (m_baza.blad())
        return false;
    if (wartosci.isEmpty())
        return zglos(m_styl.tekst({fakt + QStringLiteral(". Fakt wyliczeniowy."),
                                   QStringLiteral("Brak wartości faktu w tabeli wartości faktów wyliczeniowych.")}));
    const bool wprowadzany = f.RodzFakt == slowa::Wprowadzany;
    const qsizetype liczba = wartosci.size();
    int liczbaTak = 0;
    QStringList zachowane;
    for (const TRekWartFaktWylicz &w : wartosci) {
        if (wprowadzany) {
            if (w.CzyFaktMaWartAkt == slowa::Tak) {
                ++liczbaTak;
                if (czyCFPoza(w.CFWartFaktWyliczAkt) &&
                    !zglos(m_styl.tekst({fakt + QStringLiteral(". Fakt wyliczeniowy wprowadzany."), CFPozaPrzedzialem})))
                    return false;
            }
            if (w.CzyFaktMaWartAkt.isEmpty()) {
                if (!zresetujWartosc(m_baza, w))
                    return false;
                if (ciagla())
                    zglos(m_styl.tekst(
                        {fakt + QStringLiteral(". Fakt wyliczeniowy wprowadzany."),
                         QStringLiteral("Stwierdzono brak deklaratora (tak, nie lub ??\?) przypisania wartości o kodzie ") +
                             QString::number(w.IdWartFaktWylicz) + u'.',
                         QStringLiteral("Program wpisał ??? jako deklarator wartość faktu, zaś 0 - jako wartość CF,"),
                         QStringLiteral("dla aktualnej i poprzedniej wartości faktu. Zmień deklarator i/lub CF, jeśli "
                                        "trzeba.")},
                        false));
            }
        }
        if (f.LiczWart.value_or(0) != liczba &&
            !zglos(m_styl.tekst({fakt + QStringLiteral(". Fakt wyliczeniowy. Stwierdzono niezgodność liczby wartości "
                                                       "faktu"),
                                 QStringLiteral("w tabeli faktów, z liczbą rekordów z wartościami tego faktu w tabeli "
                                                "wartości faktów wyliczeniowych.")})))
            return false;
        if ((liczba < 1 || liczba > MaksWartosci) &&
            !zglos(m_styl.tekst({fakt + QStringLiteral(". Fakt wyliczeniowy. Liczba wartości faktu zpoza "
                                                       "dopuszczalnego przedziału [1,20].")})))
            return false;
        if (zachowane.size() < MaksWartosci)
            zachowane.append(w.WartFaktWylicz);
        if (poWartosci)
            poWartosci();
    }
    if (QSet<QString>(zachowane.cbegin(), zachowane.cend()).size() != zachowane.size() &&
        !zglos(m_styl.tekst({fakt + QStringLiteral(". Fakt wyliczeniowy. Stwierdzono pokrywanie się co najmniej dwóch "
                                                   "wartości faktu.")})))
        return false;
    if (f.CzyWielWart == slowa::Nie && wprowadzany && liczbaTak > 1)
        return zglos(m_styl.tekst({fakt + QStringLiteral(". Fakt wyliczeniowy jednowartościowy wprowadzany."),
                                   QStringLiteral("Stwierdzono przypisanie faktowi więcej niż jednej wartości.")}));
    return true;
}

bool TKontrBazy::kontrSkalarny(const TRekFakt &f)
{
    const TTypSkalarny *typ = typSkalarny(&TTypSkalarny::typFaktu, f.TypFakt);
    if (!typ)
        return true;
    const QString &rodzaj = typ->slowoFaktu;
    const QString fakt = faktOKodzie(f.IdFakt);
    if (f.WartFakt.isEmpty()) {
        if (!zresetujFakt(m_baza, f))
            return false;
        if (ciagla())
            zglos(m_styl.tekst({fakt + QStringLiteral(". Fakt ") + rodzaj + u'.',
                                QStringLiteral("Stwierdzono brak wartości faktu."),
                                QStringLiteral("Program jako wartość faktu wpisał ???, zaś jako wartość CF - 0,"),
                                QStringLiteral("dla aktualnej i poprzedniej wartości faktu. Zmień wartość i/lub CF, "
                                               "jeśli trzeba.")},
                               false));
        return true;
    }
    if (f.RodzFakt != slowa::Wprowadzany)
        return true;
    const QString naglowek = fakt + QStringLiteral(". Fakt ") + rodzaj + QStringLiteral(" wprowadzany.");
    const QString &forma = ciagla() ? typ->formaFaktuWSpojnosci : typ->forma;
    if (f.WartFakt != slowa::BrakWartosci && !typ->poprawna(f.WartFakt) && !zglos(m_styl.tekst({naglowek, forma})))
        return false;
    if (czyCFPoza(f.CFWartFakt))
        return zglos(m_styl.tekst({naglowek, CFPozaPrzedzialem}));
    return true;
}

bool TKontrBazy::przygotujFaktWprowadzany(const TRekFakt &f)
{
    if (f.TypFakt != slowa::Wyliczeniowy)
        return !f.WartFakt.isEmpty() || zresetujFakt(m_baza, f);
    const QList<TRekWartFaktWylicz> wartosci = dostep::wartosciFaktu(m_baza, f.IdFakt);
    if (m_baza.blad())
        return false;
    if (wartosci.isEmpty())
        return zglos(m_styl.tekst({QStringLiteral("Fakt wyliczeniowy o kodzie: ") + QString::number(f.IdFakt) + u'.',
                                   QStringLiteral("Brak wartości faktu w tabeli wartości faktów wyliczeniowych.")}));
    for (const TRekWartFaktWylicz &w : wartosci)
        if (w.CzyFaktMaWartAkt.isEmpty() && !zresetujWartosc(m_baza, w))
            return false;
    return true;
}

QList<std::pair<QString, QString>> TKontrBazy::usterkiStalejObl(const TRekStala &s) const
{
    QList<std::pair<QString, QString>> u;
    const QString obliczana = QStringLiteral(". Stała obliczana.");
    const auto arg = dostep::fakt(m_baza, s.KodArgStala);
    bool argument = false;
    if (!arg)
        u.append({obliczana, QStringLiteral("W tabeli faktów nie znaleziono faktu będącego argumentem stałej.")});
    else if (arg->KodSyst != m_kodSyst)
        u.append({obliczana, QStringLiteral("Fakt będący argumentem stałej nie należy do tego samego systemu "
                                            "eksperckiego (bazy wiedzy) co stała.")});
    else
        argument = true;
    if (argument && arg->TypFakt == slowa::Wyliczeniowy)
        u.append({obliczana, QStringLiteral("Argumentem stałej jest fakt typu wyliczeniowego.")});
    if (s.TypStala == slowa::Logiczna) {
        if (argument && arg->TypFakt != slowa::Logiczny)
            u.append({QStringLiteral(". Stała obliczana typu logicznego."),
                      QStringLiteral("Argumentem stałej jest fakt innego typu niż logiczny.")});
    } else if (s.TypStala == slowa::Calkowita || s.TypStala == slowa::Rzeczywista) {
        const QString numeryczna = QStringLiteral(". Stała obliczana typu numerycznego: całkowitego lub rzeczywistego.");
        if (argument && arg->TypFakt == slowa::Logiczny)
            u.append({numeryczna, QStringLiteral("Argumentem stałej natomiast jest fakt typu logicznego.")});
        if (!tekstNaReal(s.WartParAStala))
            u.append({numeryczna, QStringLiteral("Parametr A stałej (stała=A*fakt_jako_argument+B) złej postaci - nie "
                                                 "konwertuje się do liczby rzeczywistej.")});
        if (!tekstNaReal(s.WartParBStala))
            u.append({numeryczna, QStringLiteral("Parametr B stałej (stała=A*fakt_jako_argument+B) złej postaci - nie "
                                                 "konwertuje się do liczby rzeczywistej.")});
    }
    if (argument && arg->RodzFakt == slowa::Wprowadzany && arg->WartFakt != slowa::BrakWartosci) {
        const QString &w = arg->WartFakt;
        if (arg->TypFakt == slowa::Rzeczywisty && !tekstNaReal(w))
            u.append({obliczana, QStringLiteral("Argumentem stałej jest fakt wprowadzany typu rzeczywistego o "
                                                "przypisanej wartości. Wartość ta nie konwertuje się do liczby "
                                                "rzeczywistej.")});
        else if (arg->TypFakt == slowa::Calkowity && !tekstNaInt(w))
            u.append({obliczana, QStringLiteral("Argumentem stałej jest fakt wprowadzany typu całkowitego o "
                                                "przypisanej wartości. Wartość ta nie konwertuje się do liczby "
                                                "całkowitej.")});
        else if (arg->TypFakt == slowa::Logiczny && !czyLogiczna(w))
            u.append({obliczana, QStringLiteral("Argumentem stałej jest fakt wprowadzany typu logicznego o "
                                                "przypisanej wartości. Wartość ta nie jest wartością logiczną.")});
    }
    return u;
}

bool TKontrBazy::kontrStala(const TRekStala &s)
{
    const QString stala = QStringLiteral("Stała o kodzie: ") + QString::number(s.IdStala);
    if (s.RodzStala != slowa::Prosta) {
        const auto usterki = usterkiStalejObl(s);
        if (m_baza.blad())
            return false;
        for (const auto &[rodzaj, detal] : usterki)
            if (!zglos(m_styl.tekst({stala + rodzaj, detal})))
                return false;
        return true;
    }
    const TTypSkalarny *typ = typSkalarny(&TTypSkalarny::typStalej, s.TypStala);
    if (!typ)
        return true;
    const QString rodzaj = stala + QStringLiteral(". Stała ") + typ->slowoStalej + u'.';
    if (s.WartStalaProsta.isEmpty())
        return zglos(m_styl.tekst({rodzaj, ciagla() ? QStringLiteral("Wartość stałej pusta.") : typ->brakStalej}));
    if (!typ->poprawna(s.WartStalaProsta))
        return zglos(m_styl.tekst({rodzaj, typ->forma}));
    return true;
}

bool TKontrBazy::kontrRegula(const TRekReg &r, const IDaneReg &dane)
{
    const QString regula = QStringLiteral("Reguła o kodzie: ") + QString::number(r.IdReg);
    if (r.KierWniReg != slowa::WPrzod && r.KierWniReg != slowa::Wstecz && r.KierWniReg != slowa::Oba &&
        !zglos(m_styl.tekst({regula + u'.', QStringLiteral("Forma kierunku wnioskowania wadliwa.")})))
        return false;
    // The description warnings: the work goes on after each.
    auto ostrzez = [&](const QStringList &linie) { zglos(m_styl.tekst(linie, false), true); };
    const QString dalej = ciagla() ? QString() : QStringLiteral(" Proces weryfikacji będzie kontynuowany.");
    if (r.OpisKonklReg.isEmpty()) {
        QStringList c = {regula + QStringLiteral(". Opis konkluzji reguły pusty."),
                         QStringLiteral("Opis ten nie warunkuje procesu wnioskowania, jednak jest zalecany.")};
        if (!ciagla())
            c.append(QStringLiteral("Proces weryfikacji będzie kontynuowany."));
        ostrzez(c);
    }
    if (r.InstrReg.isEmpty())
        ostrzez({regula + u'.',
                 QStringLiteral("Brak instrukcji i/lub zaleceń dla użytkownika, wynikających z konkluzji reguły."),
                 QStringLiteral("Nie warunkują one procesu wnioskowania, jednak są konieczne z merytorycznego punktu "
                                "widzenia;"),
                 QStringLiteral("są one wizualizowane jako efekt procesu wnioskowania po \"odpaleniu\" danej reguły."),
                 QStringLiteral("Zaleca się wprowadzenie instrukcji.") + dalej});
    if (r.OpisReg.isEmpty())
        ostrzez({regula + u'.',
                 QStringLiteral("Brak opisowej charakterystyki reguły i objaśnień reguły (w tym żródła/autora "
                                "reguły)."),
                 QStringLiteral("Dane te nie warunkują procesu wnioskowania, jednak są zalecane, a niekiedy konieczne, "
                                "np. ze względu na prawa autorskie."),
                 QStringLiteral("Zaleca się wprowadzenie charakterystyki.") + dalej});
    if ((r.PozReg < 1 || r.PozReg > m_konfig.MaxPozReg) &&
        !zglos(m_styl.tekst({regula + u'.', QStringLiteral("Poziom reguły zpoza dopuszczalnego przedziału [1,") +
                                                QString::number(m_konfig.MaxPozReg) + QStringLiteral("].")})))
        return false;
    if ((r.CFReg < 0.0 || r.CFReg > 1.0) &&
        !zglos(m_styl.tekst(
            {regula + u'.', QStringLiteral("CF reguły w fazie generowania zpoza dopuszczalnego przedziału [0,1].")})))
        return false;
    return kontrSkladni(r, dane);
}

bool TKontrBazy::kontrSkladni(const TRekReg &r, const IDaneReg &dane)
{
    const TRamkaReg &ramka = ciagla() ? static_cast<const TRamkaReg &>(m_ramkaSpojn) : m_ramkaWeryf;
    const QString kod = QString::number(r.IdReg);

    // Raw bracket counts of the premise field and the conclusion.
    const QString &pp = r.PrzesReg;
    const QString &pk = r.KonklReg;
    for (const IdUsterki id : UsterkiNawiasow(pp, pk)) {
        TUsterkaReg u;
        u.id = id;
        u.kodReg = kod;
        if (!zglosRegula(ramka.wypelnij(u)))
            return false;
    }

    // Elementary premises: each one, accepted or not, stands as TRUE with CF 1 in the token
    // text, so that the structure of the whole field is still checked.
    const TKontekstKontr k{dane, r.KodSyst, kod, ramka};
    const TSkanPola skan = SkanujPolePrzes(pp);
    for (const TPrzesElem &p : skan.przes)
        for (const TUsterkaReg &u : KontrPrzesElem(p, k).usterki)
            if (!zglosRegula(u))
                return false;
    const QStringList tokeny(skan.przes.size(), tokenKontrolny());
    const QString tekstTokenow = skan.tekstTokenow(tokeny);
    const QString kluczPola = tekstTokenow + u'\n' + m_konfig.TNormaIloczyn + u'\n' + m_konfig.SNormaSuma;
    if (!m_polaBezUsterek.contains(kluczPola)) {
        TOpcjeRedukcji opcje;
        opcje.poR1Dalej = ciagla();
        const TWynikRedukcji red = RedukujPolePrzesReg(tekstTokenow, kod, ramka, m_konfig, opcje);
        if (red.usterki.isEmpty())
            m_polaBezUsterek.insert(kluczPola);
        for (const TUsterkaReg &u : red.usterki)
            if (!zglosRegula(u))
                return false;
    }

    // The conclusion. In the consistency check a computed constant in it gets the checks of
    // its argument and parameters that the constants pass makes.
    const TPrzesElem konkl = SkanujKonkl(pk).value_or(TPrzesElem());
    bool stalaObl = false;
    if (ciagla()) {
        const auto fakt = dane.faktONazwie(r.KodSyst, konkl.nazFakt);
        if (fakt && fakt->RodzFakt != slowa::Wprowadzany && konkl.oper == QLatin1String("=") &&
            fakt->TypFakt != slowa::Wyliczeniowy) {
            const auto s = dane.stalaONazwie(r.KodSyst, konkl.wart);
            if (s && s->RodzStala != slowa::Prosta) {
                stalaObl = true;
                const QString naglowek = QStringLiteral("Reguła o kodzie: ") + kod +
                                         QStringLiteral(". Stała w konkluzji o kodzie: ") + QString::number(s->IdStala);
                for (const auto &[rodzaj, detal] : usterkiStalejObl(*s))
                    zglos(m_styl.tekst({naglowek + rodzaj, detal}));
            }
        }
    }
    for (const TUsterkaReg &u : KontrKonklReg(konkl, k).usterki) {
        if (stalaObl && literaUsterki(u.id) == u'C')
            continue;
        if (!zglosRegula(u))
            return false;
    }
    return true;
}

} // namespace tremida
