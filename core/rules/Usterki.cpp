#include "Usterki.h"

#include <utility>

namespace tremida {

namespace {

const QString Ogon = QStringLiteral("Kontrola składni reguły nie będzie kontynuowana.");
const QString OgonUsun = QStringLiteral("Usuń błąd i wejdź powtórnie w kontrolę składni reguły.");

// The groups of ids in the order of IdUsterki: letter and size.
struct Grupa {
    char litera;
    int liczba;
};
constexpr Grupa Grupy[] = {{'M', 14}, {'W', 3}, {'S', 6}, {'P', 5}, {'V', 6}, {'C', 14}, {'K', 9}, {'R', 18}};

// The group of an id and the id's number in it.
std::pair<char, int> rozloz(IdUsterki id)
{
    int n = int(id);
    for (const Grupa &g : Grupy) {
        if (n < g.liczba)
            return {g.litera, n + 1};
        n -= g.liczba;
    }
    return {'?', 0};
}

} // namespace

TRamkaReg::TRamkaReg()
    : przedrostek(QStringLiteral("Kod reguły: ")), nl(NL), ogon(NL + Ogon + NL + OgonUsun),
      ostatniaLiniaP3(QStringLiteral("Kontrola składni reguły będzie mimo wszystko kontynuowana."))
{
}

TUsterkaReg TRamkaReg::wypelnij(TUsterkaReg u) const
{
    u.tekst = komunikat(u);
    return u;
}

QString TRamkaReg::nrPrzesTekst(int nr) { return QString::number(nr).rightJustified(3, u' '); }

QChar literaUsterki(IdUsterki id) { return QLatin1Char(rozloz(id).first); }

int numerUsterki(IdUsterki id) { return rozloz(id).second; }

QString tekstUsterki(IdUsterki id) { return literaUsterki(id) + QString::number(numerUsterki(id)); }

QString TRamkaReg::rodzajStalej(IdUsterki id) const
{
    switch (id) {
    case IdUsterki::C1:
    case IdUsterki::C2: return QStringLiteral(". Stała rzeczywista prosta.");
    case IdUsterki::C3:
    case IdUsterki::C4: return QStringLiteral(". Stała całkowita prosta.");
    case IdUsterki::C5:
    case IdUsterki::C6: return QStringLiteral(". Stała logiczna prosta.");
    default: return QStringLiteral(". Stała obliczana.");
    }
}

QString TRamkaReg::szczegol(IdUsterki id) const
{
    switch (id) {
    case IdUsterki::S1: return QStringLiteral("Niezgodność liczby nawiasów zwykłych otwierających i zamykających w polu przesłankowym.");
    case IdUsterki::S2: return QStringLiteral("Niezgodność liczby nawiasów kwadratowych otwierających i zamykających w polu przesłankowym.");
    case IdUsterki::S3: return QStringLiteral("Liczba nawiasów kwadratowych otwierających lub zamykających w polu przesłankowym nieparzysta.");
    case IdUsterki::S4: return QStringLiteral("Niezgodność liczby nawiasów zwykłych otwierających i zamykających w konkluzji.");
    case IdUsterki::S5: return QStringLiteral("Niezgodność liczby nawiasów kwadratowych otwierających i zamykających w konkluzji.");
    case IdUsterki::S6: return QStringLiteral("Liczba nawiasów kwadratowych otwierających lub zamykających w konkluzji nierówna 2.");
    case IdUsterki::P1: return QStringLiteral("Błąd składni reguły. W tabeli faktów nie znaleziono faktu o nazwie wyspecyfikowanej w przesłance.");
    case IdUsterki::P2: return QStringLiteral("Błąd składni reguły. Niepoprawny operator porównania.");
    case IdUsterki::P3: return QStringLiteral("Ostrzeżenie. Stwierdzono operator \"=\" w odniesieniu do faktu rzeczywistego.");
    case IdUsterki::P4: return QStringLiteral("Błąd składni reguły. Stwierdzono operator inny niż \"=\" w odniesieniu do faktu wyliczeniowego.");
    case IdUsterki::P5: return QStringLiteral("Błąd składni reguły. Stwierdzono operator inny niż \"=\" w odniesieniu do faktu logicznego.");
    case IdUsterki::V1: return QStringLiteral("Błąd składni reguły. Stała nie jest typu rzeczywistego.");
    case IdUsterki::V2: return QStringLiteral("Błąd w tabeli stałych. Wartość stałej złej postaci.");
    case IdUsterki::V3: return QStringLiteral("Błąd w składni reguły. Nie znaleziono stałej w tabeli stałych, a wartość z przesłanki jest złej postaci.");
    case IdUsterki::V4: return QStringLiteral("Błąd składni reguły. Stała nie jest typu całkowitego.");
    case IdUsterki::V5: return QStringLiteral("Błąd składni reguły. Stała nie jest typu logicznego.");
    case IdUsterki::V6: return QStringLiteral("Błąd składni reguły. Wartości faktu z przesłanki brak w tabeli wartości faktów wyliczeniowych.");
    case IdUsterki::C1: return QStringLiteral(" Wartość stałej pusta.");
    case IdUsterki::C3: return QStringLiteral(" Wartość stałej pusta.");
    case IdUsterki::C5: return QStringLiteral(" Wartość stałej pusta.");
    case IdUsterki::C2: return QStringLiteral(" Forma wartości wadliwa - nie konwertuje się do wartości rzeczywistej.");
    case IdUsterki::C4: return QStringLiteral(" Forma wartości wadliwa - nie konwertuje się do wartości całkowitej.");
    case IdUsterki::C6: return QStringLiteral(" Forma wartości wadliwa - nie konwertuje się do wartości logicznej.");
    case IdUsterki::C7: return QStringLiteral(" Błąd składni reguły. Jako argument stałej obliczanej stwierdzono fakt typu wyliczeniowego.");
    case IdUsterki::C8: return QStringLiteral(" Błąd składni reguły. Jako argument stałej obliczanej typu logicznego stwierdzono fakt innego typu niż logiczny.");
    case IdUsterki::C9: return QStringLiteral(" Błąd składni reguły. Wartość faktu będącego argumentem stałej obliczanej nie konwertuje się do liczby rzeczywistej.");
    case IdUsterki::C10: return QStringLiteral(" Błąd składni reguły. Wartość parametru A stałej obliczanej (stała=A*fakt_jako_argument+B) nie konwertuje się do liczby.");
    case IdUsterki::C11: return QStringLiteral(" Błąd składni reguły. Wartość parametru B stałej obliczanej (stała=A*fakt_jako_argument+B) nie konwertuje się do liczby.");
    case IdUsterki::C12: return QStringLiteral(" Błąd składni reguły. Wartość faktu będącego argumentem stałej obliczanej nie konwertuje się do liczby całkowitej.");
    case IdUsterki::C13: return QStringLiteral(" Błąd składni reguły. Wartość faktu będącego argumentem stałej obliczanej nie jest wartością logiczną.");
    case IdUsterki::C14: return QStringLiteral(" W tabeli faktów nie znaleziono faktu będącego argumentem stałej.");
    case IdUsterki::K1: return QStringLiteral("W tabeli faktów nie znaleziono faktu o nazwie wyspecyfikowanej w konkluzji.");
    case IdUsterki::K2: return QStringLiteral(". Błąd składni reguły. W konkluzji stwierdzono fakt wprowadzany.");
    case IdUsterki::K3: return QStringLiteral(". Błąd składni reguły. W konkluzji stwierdzono inny operator niż \"=\".");
    case IdUsterki::K4: return QStringLiteral("Wartości faktu z konkluzji brak w tabeli wartości faktów wyliczeniowych.");
    case IdUsterki::K5: return QStringLiteral("Stała w konkluzji nie jest typu rzeczywistego.");
    case IdUsterki::K6: return QStringLiteral("Wartość stałej z konkluzji złej postaci.");
    case IdUsterki::K7: return QStringLiteral("Nie znaleziono stałej z konkluzji w tabeli stałych, a wartość z konkluzji jest złej postaci.");
    case IdUsterki::K8: return QStringLiteral("Stała w konkluzji nie jest typu całkowitego.");
    case IdUsterki::K9: return QStringLiteral("Stała w konkluzji nie jest typu logicznego.");
    case IdUsterki::R2: return QStringLiteral(". Błąd składni reguły.");
    case IdUsterki::R3: return QStringLiteral("Liczba nawiasów kwadratowych 0 lub nieparzysta.");
    case IdUsterki::R4: return QStringLiteral("W nawiasie zwykłym figuruje więcej niż jedna przesłanka, jednak brak operatora logicznego pomiędzy nimi.");
    case IdUsterki::R5: return QStringLiteral("Tylko jeden nawias kwadratowy otwierający na lewo od AND.");
    case IdUsterki::R6: return QStringLiteral("Błąd wartości logicznej przesłanki po lewej stronie operatora AND.");
    case IdUsterki::R7: return QStringLiteral("Błąd formy wartości CF przesłanki po lewej stronie operatora AND.");
    case IdUsterki::R8: return QStringLiteral("Tylko jeden nawias kwadratowy zamykający na prawo od AND.");
    case IdUsterki::R9: return QStringLiteral("Błąd wartości logicznej przesłanki po prawej stronie operatora AND.");
    case IdUsterki::R10: return QStringLiteral("Błąd formy wartości CF przesłanki po prawej stronie operatora AND.");
    case IdUsterki::R11: return QStringLiteral("Tylko jeden nawias kwadratowy otwierający na lewo od OR.");
    case IdUsterki::R12: return QStringLiteral("Błąd wartości logicznej przesłanki po lewej stronie operatora OR.");
    case IdUsterki::R13: return QStringLiteral("Błąd formy wartości CF przesłanki po lewej stronie operatora OR.");
    case IdUsterki::R14: return QStringLiteral("Tylko jeden nawias kwadratowy zamykający na prawo od OR.");
    case IdUsterki::R15: return QStringLiteral("Błąd wartości logicznej przesłanki po prawej stronie operatora OR");
    case IdUsterki::R16: return QStringLiteral("Błąd formy wartości CF przesłanki po prawej stronie operatora OR.");
    case IdUsterki::R17: return QStringLiteral(". Błąd składni reguły. Błąd wartości logicznej przesłanki.");
    case IdUsterki::R18: return QStringLiteral(". Błąd składni reguły. Błąd formy wartości CF przesłanki.");
    case IdUsterki::R1:
        return QStringLiteral("Liczba nawiasów zwykłych otwierających w polu przesłankowym") + nl +
               QStringLiteral("różni się od liczby nawiasów zwykłych zamykających.");
    default:
        return QString();
    }
}

QString TRamkaReg::komunikat(const TUsterkaReg &u) const
{
    const IdUsterki id = u.id;
    using enum IdUsterki;
    const QString kod = przedrostek + u.kodReg;
    const QString przes = kod + QStringLiteral(", przesłanka ") + nrPrzesTekst(u.nrPrzes) +
                          QStringLiteral(" licząc od początku pola przesłankowego.");
    const QString bladSkladni = kod + QStringLiteral(". Błąd składni reguły.");

    if (id == W1)
        return QStringLiteral("Opis konkluzji reguły pusty. Opis ten nie warunkuje procesu wnioskowania, jednak jest "
                              "zalecany.\n\rKontrola składni reguły będzie kontynuowana.");
    if (id == W2)
        return QStringLiteral("Brak instrukcji i/lub zaleceń dla użytkownika, wynikających z konkluzji reguły.\n\r"
                              "Nie warunkują one procesu wnioskowania, jednak są konieczne z merytorycznego punktu "
                              "widzenia;\n\rsą one wizualizowane jako efekt procesu wnioskowania po \"odpaleniu\" danej "
                              "reguły.\n\rKontrola składni reguły będzie kontynuowana.");
    if (id == W3)
        return QStringLiteral("Brak opisowej charakterystyki reguły i objaśnień reguły (w tym żródła/autora reguły).\n\r"
                              "Dane te nie warunkują procesu wnioskowania, jednak są zalecane, a niekiedy konieczne, "
                              "np. ze względu na prawa autorskie.\n\rKontrola składni reguły będzie kontynuowana.");
    if (wZakresie(id, M1, M14)) {
        switch (id) {
        case M1: return QStringLiteral("Kod reguły nie został wprowadzony.") + ogon;
        case M2: return QStringLiteral("Kod systemu eksperckiego (bazy wiedzy) nie został wprowadzony.") + ogon;
        case M3: return QStringLiteral("Nazwa reguły nie została wprowadzona.") + ogon;
        case M4: return QStringLiteral("Poziom reguły nie został wprowadzony.") + ogon;
        case M5: return QStringLiteral("CF reguły w fazie generowania nie został wprowadzony.") + ogon;
        case M6: return QStringLiteral("Kierunek wnioskowania reguły nie został zaznaczony.") + ogon;
        case M7: return QStringLiteral("Pole przesłankowe reguły puste.") + ogon;
        case M8: return QStringLiteral("Pole konkluzyjne reguły puste.") + ogon;
        case M9: return QStringLiteral("Forma kodu reguły niepoprawna.") + ogon;
        case M10: return QStringLiteral("Forma kodu systemu eksperckiego (bazy wiedzy) niepoprawna.") + ogon;
        case M11: return QStringLiteral("Forma poziomu reguły niepoprawna.") + ogon;
        case M13: return QStringLiteral("Forma CF reguły w fazie generowania niepoprawna.") + ogon;
        case M14: return QStringLiteral("CF reguły w fazie generowania zpoza dopuszczalnego przedziału [0,1].") + ogon;
        default: // M12
            return QStringLiteral("Poziom reguły zpoza dopuszczalnego przedziału [1,") + QString::number(u.maxPoz) +
                   QStringLiteral("].") + ogon;
        }
    }
    if (wZakresie(id, S1, S6))
        return kod + u'.' + nl + QStringLiteral("Błąd składni reguły.") + nl + szczegol(id) + ogon;
    if (id == P3)
        return przes + nl + szczegol(id) + nl + QStringLiteral("Możliwa zła interpretacja wartości logicznej przesłanki.") +
               nl + QStringLiteral("Wartość faktu rzeczywistego powinna być porównywana przedziałowo.") + nl +
               ostatniaLiniaP3;
    if (wZakresie(id, P1, P5) || wZakresie(id, V1, V6))
        return przes + nl + szczegol(id) + ogon;
    if (wZakresie(id, C1, C14)) {
        const QString stala = QString::number(u.idStala) + rodzajStalej(id) + szczegol(id) + ogon;
        if (u.wKonkluzji)
            return kod + QStringLiteral(". Stała w konkluzji o kodzie: ") + stala;
        return przes + nl + QStringLiteral("Stała w przesłance o kodzie: ") + stala;
    }
    if (id == K2 || id == K3)
        return kod + szczegol(id) + ogon;
    if (id == K6)
        return kod + QStringLiteral(". Błąd w tabeli stałych.") + nl + szczegol(id) + ogon;
    if (wZakresie(id, K1, K9))
        return bladSkladni + nl + szczegol(id) + ogon;
    if (id == R2 || id == R17 || id == R18)
        return kod + szczegol(id) + ogon;
    return bladSkladni + nl + szczegol(id) + ogon; // R1, R3 to R16
}

QString komunikatSkladniaPoprawna(bool zZastrzezeniem)
{
    return zZastrzezeniem ? QStringLiteral("Składnia reguły poprawna z zastrzeżeniem.")
                          : QStringLiteral("Składnia reguły poprawna.");
}

} // namespace tremida
