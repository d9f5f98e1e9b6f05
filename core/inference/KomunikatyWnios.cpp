#include "KomunikatyWnios.h"

#include "store/Konwersje.h"
#include "store/Slowa.h"

#include <array>

namespace tremida::kom {

namespace {
const QString NL = QStringLiteral("\n\r");

QString kodReg(const QString &kod) { return QStringLiteral("Kod reguły: ") + kod; }
} // namespace

QString przerwanie() { return NL + QStringLiteral("Nastąpi przerwanie procesu wnioskowania."); }

QString ramkaB(const QString &kod, int przeslanka, const QString &szczegol)
{
    return kodReg(kod) + QStringLiteral(", przesłanka ") + QString::number(przeslanka).rightJustified(3, u' ') +
           QStringLiteral(" licząc od początku pola przesłankowego.") + NL + szczegol + przerwanie();
}

QString N1()
{
    return QStringLiteral("Brak rekordów z wartościami faktu wyliczeniowego w tabeli wartości faktów wyliczeniowych.");
}
QString N4() { return QStringLiteral("Błąd w tabeli faktów. Wartość aktualna faktu złej postaci."); }

QString szczegolStalej(IdUsterki id)
{
    const QString pocz = QStringLiteral("Błąd składni reguły. ");
    if (id == IdUsterki::C7)
        return pocz + QStringLiteral("Jako argument stałej obliczanej stwierdzono fakt typu wyliczeniowego.");
    if (id == IdUsterki::C8)
        return pocz + QStringLiteral(
                          "Jako argument stałej obliczanej typu logicznego stwierdzono fakt innego typu niż logiczny.");
    if (id == IdUsterki::C9)
        return pocz + QStringLiteral(
                          "Wartość faktu będącego argumentem stałej obliczanej nie konwertuje się do liczby rzeczywistej.");
    if (id == IdUsterki::C12)
        return pocz + QStringLiteral(
                          "Wartość faktu będącego argumentem stałej obliczanej nie konwertuje się do liczby całkowitej.");
    if (id == IdUsterki::C13)
        return pocz + QStringLiteral(
                          "Wartość faktu będącego argumentem stałej obliczanej nie konwertuje się do wartości logicznej.");
    if (id == IdUsterki::C10)
        return pocz + QStringLiteral("Wartość parametru A stałej obliczanej nie konwertuje się do liczby.");
    return pocz + QStringLiteral("Wartość parametru B stałej obliczanej nie konwertuje się do liczby.");
}

QString N2(int idFakt)
{
    return QStringLiteral("Fakt wyliczeniowy jednowartościowy wprowadzany o kodzie ") + intNaTekst(idFakt) +
           QStringLiteral(" ma przypisaną więcej niż jedną wartość.") + przerwanie();
}

QString N3(int idFakt)
{
    return QStringLiteral("Fakt wyliczeniowy jednowartościowy pośredni lub końcowy o kodzie ") + intNaTekst(idFakt) +
           QStringLiteral(" ma przypisaną więcej niż jedną wartość.") + NL +
           QStringLiteral("Świadczy to o sprzeczności w bazie reguł.") + NL +
           QStringLiteral("Proces wnioskowania mimo wszystko będzie kontynuowany.");
}

QString Q1(int idFakt)
{
    return QStringLiteral("Stwierdzono, że fakt wprowadzany wyliczeniowy o kodzie ") + intNaTekst(idFakt) +
           QStringLiteral(" nie ma przypisanej żadnej wartości.") + NL +
           QStringLiteral("Zostanie zwizualizowany formularz, na którym powinieneś przypisać faktowi wartość, lub, "
                          "jeśli trzeba,") +
           NL +
           QStringLiteral("kilka wartości jeśli fakt jest wielowartościowy, jak również CF tej (tych) wartości.") +
           NL +
           QStringLiteral("Jeśli wyjdziesz z formularza bez przypisania wartości, to proces wnioskowania będzie "
                          "wprawdzie ") +
           NL +
           QStringLiteral("kontynuowany, jednak reguły mające ten fakt w polu przesłankowym mogą nie zostać "
                          "\"odpalone\".");
}

namespace {
QString slowoTypu(const QString &typ)
{
    if (typ == slowa::Calkowity)
        return QStringLiteral("całkowity");
    if (typ == slowa::Logiczny)
        return QStringLiteral("logiczny");
    return QStringLiteral("rzeczywisty");
}
} // namespace

QString Q2(const QString &typFakt, int idFakt)
{
    const QString pocz = QStringLiteral("Stwierdzono, że fakt wprowadzany ") + slowoTypu(typFakt) +
                         QStringLiteral(" o kodzie ") + intNaTekst(idFakt) +
                         QStringLiteral(" nie ma przypisanej wartości.") + NL +
                         QStringLiteral("Zostanie zwizualizowany formularz, na którym powinieneś przypisać faktowi "
                                        "wartość oraz CF.") +
                         NL;
    if (typFakt == slowa::Rzeczywisty || (typFakt != slowa::Calkowity && typFakt != slowa::Logiczny))
        return pocz +
               QStringLiteral("Jeśli wyjdziesz z formularza bez przypisania wartości, to proces wnioskowania będzie") +
               NL +
               QStringLiteral("wprawdzie kontynuowany, jednak reguły mające ten fakt w polu przesłankowym mogą nie") +
               NL + QStringLiteral("zostać \"odpalone\".");
    return pocz +
           QStringLiteral("Jeśli wyjdziesz z formularza bez przypisania wartości, to proces wnioskowania będzie "
                          "wprawdzie") +
           NL +
           QStringLiteral("kontynuowany, jednak reguły mające ten fakt w polu przesłankowym mogą nie zostać "
                          "\"odpalone\".");
}

QString Q3(const QString &typArg, int idFakt, int idStala)
{
    return QStringLiteral("Stwierdzono, że fakt wprowadzany ") + slowoTypu(typArg) + QStringLiteral(" o kodzie ") +
           intNaTekst(idFakt) + QStringLiteral(", będący argumentem stałej") + NL + QStringLiteral("obliczanej o kodzie ") +
           intNaTekst(idStala) + QStringLiteral(", nie ma przypisanej wartości.") + NL +
           QStringLiteral("Zostanie zwizualizowany formularz, na którym powinieneś przypisać faktowi wartość oraz CF.") +
           NL +
           QStringLiteral("Jeśli wyjdziesz z formularza bez przypisania wartości, to proces wnioskowania będzie") + NL +
           QStringLiteral("wprawdzie kontynuowany, jednak reguły mające tę stałą w polu przesłankowym mogą nie") + NL +
           QStringLiteral("zostać \"odpalone\".");
}

QString przyczyna(const QString &wartosc, bool ponizejProgu, bool stalaBezWart)
{
    const QString nie = QStringLiteral("Reguła nieprzyjęta na stos do \"odpalenia\". ");
    if (wartosc == slowa::True) {
        if (!ponizejProgu && !stalaBezWart)
            return QStringLiteral("Reguła została przyjęta na stos do \"odpalenia\", jednak \"nieodpalona\", gdyż trwa "
                                  "jeszcze faza generowania stosu");
        if (!ponizejProgu)
            return nie + QStringLiteral("Pole przesłankowe zwraca wprawdzie TRUE, a wartość CF pola powyżej progu, "
                                        "jednak konkluzja zawiera stałą obliczaną o nieokreślonej wartości");
        const QString t = nie + QStringLiteral("Pole przesłankowe zwraca wprawdzie TRUE, jednak wartość CF pola "
                                               "przesłankowego poniżej progu");
        return stalaBezWart ? t + QStringLiteral(". Konkluzja zawiera ponadto stałą obliczaną o nieokreślonej wartości")
                            : t;
    }
    if (wartosc == slowa::False) {
        const QString t = nie + QStringLiteral("Pole przesłankowe reguły zwraca wartość logiczną FALSE");
        return stalaBezWart
                   ? t + QStringLiteral(". Konkluzja reguły zawiera ponadto stałą obliczaną o nieokreślonej wartości")
                   : t;
    }
    if (!stalaBezWart)
        return nie + QStringLiteral("Pole przesłankowe reguły zwraca wartość logiczną UNKNOWN, na skutek "
                                    "nieokreślonych wartości faktów w polu przesłankowym");
    return nie + QStringLiteral("Pole przesłankowe reguły zwraca wartość logiczną UNKNOWN jw. Konkluzja reguły "
                                "zawiera ponadto stałą obliczaną o nieokreślonej wartości");
}

const QString &przyczyna(TWartLog wartosc, bool ponizejProgu, bool stalaBezWart)
{
    static const auto zdania = [] {
        std::array<QString, 12> z;
        for (int w = 0; w < 3; ++w)
            for (int k = 0; k < 4; ++k)
                z[size_t(w * 4 + k)] = przyczyna(tekstWartLog(TWartLog(w)), k & 1, k & 2);
        return z;
    }();
    return zdania[size_t(int(wartosc) * 4 + (ponizejProgu ? 1 : 0) + (stalaBezWart ? 2 : 0))];
}

QString przyczynaOdpalona()
{
    return QStringLiteral("Reguła została \"odpalona\" w danym kroku trajektorii wnioskowania");
}

QString H1()
{
    return QStringLiteral("Hipoteza główna została zdefiniowana, tj. wybrana z listy konkluzji. W procesie "
                          "wnioskowania zostaną zwizualizowane wyłącznie konkluzje zgodne z hipotezą główną.");
}

QString H2()
{
    return QStringLiteral("Hipoteza główna nie została zdefiniowana, tj. wybrana z listy konkluzji. Przy "
                          "wnioskowaniu w przód nie jest to wymagane. W procesie wnioskowania zostaną "
                          "zwizualizowane wszystkie możliwe konkluzje.");
}

QString H5()
{
    return QStringLiteral(
        "Liczba reguł zadekretowanych do wnioskowania w przód równa 0. Nastąpi koniec procesu wnioskowania.");
}

QString H6(const QString &kod)
{
    return QStringLiteral("Hipoteza główna została udowodniona na podstawie reguły o kodzie ") + kod +
           QStringLiteral(".") + NL + QStringLiteral("Zostanie zwizualizowany formularz konkluzji reguły.") + NL +
           QStringLiteral("Zagregowany CF konkluzji będzie obliczany i wizualizowany na tym formularzu sukcesywnie.");
}

QString H7() { return QStringLiteral("Hipoteza główna została wykazana. ") + H9(); }

QString H8() { return QStringLiteral("Hipoteza główna nie została wykazana. ") + H9(); }

QString H9()
{
    return QStringLiteral("Zakończenie procesu wnioskowania w przód na skutek wyczerpania możliwości procesu.");
}

QString H10()
{
    return QStringLiteral("W fazie wnioskowania w przód procesu wnioskowania mieszanego nastąpiło wykazanie hipotezy "
                          "głównej. Proces wnioskowania mieszanego zostanie zakończony.");
}

QString przerwanieWPrzodPrzezUzytkownika()
{
    return QStringLiteral("Przerwanie procesu wnioskowania w przód przez użytkownika.");
}

QString E6(const QString &kod)
{
    return kodReg(kod) + QStringLiteral(". Błąd w tabeli stałych.") + NL +
           QStringLiteral("Wartość stałej złej postaci.") + przerwanie();
}
QString W(const QString &kod)
{
    return kodReg(kod) + QStringLiteral(". Stwierdzono, że w poprzedniej iteracji") + NL +
           QStringLiteral("procesu wnioskowania fakt z konkluzji reguły miał inną wartość.") + NL +
           QStringLiteral("Świadczy to o istnieniu sprzeczności w bazie wiedzy.") + NL +
           QStringLiteral("Proces wnioskowania będzie kontynuowany, jednakże wizualizowane konkluzje") + NL +
           QStringLiteral("mogą okazać się fałszywe. Przed następnym przebiegiem procesu usuń sprzeczność.");
}

} // namespace tremida::kom

namespace tremida::kom {

namespace {
const QString NLW = QStringLiteral("\n\r");
const QString Zakonczenie = QStringLiteral("   Nastąpi zakończenie procesu wnioskowania.");

QString naczeloFalsyfikacji()
{
    return QStringLiteral("   Hipotezy głównej nie udało się udowodnić, biorąc pod uwagę aktualny stan bazy wiedzy. Nie "
                          "musi to jednak jeszcze oznaczać, że hipoteza główna jest fałszywa.\n\r");
}

QString srodekFalsyfikacji()
{
    return QStringLiteral(
        "   System poczyni teraz próbę sfalsyfikowania hipotezy głównej.\n\r   Hipoteza główna zostanie "
        "sfalsyfikowana wówczas, gdy system udowodni hipotezę pomocniczą negującą hipotezę główną. Przykładowo: "
        "jeśli hipotezą główną była konkluzja [stan uszkodzenia] = [początkowy], to udowadniając hipotezę [stan "
        "uszkodzenia] = [zaawansowany] falsyfikujesz hipotezę główną.\n\r   Musisz jednak sam wskazać systemowi "
        "konkluzję falsyfikującą.  System potrafi zaproponować potencjalne konkluzje falsyfikujące, ale tylko "
        "takie, które zawierają fakt ten sam jak w hipotezie głównej.\n\r");
}

QString koniecFalsyfikacjiOferty()
{
    return QStringLiteral(
        "\n\r   Konkluzja falsyfikująca nie musi obligatoryjnie zawierać faktu tego samego jak w hipotezie głównej. "
        "Przykładowo: jeśli w systemie diagnostyki medycznej hipotezą główną była konkluzja [choroba pacjenta] = "
        "[gruźlica], to wykazując hipotezę [stan pacjenta] = [zdrowy] falsyfikujesz hipotezę główną. Tego rodzaju "
        "konkluzje falsyfikujące, jeśli istnieją, musisz jednak wyszukać sam, a następnie starać się je wykazać "
        "uruchamiając nowe, niezależne procesy wnioskowania wstecz lub wnioskowania mieszanego.");
}
} // namespace

QString brakHipotezy()
{
    return QStringLiteral(
        "Hipoteza główna nie została zdefiniowana, tj. wybrana z listy konkluzji. Nastąpi wyjście z opcji.");
}

QString brakRegulWstecz()
{
    return QStringLiteral("Brak reguł zadekretowanych do wnioskowania wstecz. Nastąpi wyjście z opcji.");
}

QString przyczynaOdpalonaWstecz()
{
    return QStringLiteral("nie dotyczy - regula zostala odpalona w tym kroku trajektorii wnioskowania");
}

QString hipUdowodniona(int n, int pozycja, int idReg)
{
    return QStringLiteral("Hipoteza główna została udowodniona na podstawie grupy ") + QString::number(n) +
           QStringLiteral(" reguł nadających się do odpalenia. Zostanie zwizualizowany formularz konkluzji reguły "
                          "nr. ") +
           QString::number(pozycja) + u'/' + QString::number(n) + QStringLiteral(" z tej grupy, o kodzie ") +
           QString::number(idReg) +
           QStringLiteral(". Zagregowany CF konkluzji będzie obliczany i wizualizowany na tym formularzu "
                          "sukcesywnie.");
}

QString koniecUdowodniona(double cfZagreg)
{
    if (cfZagreg > 0.999)
        return QStringLiteral("   Hipoteza główna została udowodniona z maksymalnym zagregowanym CF konkluzji "
                              "równym 1. ") +
               NLW + Zakonczenie;
    return QStringLiteral("   Hipoteza główna została udowodniona ze zagregowanym CF konkluzji równym ") +
           realNaTekst(cfZagreg) + u'.' + NLW + Zakonczenie;
}

QString F0()
{
    return naczeloFalsyfikacji() +
           QStringLiteral(
               "   Aby sfalsyfikowac hipotezę główną, wytypuj, jeśli to możliwe, takie konkluzje reguł, które ją "
               "negują i staraj się je wykazać uruchamiając nowe procesy wnioskowania wstecz lub wnioskowania "
               "mieszanego. Przykładowo: jeśli w systemie diagnostyki medycznej hipotezą główną była konkluzja "
               "[choroba pacjenta] = [gruźlica], to wykazując hipotezę [stan pacjenta] = [zdrowy] falsyfikujesz "
               "hipotezę główną.\n\r   System sam proponuje konkluzje falsyfikujące, ale tylko takie, które "
               "zawierają fakt ten sam jak w hipotezie głównej. Niestety, w Twojej bazie wiedzy, w tym momencie, brak "
               "takich konkluzji.\n\r   Nastąpi koniec procesu wnioskowania.");
}

QString F1()
{
    return naczeloFalsyfikacji() + srodekFalsyfikacji() +
           QStringLiteral("   W Twojej bazie wiedzy, w tym momencie, jest tylko jedna taka konkluzja. System "
                          "zwizualizuje teraz tę konkluzję. Jeśli jest to konkluzja falsyfikująca hipotezę główną, to "
                          "zadekretuj ją przez zaznaczenie. Jeśli zaznaczysz tę konkluzję, proces wnioskowania będzie "
                          "kontynuowany.") +
           koniecFalsyfikacjiOferty();
}

QString F2()
{
    return naczeloFalsyfikacji() + srodekFalsyfikacji() +
           QStringLiteral("   W Twojej bazie wiedzy, w tym momencie, jest więcej niż jedna taka konkluzja. System "
                          "zwizualizuje teraz te konkluzje. Zadekretuj przez zaznaczenie (lewym klawiszem myszy przy "
                          "wciśniętm klawiszu lewy Ctrl) te konkluzje z listy, które uznasz za konkluzje falsyfikujące "
                          "hipotezę główną. Jeśli zaznaczysz co najmniej jedną konkluzję, proces wnioskowania będzie "
                          "kontynuowany.") +
           koniecFalsyfikacjiOferty();
}

QString brakZaznaczonychFals()
{
    return QStringLiteral(
        "Nie zaznaczyłeś (-aś) żadnej konkluzji jako falsyfikującej. Nastąpi wyjście z opcji.");
}

QString falsUdowodniona(int kandydat, int n, int pozycja, int idReg)
{
    return QStringLiteral("   Hipoteza falsyfikująca z pozycji nr. ") + QString::number(kandydat) +
           QStringLiteral(" listy konkluzji została udowodniona na podstawie grupy ") + QString::number(n) +
           QStringLiteral(" reguł nadających się do odpalenia.") + NLW +
           QStringLiteral("   Tym samym hipoteza główna została sfalsyfikowana.") + NLW +
           QStringLiteral("   Zostanie zwizualizowany formularz konkluzji reguły nr. ") + QString::number(pozycja) +
           u'/' + QString::number(n) + QStringLiteral(" z tej grupy, o kodzie ") + QString::number(idReg) +
           QStringLiteral(".") + NLW +
           QStringLiteral("   Zagregowany CF konkluzji będzie obliczany i wizualizowany na tym formularzu "
                          "sukcesywnie.");
}

QString koniecFalsyfikacji(bool sfalsyfikowana)
{
    if (sfalsyfikowana)
        return QStringLiteral("   Hipoteza główna została sfalsyfikowana.") + NLW + Zakonczenie;
    return QStringLiteral("   Żadnej z reguł z zaznaczoną (-ymi) przez Ciebie konkluzją (-ami) potencjalnie "
                          "falsyfikującymi hipotezę główną nie udało się odpalić. Tym samym hipoteza główna nie "
                          "została sfalsyfikowana.") +
           NLW + Zakonczenie;
}

QString mieszBezWstecz()
{
    return QStringLiteral("Brak reguł zadekretowanych do wnioskowania wstecz. Wnioskowanie mieszane ograniczy się "
                          "tylko do fazy wnioskowania w przód.");
}

QString mieszBezObu()
{
    return QStringLiteral(
        "Brak reguł zadekretowanych zarówno do wnioskowania wstecz jak i w przód. Nastąpi wyjście z opcji.");
}

QString mieszBezWPrzod()
{
    return QStringLiteral("Brak reguł zadekretowanych do wnioskowania w przód. Wnioskowanie mieszane ograniczy się "
                          "tylko do fazy wnioskowania wstecz.");
}

QString mieszBezRegul()
{
    return QStringLiteral("Brak reguł wybranego systemu eksperckiego. Nastąpi wyjście z opcji.");
}

QString mieszNiewykazana()
{
    return QStringLiteral("Proces wnioskowania mieszanego zakończył się. Hipoteza główna nie została wykazana.");
}

} // namespace tremida::kom
