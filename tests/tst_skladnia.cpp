// The rule scanner, literal forms, constants and every message of the one-rule syntax check.

#include "app/ParKonfig.h"
#include "rules/KontrReg.h"
#include "rules/Stale.h"
#include "support/RekordyReg.h"

#include <QTest>

using namespace tremida;
using namespace tremida::test;

namespace {

const QString Tail = QStringLiteral("\n\rKontrola składni reguły nie będzie kontynuowana."
                                    "\n\rUsuń błąd i wejdź powtórnie w kontrolę składni reguły.");
const QString Poprawna = QStringLiteral("Składnia reguły poprawna.");
const QString PoprawnaZZastrz = QStringLiteral("Składnia reguły poprawna z zastrzeżeniem.");

QString przes(const QString &nnn, const QString &detal)
{
    return "Kod reguły: 7, przesłanka " + nnn + " licząc od początku pola przesłankowego.\n\r" + detal + Tail;
}
QString stalaPrzes(const QString &nnn, int id, const QString &rodzaj, const QString &detal)
{
    return "Kod reguły: 7, przesłanka " + nnn + " licząc od początku pola przesłankowego.\n\rStała w przesłance o kodzie: " +
           QString::number(id) + rodzaj + detal + Tail;
}
QString bladSkl(const QString &detal) { return "Kod reguły: 7. Błąd składni reguły.\n\r" + detal + Tail; }
QString surowe(const QString &detal) { return "Kod reguły: 7.\n\rBłąd składni reguły.\n\r" + detal + Tail; }


TDaneReg kociol()
{
    TDaneReg d;
    d.fakty = {
        fakt(1, "kolor plomienia", "wprowadzany", "wyliczeniowy"),
        fakt(2, "temperatura pary", "wprowadzany", "rzeczywisty"),
        fakt(3, "liczba palnikow", "wprowadzany", "calkowity"),
        fakt(4, "awaria", "posredni", "logiczny"),
        fakt(5, "stan kotla", "koncowy", "wyliczeniowy"),
        fakt(6, "cisnienie", "posredni", "rzeczywisty"),
        fakt(7, "zuzycie", "posredni", "calkowity"),
        fakt(8, "temperatura (C)", "wprowadzany", "rzeczywisty"),
        fakt(9, "źródło", "wprowadzany", "logiczny"),
        fakt(10, "x rzecz", "wprowadzany", "rzeczywisty", "3"),
        fakt(11, "x calk", "wprowadzany", "calkowity", "3"),
        fakt(12, "x log", "wprowadzany", "logiczny", "true"),
        fakt(13, "x brak", "wprowadzany", "rzeczywisty", "???"),
        fakt(14, "x zly", "wprowadzany", "rzeczywisty", "abc"),
        fakt(15, "y calk", "wprowadzany", "calkowity", "5,0"),
        fakt(16, "y log", "wprowadzany", "logiczny", "moze"),
        fakt(18, "stan (A", "wprowadzany", "calkowity"),
    };
    TRekFakt obcy = fakt(17, "awaria", "posredni", "rzeczywisty");
    obcy.KodSyst = 2;
    d.fakty.append(obcy);
    d.wartosci = {wartosc(1, 1, "czerwony"), wartosc(2, 1, "niebieski"), wartosc(3, 5, "dobry"),
                  wartosc(4, 5, "zly")};
    d.stale = {
        prosta(1, "maks", "rzeczywista", "541"),
        prosta(2, "pusta r", "rzeczywista", ""),
        prosta(3, "zla r", "rzeczywista", "1,2,3"),
        prosta(4, "pusta c", "calkowita", ""),
        prosta(5, "zla c", "calkowita", "5,0"),
        prosta(6, "pusta l", "logiczna", ""),
        prosta(7, "zla l", "logiczna", "moze"),
        prosta(8, "nieznana", "logiczna", "UNKNOWN"),
        obliczana(9, "obl wyl", "rzeczywista", 1),
        obliczana(10, "obl log", "logiczna", 10),
        obliczana(11, "obl zly x", "rzeczywista", 14),
        obliczana(12, "obl zle A", "rzeczywista", 10, "x"),
        obliczana(13, "obl zle B", "rzeczywista", 10, "1", "y"),
        obliczana(14, "obl calk", "calkowita", 11, "1,5", "-2"),
        obliczana(15, "obl brak", "calkowita", 13),
        prosta(16, "5", "rzeczywista", "5"),
        obliczana(17, "obl zly c", "calkowita", 15),
        obliczana(18, "obl zly l", "logiczna", 16),
        obliczana(19, "obl rzecz", "calkowita", 10, "1,5", "-2"),
        obliczana(20, "obl bez arg", "rzeczywista", 999),
        prosta(21, "ciepło", "logiczna", "true"),
        obliczana(22, "obl prawda", "logiczna", 12),
    };
    return d;
}

TPolaReg regula(const QString &przesReg, const QString &konkl = "[stan kotla]=[zly]")
{
    TPolaReg p;
    p.IdReg = "7";
    p.KodSyst = "1";
    p.NazReg = "przegrzanie";
    p.PozReg = "1";
    p.CFReg = "0,9";
    p.KierWniReg = "oba";
    p.PrzesReg = przesReg;
    p.KonklReg = konkl;
    p.OpisKonklReg = "opis";
    p.InstrReg = "instrukcja";
    p.OpisReg = "charakterystyka";
    return p;
}

QStringList sprawdz(const TPolaReg &p, int maxPoz = 10)
{
    TParKonfig k;
    k.MaxPozReg = maxPoz;
    return KontrSkladniReg(p, kociol(), k).komunikaty();
}

} // namespace

namespace {

// A computed constant of a type, its argument and parameters A and B, and the value or fault expected.
struct StalaObliczana {
    QString typ, x, a, b, wynik;
};

} // namespace

Q_DECLARE_METATYPE(StalaObliczana)

class TstSkladnia : public QObject {
    Q_OBJECT
private slots:
    void skaner()
    {
        const TSkanPola s = SkanujPolePrzes("NOT ( [temperatura pary]\n\r> =\r\n[ 541 ] )\nAND [kolor\n plomienia]=[czer\r\nwony]");
        QCOMPARE(s.przes.size(), 2);
        QCOMPARE(s.przes[0].nazFakt, QStringLiteral("temperatura pary"));
        QCOMPARE(s.przes[0].oper, QStringLiteral(">="));
        QCOMPARE(s.przes[0].wart, QStringLiteral(" 541 "));
        QCOMPARE(s.przes[1].nazFakt, QStringLiteral("kolor plomienia"));
        QCOMPARE(s.przes[1].wart, QStringLiteral("czerwony"));
        QCOMPARE(s.przes[1].nr, 2);
        QCOMPARE(s.miedzy, (QStringList{"NOT(", ")AND", ""}));
        QCOMPARE(s.tekstTokenow({"<1>", "<2>"}), QStringLiteral("NOT(<1>)AND<2>"));
        const auto k = SkanujKonkl("NOT [stan kotla] = [zly] reszta");
        QVERIFY(k);
        QCOMPARE(k->nazFakt, QStringLiteral("stan kotla"));
        QCOMPARE(k->oper, QStringLiteral("="));
        QCOMPARE(k->wart, QStringLiteral("zly"));
    }

    void komunikaty_data()
    {
        QTest::addColumn<QString>("przesReg");
        QTest::addColumn<QString>("konkl");
        QTest::addColumn<QStringList>("oczekiwane");
        const QString K = "[stan kotla]=[zly]";
        auto row = [&](const char *nazwa, const QString &p, const QStringList &o, const QString &k = "[stan kotla]=[zly]") {
            QTest::newRow(nazwa) << p << k << o;
        };
        row("enumerated premise alone", "[kolor plomienia]=[czerwony]", {Poprawna});
        row("operator with blanks", "[liczba palnikow] > = [3]", {Poprawna});
        row("blanks around a literal", "[temperatura pary]>[ 541 ]", {Poprawna});
        row("blank in an enumerated value V6", "[kolor plomienia]=[ czerwony]",
            {przes("  1", "Błąd składni reguły. Wartości faktu z przesłanki brak w tabeli wartości faktów wyliczeniowych.")});
        row("blank in a fact name P1", "[ temperatura pary]>[541]",
            {przes("  1", "Błąd składni reguły. W tabeli faktów nie znaleziono faktu o nazwie wyspecyfikowanej w przesłance.")});
        row("fact of another system P1", "[liczba palnikow]>[1] AND [x]>[1]",
            {przes("  2", "Błąd składni reguły. W tabeli faktów nie znaleziono faktu o nazwie wyspecyfikowanej w przesłance.")});
        row("real with comma", "[temperatura pary]>[13,3]", {Poprawna});
        row("real with point", "[temperatura pary]>[13.3]", {Poprawna});
        row("real with exponent", "[temperatura pary]>[+2,67E-02]", {Poprawna});
        row("real with inner blank", "[temperatura pary]>[1 000]", {Poprawna});
        const QString v3 = "Błąd w składni reguły. Nie znaleziono stałej w tabeli stałych, a wartość z przesłanki jest złej postaci.";
        row("real with two commas V3", "[temperatura pary]>[1,2,3]", {przes("  1", v3)});
        row("integer with comma V3", "[liczba palnikow]>[5,0]", {przes("  1", v3)});
        row("logical lower case", "[awaria]=[true]", {Poprawna});
        row("logical mixed case", "[awaria]=[False]", {Poprawna});
        row("logical UNKNOWN V3", "[awaria]=[UNKNOWN]", {przes("  1", v3)});
        row("real with = warns P3", "[temperatura pary]=[541]",
            {"Kod reguły: 7, przesłanka   1 licząc od początku pola przesłankowego.\n\rOstrzeżenie. Stwierdzono operator "
             "\"=\" w odniesieniu do faktu rzeczywistego.\n\rMożliwa zła interpretacja wartości logicznej przesłanki.\n\r"
             "Wartość faktu rzeczywistego powinna być porównywana przedziałowo.\n\rKontrola składni reguły będzie mimo "
             "wszystko kontynuowana.",
             PoprawnaZZastrz});
        row("enumerated with > P4", "[kolor plomienia]>[czerwony]",
            {przes("  1", "Błąd składni reguły. Stwierdzono operator inny niż \"=\" w odniesieniu do faktu wyliczeniowego.")});
        row("logical with > P5", "[awaria]>[TRUE]",
            {przes("  1", "Błąd składni reguły. Stwierdzono operator inny niż \"=\" w odniesieniu do faktu logicznego.")});
        row("unknown operator P2", "[liczba palnikow]=>[3]", {przes("  1", "Błąd składni reguły. Niepoprawny operator porównania.")});
        row("integer accepts every operator",
            "[liczba palnikow]=[1] OR [liczba palnikow]>[1] OR [liczba palnikow]>=[1] OR [liczba palnikow]<[1] OR "
            "[liczba palnikow]<=[1]",
            {Poprawna});
        row("constant shadows a literal V4", "[liczba palnikow]=[5]",
            {przes("  1", "Błąd składni reguły. Stała nie jest typu całkowitego.")});
        row("constant of the right type", "[temperatura pary]>[maks]", {Poprawna});
        row("real fact with logical constant V1", "[temperatura pary]>[ciepło]",
            {przes("  1", "Błąd składni reguły. Stała nie jest typu rzeczywistego.")});
        row("logical fact with real constant V5", "[awaria]=[maks]",
            {przes("  1", "Błąd składni reguły. Stała nie jest typu logicznego.")});
        row("logical constant UNKNOWN V2", "[awaria]=[nieznana]",
            {przes("  1", "Błąd w tabeli stałych. Wartość stałej złej postaci.")});
        row("empty real constant C1", "[temperatura pary]>[pusta r]",
            {stalaPrzes("  1", 2, ". Stała rzeczywista prosta.", " Wartość stałej pusta.")});
        row("bad real constant C2", "[temperatura pary]>[zla r]",
            {stalaPrzes("  1", 3, ". Stała rzeczywista prosta.",
                        " Forma wartości wadliwa - nie konwertuje się do wartości rzeczywistej.")});
        row("empty integer constant C3", "[liczba palnikow]>[pusta c]",
            {stalaPrzes("  1", 4, ". Stała całkowita prosta.", " Wartość stałej pusta.")});
        row("bad integer constant C4", "[liczba palnikow]>[zla c]",
            {stalaPrzes("  1", 5, ". Stała całkowita prosta.",
                        " Forma wartości wadliwa - nie konwertuje się do wartości całkowitej.")});
        row("empty logical constant C5", "[awaria]=[pusta l]",
            {stalaPrzes("  1", 6, ". Stała logiczna prosta.", " Wartość stałej pusta.")});
        row("bad logical constant C6", "[awaria]=[zla l]",
            {stalaPrzes("  1", 7, ". Stała logiczna prosta.",
                        " Forma wartości wadliwa - nie konwertuje się do wartości logicznej.")});
        row("computed with enumerated argument C7", "[temperatura pary]>[obl wyl]",
            {stalaPrzes("  1", 9, ". Stała obliczana.",
                        " Błąd składni reguły. Jako argument stałej obliczanej stwierdzono fakt typu wyliczeniowego.")});
        row("logical computed with real argument C8", "[awaria]=[obl log]",
            {stalaPrzes("  1", 10, ". Stała obliczana.",
                        " Błąd składni reguły. Jako argument stałej obliczanej typu logicznego stwierdzono fakt innego "
                        "typu niż logiczny.")});
        row("bad real argument C9", "[temperatura pary]>[obl zly x]",
            {stalaPrzes("  1", 11, ". Stała obliczana.",
                        " Błąd składni reguły. Wartość faktu będącego argumentem stałej obliczanej nie konwertuje się do "
                        "liczby rzeczywistej.")});
        row("bad A C10", "[temperatura pary]>[obl zle A]",
            {stalaPrzes("  1", 12, ". Stała obliczana.",
                        " Błąd składni reguły. Wartość parametru A stałej obliczanej (stała=A*fakt_jako_argument+B) nie "
                        "konwertuje się do liczby.")});
        row("bad B C11", "[temperatura pary]>[obl zle B]",
            {stalaPrzes("  1", 13, ". Stała obliczana.",
                        " Błąd składni reguły. Wartość parametru B stałej obliczanej (stała=A*fakt_jako_argument+B) nie "
                        "konwertuje się do liczby.")});
        row("bad integer argument C12", "[liczba palnikow]>[obl zly c]",
            {stalaPrzes("  1", 17, ". Stała obliczana.",
                        " Błąd składni reguły. Wartość faktu będącego argumentem stałej obliczanej nie konwertuje się do "
                        "liczby całkowitej.")});
        row("bad logical argument C13", "[awaria]=[obl zly l]",
            {stalaPrzes("  1", 18, ". Stała obliczana.",
                        " Błąd składni reguły. Wartość faktu będącego argumentem stałej obliczanej nie jest wartością "
                        "logiczną.")});
        row("computed integer constant from integer argument", "[liczba palnikow]>[obl calk]", {Poprawna});
        row("computed constant with a fraction V2", "[liczba palnikow]>[obl rzecz]",
            {przes("  1", "Błąd w tabeli stałych. Wartość stałej złej postaci.")});
        row("computed constant without value accepted", "[liczba palnikow]>[obl brak]", {Poprawna});
        row("computed logical constant", "[awaria]=[obl prawda]", {Poprawna});
        row("computed constant without argument fact", "[temperatura pary]>[obl bez arg]",
            {stalaPrzes("  1", 20, ". Stała obliczana.", " W tabeli faktów nie znaleziono faktu będącego argumentem stałej.")});
        row("name with parentheses", "([temperatura (C)]>[5])", {Poprawna});
        row("non-ASCII names", "[źródło]=[ciepło]", {Poprawna});
        row("twelfth premise ordinal",
            QString("[liczba palnikow]>[1] AND ").repeated(11) + "[liczba palnikow]>[x]", {przes(" 12", v3)});
        row("NOT NOT R2", "NOT NOT [liczba palnikow]>[1]", {"Kod reguły: 7. Błąd składni reguły." + Tail});
        row("two premises without operator R4", "[liczba palnikow]>[1] [liczba palnikow]<[9]",
            {bladSkl("W nawiasie zwykłym figuruje więcej niż jedna przesłanka, jednak brak operatora logicznego pomiędzy nimi.")});
        row("lower-case and R4", "[liczba palnikow]>[1] and [liczba palnikow]<[9]",
            {bladSkl("W nawiasie zwykłym figuruje więcej niż jedna przesłanka, jednak brak operatora logicznego pomiędzy nimi.")});
        row("parentheses in the wrong order pass", "[liczba palnikow]>[1]) AND ([liczba palnikow]<[9]", {Poprawna});
        row("unbalanced parentheses in names R1", "[stan (A]>[1] AND [liczba palnikow]<[9])",
            {bladSkl("Liczba nawiasów zwykłych otwierających w polu przesłankowym\n\rróżni się od liczby nawiasów "
                     "zwykłych zamykających.")});
        row("S1", "([liczba palnikow]>[1]",
            {surowe("Niezgodność liczby nawiasów zwykłych otwierających i zamykających w polu przesłankowym.")});
        row("S2", "[liczba palnikow]>[1",
            {surowe("Niezgodność liczby nawiasów kwadratowych otwierających i zamykających w polu przesłankowym.")});
        row("S3", "[liczba palnikow]>[1] [x]",
            {surowe("Liczba nawiasów kwadratowych otwierających lub zamykających w polu przesłankowym nieparzysta.")});
        row("S4", "[liczba palnikow]>[1]",
            {surowe("Niezgodność liczby nawiasów zwykłych otwierających i zamykających w konkluzji.")}, "([stan kotla]=[zly]");
        row("S5 before lookup", "[liczba palnikow]>[1]",
            {surowe("Niezgodność liczby nawiasów kwadratowych otwierających i zamykających w konkluzji.")},
            "[temperatura pary]=[[1]");
        row("S6", "[liczba palnikow]>[1]",
            {surowe("Liczba nawiasów kwadratowych otwierających lub zamykających w konkluzji nierówna 2.")},
            "[stan kotla]=[zly][x]");
        row("conclusion with NOT passes", "[liczba palnikow]>[1]", {Poprawna}, "NOT [stan kotla]=[zly]");
        row("K1", "[liczba palnikow]>[1]",
            {bladSkl("W tabeli faktów nie znaleziono faktu o nazwie wyspecyfikowanej w konkluzji.")}, "[brak]=[x]");
        row("K2 before a wrong operator", "[liczba palnikow]>[1]",
            {"Kod reguły: 7. Błąd składni reguły. W konkluzji stwierdzono fakt wprowadzany." + Tail},
            "[temperatura pary]>[5]");
        row("K3", "[liczba palnikow]>[1]",
            {"Kod reguły: 7. Błąd składni reguły. W konkluzji stwierdzono inny operator niż \"=\"." + Tail},
            "[cisnienie]>[5]");
        row("K4", "[liczba palnikow]>[1]",
            {bladSkl("Wartości faktu z konkluzji brak w tabeli wartości faktów wyliczeniowych.")}, "[stan kotla]=[sredni]");
        row("K5", "[liczba palnikow]>[1]", {bladSkl("Stała w konkluzji nie jest typu rzeczywistego.")}, "[cisnienie]=[ciepło]");
        row("K8", "[liczba palnikow]>[1]", {bladSkl("Stała w konkluzji nie jest typu całkowitego.")}, "[zuzycie]=[maks]");
        row("K9", "[liczba palnikow]>[1]", {bladSkl("Stała w konkluzji nie jest typu logicznego.")}, "[awaria]=[maks]");
        row("K6", "[liczba palnikow]>[1]",
            {"Kod reguły: 7. Błąd w tabeli stałych.\n\rWartość stałej z konkluzji złej postaci." + Tail},
            "[awaria]=[nieznana]");
        row("K7", "[liczba palnikow]>[1]",
            {bladSkl("Nie znaleziono stałej z konkluzji w tabeli stałych, a wartość z konkluzji jest złej postaci.")},
            "[cisnienie]=[abc]");
        row("C7 in the conclusion", "[liczba palnikow]>[1]",
            {"Kod reguły: 7. Stała w konkluzji o kodzie: 9. Stała obliczana. Błąd składni reguły. Jako argument stałej "
             "obliczanej stwierdzono fakt typu wyliczeniowego." + Tail},
            "[cisnienie]=[obl wyl]");
        row("computed constant without value in the conclusion", "[liczba palnikow]>[1]", {Poprawna},
            "[zuzycie]=[obl brak]");
        row("conclusion with a constant", "[liczba palnikow]>[1]", {Poprawna}, "[cisnienie]=[maks]");
    }
    void komunikaty()
    {
        QFETCH(QString, przesReg);
        QFETCH(QString, konkl);
        QFETCH(QStringList, oczekiwane);
        QCOMPARE(sprawdz(regula(przesReg, konkl)), oczekiwane);
    }

    void pola_data()
    {
        QTest::addColumn<QString>("pole");
        QTest::addColumn<QString>("wartosc");
        QTest::addColumn<QStringList>("oczekiwane");
        auto m = [](const QString &t) { return QStringList{t + Tail}; };
        QTest::newRow("M1") << "IdReg" << "" << m("Kod reguły nie został wprowadzony.");
        QTest::newRow("M2") << "KodSyst" << "" << m("Kod systemu eksperckiego (bazy wiedzy) nie został wprowadzony.");
        QTest::newRow("M3") << "NazReg" << "" << m("Nazwa reguły nie została wprowadzona.");
        QTest::newRow("M4") << "PozReg" << "" << m("Poziom reguły nie został wprowadzony.");
        QTest::newRow("M5") << "CFReg" << "" << m("CF reguły w fazie generowania nie został wprowadzony.");
        QTest::newRow("M6") << "KierWniReg" << "" << m("Kierunek wnioskowania reguły nie został zaznaczony.");
        QTest::newRow("M7") << "PrzesReg" << "" << m("Pole przesłankowe reguły puste.");
        QTest::newRow("M8") << "KonklReg" << "" << m("Pole konkluzyjne reguły puste.");
        QTest::newRow("M9") << "IdReg" << "7a" << QStringList{"Forma kodu reguły niepoprawna." + Tail};
        QTest::newRow("M10") << "KodSyst" << "1,0" << m("Forma kodu systemu eksperckiego (bazy wiedzy) niepoprawna.");
        QTest::newRow("M11") << "PozReg" << "x" << m("Forma poziomu reguły niepoprawna.");
        QTest::newRow("M12 level 0") << "PozReg" << "0" << m("Poziom reguły zpoza dopuszczalnego przedziału [1,10].");
        QTest::newRow("M12 level max+1") << "PozReg" << "11" << m("Poziom reguły zpoza dopuszczalnego przedziału [1,10].");
        QTest::newRow("level max passes") << "PozReg" << "10" << QStringList{Poprawna};
        QTest::newRow("M13") << "CFReg" << "0,5x" << m("Forma CF reguły w fazie generowania niepoprawna.");
        QTest::newRow("M14") << "CFReg" << "1,01" << m("CF reguły w fazie generowania zpoza dopuszczalnego przedziału [0,1].");
        QTest::newRow("CF 0 passes") << "CFReg" << "0" << QStringList{Poprawna};
        QTest::newRow("CF 1 passes") << "CFReg" << "1" << QStringList{Poprawna};
        QTest::newRow("W1") << "OpisKonklReg" << ""
                            << QStringList{"Opis konkluzji reguły pusty. Opis ten nie warunkuje procesu wnioskowania, "
                                           "jednak jest zalecany.\n\rKontrola składni reguły będzie kontynuowana.",
                                           PoprawnaZZastrz};
        QTest::newRow("W2") << "InstrReg" << ""
                            << QStringList{"Brak instrukcji i/lub zaleceń dla użytkownika, wynikających z konkluzji "
                                           "reguły.\n\rNie warunkują one procesu wnioskowania, jednak są konieczne z "
                                           "merytorycznego punktu widzenia;\n\rsą one wizualizowane jako efekt procesu "
                                           "wnioskowania po \"odpaleniu\" danej reguły.\n\rKontrola składni reguły będzie "
                                           "kontynuowana.",
                                           PoprawnaZZastrz};
        QTest::newRow("W3") << "OpisReg" << ""
                            << QStringList{"Brak opisowej charakterystyki reguły i objaśnień reguły (w tym żródła/autora "
                                           "reguły).\n\rDane te nie warunkują procesu wnioskowania, jednak są zalecane, a "
                                           "niekiedy konieczne, np. ze względu na prawa autorskie.\n\rKontrola składni "
                                           "reguły będzie kontynuowana.",
                                           PoprawnaZZastrz};
    }
    void pola()
    {
        QFETCH(QString, pole);
        QFETCH(QString, wartosc);
        QFETCH(QStringList, oczekiwane);
        TPolaReg p = regula("[liczba palnikow]>[1]");
        QString *cel = pole == "IdReg"      ? &p.IdReg
                       : pole == "KodSyst"  ? &p.KodSyst
                       : pole == "NazReg"   ? &p.NazReg
                       : pole == "PozReg"   ? &p.PozReg
                       : pole == "CFReg"    ? &p.CFReg
                       : pole == "KierWniReg" ? &p.KierWniReg
                       : pole == "PrzesReg" ? &p.PrzesReg
                       : pole == "KonklReg" ? &p.KonklReg
                       : pole == "OpisKonklReg" ? &p.OpisKonklReg
                       : pole == "InstrReg" ? &p.InstrReg
                                            : &p.OpisReg;
        *cel = wartosc;
        QCOMPARE(sprawdz(p), oczekiwane);
    }

    // The warnings come before the form checks, and a later error still follows them.
    void ostrzezeniaPrzedBledem()
    {
        TPolaReg p = regula("[liczba palnikow]>[1]");
        p.OpisKonklReg.clear();
        p.OpisReg.clear();
        p.PozReg = "0";
        const QStringList k = sprawdz(p, 3);
        QCOMPARE(k.size(), 3);
        QVERIFY(k[0].startsWith("Opis konkluzji reguły pusty."));
        QVERIFY(k[1].startsWith("Brak opisowej charakterystyki"));
        QCOMPARE(k[2], "Poziom reguły zpoza dopuszczalnego przedziału [1,3]." + Tail);
    }

    void stalaObliczana_data()
    {
        QTest::addColumn<StalaObliczana>("p");
        QTest::newRow("integer 2.5 to even 2") << StalaObliczana{.typ = "calkowity", .x = "3", .a = "1,5", .b = "-2",
            .wynik = "2"};
        QTest::newRow("integer 1.5 to even 2") << StalaObliczana{.typ = "calkowity", .x = "3", .a = "0,5", .b = "0",
            .wynik = "2"};
        QTest::newRow("integer 0.5 to even 0") << StalaObliczana{.typ = "calkowity", .x = "1", .a = "0,5", .b = "0",
            .wynik = "0"};
        QTest::newRow("integer -1.5 to even -2") << StalaObliczana{.typ = "calkowity", .x = "-3", .a = "0.5", .b = "0",
            .wynik = "-2"};
        QTest::newRow("integer 2.6 up") << StalaObliczana{.typ = "calkowity", .x = "2", .a = "1,3", .b = "0",
            .wynik = "3"};
        QTest::newRow("real with decimal comma") << StalaObliczana{.typ = "rzeczywisty", .x = "3", .a = "1,5",
            .b = "-2", .wynik = "2,5"};
        QTest::newRow("real 0.1*3 in 15 digits") << StalaObliczana{.typ = "rzeczywisty", .x = "3", .a = "0,1", .b = "0",
            .wynik = "0,3"};
        QTest::newRow("real argument with comma") << StalaObliczana{.typ = "rzeczywisty", .x = "2,5", .a = "2",
            .b = "1", .wynik = "6"};
        QTest::newRow("logical to upper case") << StalaObliczana{.typ = "logiczny", .x = "true", .a = "x", .b = "y",
            .wynik = "TRUE"};
        QTest::newRow("no value") << StalaObliczana{.typ = "rzeczywisty", .x = "???", .a = "1", .b = "0",
            .wynik = "(brak)"};
        QTest::newRow("no value, bad A") << StalaObliczana{.typ = "calkowity", .x = "???", .a = "x", .b = "0",
            .wynik = "C10"};
        QTest::newRow("bad real argument") << StalaObliczana{.typ = "rzeczywisty", .x = "abc", .a = "1", .b = "0",
            .wynik = "C9"};
        QTest::newRow("integer argument with comma") << StalaObliczana{.typ = "calkowity", .x = "5,0", .a = "1",
            .b = "0", .wynik = "C12"};
        QTest::newRow("bad logical argument") << StalaObliczana{.typ = "logiczny", .x = "UNKNOWN", .a = "1", .b = "0",
            .wynik = "C13"};
        QTest::newRow("bad B") << StalaObliczana{.typ = "rzeczywisty", .x = "1", .a = "1", .b = "", .wynik = "C11"};
    }
    void stalaObliczana()
    {
        QFETCH(StalaObliczana, p);
        const TWynikStalaObl w = WartStalaObl(p.typ, p.x, p.a, p.b);
        const QString opis = w.stan == TWynikStalaObl::Stan::Wartosc ? w.wartosc
                             : w.stan == TWynikStalaObl::Stan::Blad  ? tekstUsterki(w.idUsterki)
                                                                     : QStringLiteral("(brak)");
        QCOMPARE(opis, p.wynik);
    }
};

QTEST_GUILESS_MAIN(TstSkladnia)
#include "tst_skladnia.moc"
