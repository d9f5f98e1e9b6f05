#include "Usterki.h"

#include <QHash>

namespace tremida {

namespace {

const QString Ogon = QStringLiteral("Kontrola składni reguły nie będzie kontynuowana.");
const QString OgonUsun = QStringLiteral("Usuń błąd i wejdź powtórnie w kontrolę składni reguły.");

bool jestId(const QString &id, QChar litera, int od, int doIncl)
{
    if (id.size() < 2 || id[0] != litera)
        return false;
    bool ok = false;
    const int n = id.mid(1).toInt(&ok);
    return ok && n >= od && n <= doIncl;
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

QString TRamkaReg::rodzajStalej(const QString &id) const
{
    if (id == QLatin1String("C1") || id == QLatin1String("C2"))
        return QStringLiteral(". Stała rzeczywista prosta.");
    if (id == QLatin1String("C3") || id == QLatin1String("C4"))
        return QStringLiteral(". Stała całkowita prosta.");
    if (id == QLatin1String("C5") || id == QLatin1String("C6"))
        return QStringLiteral(". Stała logiczna prosta.");
    return QStringLiteral(". Stała obliczana.");
}

QString TRamkaReg::szczegol(const QString &id) const
{
    static const QHash<QString, QString> teksty = {
        {QStringLiteral("S1"), QStringLiteral("Niezgodność liczby nawiasów zwykłych otwierających i zamykających w polu przesłankowym.")},
        {QStringLiteral("S2"), QStringLiteral("Niezgodność liczby nawiasów kwadratowych otwierających i zamykających w polu przesłankowym.")},
        {QStringLiteral("S3"), QStringLiteral("Liczba nawiasów kwadratowych otwierających lub zamykających w polu przesłankowym nieparzysta.")},
        {QStringLiteral("S4"), QStringLiteral("Niezgodność liczby nawiasów zwykłych otwierających i zamykających w konkluzji.")},
        {QStringLiteral("S5"), QStringLiteral("Niezgodność liczby nawiasów kwadratowych otwierających i zamykających w konkluzji.")},
        {QStringLiteral("S6"), QStringLiteral("Liczba nawiasów kwadratowych otwierających lub zamykających w konkluzji nierówna 2.")},
        {QStringLiteral("P1"), QStringLiteral("Błąd składni reguły. W tabeli faktów nie znaleziono faktu o nazwie wyspecyfikowanej w przesłance.")},
        {QStringLiteral("P2"), QStringLiteral("Błąd składni reguły. Niepoprawny operator porównania.")},
        {QStringLiteral("P3"), QStringLiteral("Ostrzeżenie. Stwierdzono operator \"=\" w odniesieniu do faktu rzeczywistego.")},
        {QStringLiteral("P4"), QStringLiteral("Błąd składni reguły. Stwierdzono operator inny niż \"=\" w odniesieniu do faktu wyliczeniowego.")},
        {QStringLiteral("P5"), QStringLiteral("Błąd składni reguły. Stwierdzono operator inny niż \"=\" w odniesieniu do faktu logicznego.")},
        {QStringLiteral("V1"), QStringLiteral("Błąd składni reguły. Stała nie jest typu rzeczywistego.")},
        {QStringLiteral("V2"), QStringLiteral("Błąd w tabeli stałych. Wartość stałej złej postaci.")},
        {QStringLiteral("V3"), QStringLiteral("Błąd w składni reguły. Nie znaleziono stałej w tabeli stałych, a wartość z przesłanki jest złej postaci.")},
        {QStringLiteral("V4"), QStringLiteral("Błąd składni reguły. Stała nie jest typu całkowitego.")},
        {QStringLiteral("V5"), QStringLiteral("Błąd składni reguły. Stała nie jest typu logicznego.")},
        {QStringLiteral("V6"), QStringLiteral("Błąd składni reguły. Wartości faktu z przesłanki brak w tabeli wartości faktów wyliczeniowych.")},
        {QStringLiteral("C1"), QStringLiteral(" Wartość stałej pusta.")},
        {QStringLiteral("C3"), QStringLiteral(" Wartość stałej pusta.")},
        {QStringLiteral("C5"), QStringLiteral(" Wartość stałej pusta.")},
        {QStringLiteral("C2"), QStringLiteral(" Forma wartości wadliwa - nie konwertuje się do wartości rzeczywistej.")},
        {QStringLiteral("C4"), QStringLiteral(" Forma wartości wadliwa - nie konwertuje się do wartości całkowitej.")},
        {QStringLiteral("C6"), QStringLiteral(" Forma wartości wadliwa - nie konwertuje się do wartości logicznej.")},
        {QStringLiteral("C7"), QStringLiteral(" Błąd składni reguły. Jako argument stałej obliczanej stwierdzono fakt typu wyliczeniowego.")},
        {QStringLiteral("C8"), QStringLiteral(" Błąd składni reguły. Jako argument stałej obliczanej typu logicznego stwierdzono fakt innego typu niż logiczny.")},
        {QStringLiteral("C9"), QStringLiteral(" Błąd składni reguły. Wartość faktu będącego argumentem stałej obliczanej nie konwertuje się do liczby rzeczywistej.")},
        {QStringLiteral("C10"), QStringLiteral(" Błąd składni reguły. Wartość parametru A stałej obliczanej (stała=A*fakt_jako_argument+B) nie konwertuje się do liczby.")},
        {QStringLiteral("C11"), QStringLiteral(" Błąd składni reguły. Wartość parametru B stałej obliczanej (stała=A*fakt_jako_argument+B) nie konwertuje się do liczby.")},
        {QStringLiteral("C12"), QStringLiteral(" Błąd składni reguły. Wartość faktu będącego argumentem stałej obliczanej nie konwertuje się do liczby całkowitej.")},
        {QStringLiteral("C13"), QStringLiteral(" Błąd składni reguły. Wartość faktu będącego argumentem stałej obliczanej nie jest wartością logiczną.")},
        {QStringLiteral("C14"), QStringLiteral(" W tabeli faktów nie znaleziono faktu będącego argumentem stałej.")},
        {QStringLiteral("K1"), QStringLiteral("W tabeli faktów nie znaleziono faktu o nazwie wyspecyfikowanej w konkluzji.")},
        {QStringLiteral("K2"), QStringLiteral(". Błąd składni reguły. W konkluzji stwierdzono fakt wprowadzany.")},
        {QStringLiteral("K3"), QStringLiteral(". Błąd składni reguły. W konkluzji stwierdzono inny operator niż \"=\".")},
        {QStringLiteral("K4"), QStringLiteral("Wartości faktu z konkluzji brak w tabeli wartości faktów wyliczeniowych.")},
        {QStringLiteral("K5"), QStringLiteral("Stała w konkluzji nie jest typu rzeczywistego.")},
        {QStringLiteral("K6"), QStringLiteral("Wartość stałej z konkluzji złej postaci.")},
        {QStringLiteral("K7"), QStringLiteral("Nie znaleziono stałej z konkluzji w tabeli stałych, a wartość z konkluzji jest złej postaci.")},
        {QStringLiteral("K8"), QStringLiteral("Stała w konkluzji nie jest typu całkowitego.")},
        {QStringLiteral("K9"), QStringLiteral("Stała w konkluzji nie jest typu logicznego.")},
        {QStringLiteral("R2"), QStringLiteral(". Błąd składni reguły.")},
        {QStringLiteral("R3"), QStringLiteral("Liczba nawiasów kwadratowych 0 lub nieparzysta.")},
        {QStringLiteral("R4"), QStringLiteral("W nawiasie zwykłym figuruje więcej niż jedna przesłanka, jednak brak operatora logicznego pomiędzy nimi.")},
        {QStringLiteral("R5"), QStringLiteral("Tylko jeden nawias kwadratowy otwierający na lewo od AND.")},
        {QStringLiteral("R6"), QStringLiteral("Błąd wartości logicznej przesłanki po lewej stronie operatora AND.")},
        {QStringLiteral("R7"), QStringLiteral("Błąd formy wartości CF przesłanki po lewej stronie operatora AND.")},
        {QStringLiteral("R8"), QStringLiteral("Tylko jeden nawias kwadratowy zamykający na prawo od AND.")},
        {QStringLiteral("R9"), QStringLiteral("Błąd wartości logicznej przesłanki po prawej stronie operatora AND.")},
        {QStringLiteral("R10"), QStringLiteral("Błąd formy wartości CF przesłanki po prawej stronie operatora AND.")},
        {QStringLiteral("R11"), QStringLiteral("Tylko jeden nawias kwadratowy otwierający na lewo od OR.")},
        {QStringLiteral("R12"), QStringLiteral("Błąd wartości logicznej przesłanki po lewej stronie operatora OR.")},
        {QStringLiteral("R13"), QStringLiteral("Błąd formy wartości CF przesłanki po lewej stronie operatora OR.")},
        {QStringLiteral("R14"), QStringLiteral("Tylko jeden nawias kwadratowy zamykający na prawo od OR.")},
        {QStringLiteral("R15"), QStringLiteral("Błąd wartości logicznej przesłanki po prawej stronie operatora OR")},
        {QStringLiteral("R16"), QStringLiteral("Błąd formy wartości CF przesłanki po prawej stronie operatora OR.")},
        {QStringLiteral("R17"), QStringLiteral(". Błąd składni reguły. Błąd wartości logicznej przesłanki.")},
        {QStringLiteral("R18"), QStringLiteral(". Błąd składni reguły. Błąd formy wartości CF przesłanki.")},
    };
    if (id == QLatin1String("R1"))
        return QStringLiteral("Liczba nawiasów zwykłych otwierających w polu przesłankowym") + nl +
               QStringLiteral("różni się od liczby nawiasów zwykłych zamykających.");
    return teksty.value(id);
}

QString TRamkaReg::komunikat(const TUsterkaReg &u) const
{
    const QString &id = u.id;
    const QString kod = przedrostek + u.kodReg;
    const QString przes = kod + QStringLiteral(", przesłanka ") + nrPrzesTekst(u.nrPrzes) +
                          QStringLiteral(" licząc od początku pola przesłankowego.");
    const QString bladSkladni = kod + QStringLiteral(". Błąd składni reguły.");

    if (id == QLatin1String("W1"))
        return QStringLiteral("Opis konkluzji reguły pusty. Opis ten nie warunkuje procesu wnioskowania, jednak jest "
                              "zalecany.\n\rKontrola składni reguły będzie kontynuowana.");
    if (id == QLatin1String("W2"))
        return QStringLiteral("Brak instrukcji i/lub zaleceń dla użytkownika, wynikających z konkluzji reguły.\n\r"
                              "Nie warunkują one procesu wnioskowania, jednak są konieczne z merytorycznego punktu "
                              "widzenia;\n\rsą one wizualizowane jako efekt procesu wnioskowania po \"odpaleniu\" danej "
                              "reguły.\n\rKontrola składni reguły będzie kontynuowana.");
    if (id == QLatin1String("W3"))
        return QStringLiteral("Brak opisowej charakterystyki reguły i objaśnień reguły (w tym żródła/autora reguły).\n\r"
                              "Dane te nie warunkują procesu wnioskowania, jednak są zalecane, a niekiedy konieczne, "
                              "np. ze względu na prawa autorskie.\n\rKontrola składni reguły będzie kontynuowana.");
    if (jestId(id, u'M', 1, 14)) {
        static const QHash<QString, QString> m = {
            {QStringLiteral("M1"), QStringLiteral("Kod reguły nie został wprowadzony.")},
            {QStringLiteral("M2"), QStringLiteral("Kod systemu eksperckiego (bazy wiedzy) nie został wprowadzony.")},
            {QStringLiteral("M3"), QStringLiteral("Nazwa reguły nie została wprowadzona.")},
            {QStringLiteral("M4"), QStringLiteral("Poziom reguły nie został wprowadzony.")},
            {QStringLiteral("M5"), QStringLiteral("CF reguły w fazie generowania nie został wprowadzony.")},
            {QStringLiteral("M6"), QStringLiteral("Kierunek wnioskowania reguły nie został zaznaczony.")},
            {QStringLiteral("M7"), QStringLiteral("Pole przesłankowe reguły puste.")},
            {QStringLiteral("M8"), QStringLiteral("Pole konkluzyjne reguły puste.")},
            {QStringLiteral("M9"), QStringLiteral("Forma kodu reguły niepoprawna.")},
            {QStringLiteral("M10"), QStringLiteral("Forma kodu systemu eksperckiego (bazy wiedzy) niepoprawna.")},
            {QStringLiteral("M11"), QStringLiteral("Forma poziomu reguły niepoprawna.")},
            {QStringLiteral("M13"), QStringLiteral("Forma CF reguły w fazie generowania niepoprawna.")},
            {QStringLiteral("M14"), QStringLiteral("CF reguły w fazie generowania zpoza dopuszczalnego przedziału [0,1].")},
        };
        if (id == QLatin1String("M12"))
            return QStringLiteral("Poziom reguły zpoza dopuszczalnego przedziału [1,") + QString::number(u.maxPoz) +
                   QStringLiteral("].") + ogon;
        return m.value(id) + ogon;
    }
    if (jestId(id, u'S', 1, 6))
        return kod + u'.' + nl + QStringLiteral("Błąd składni reguły.") + nl + szczegol(id) + ogon;
    if (id == QLatin1String("P3"))
        return przes + nl + szczegol(id) + nl + QStringLiteral("Możliwa zła interpretacja wartości logicznej przesłanki.") +
               nl + QStringLiteral("Wartość faktu rzeczywistego powinna być porównywana przedziałowo.") + nl +
               ostatniaLiniaP3;
    if (jestId(id, u'P', 1, 5) || jestId(id, u'V', 1, 6))
        return przes + nl + szczegol(id) + ogon;
    if (jestId(id, u'C', 1, 14)) {
        const QString stala = QString::number(u.idStala) + rodzajStalej(id) + szczegol(id) + ogon;
        if (u.wKonkluzji)
            return kod + QStringLiteral(". Stała w konkluzji o kodzie: ") + stala;
        return przes + nl + QStringLiteral("Stała w przesłance o kodzie: ") + stala;
    }
    if (id == QLatin1String("K2") || id == QLatin1String("K3"))
        return kod + szczegol(id) + ogon;
    if (id == QLatin1String("K6"))
        return kod + QStringLiteral(". Błąd w tabeli stałych.") + nl + szczegol(id) + ogon;
    if (jestId(id, u'K', 1, 9))
        return bladSkladni + nl + szczegol(id) + ogon;
    if (id == QLatin1String("R2") || id == QLatin1String("R17") || id == QLatin1String("R18"))
        return kod + szczegol(id) + ogon;
    if (jestId(id, u'R', 1, 18))
        return bladSkladni + nl + szczegol(id) + ogon;
    return QString();
}

QString komunikatSkladniaPoprawna(bool zZastrzezeniem)
{
    return zZastrzezeniem ? QStringLiteral("Składnia reguły poprawna z zastrzeżeniem.")
                          : QStringLiteral("Składnia reguły poprawna.");
}

} // namespace tremida
