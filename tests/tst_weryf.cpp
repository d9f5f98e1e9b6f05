// Verification of a knowledge base before inference: short and full mode, the messages of
// the three passes, the resets of missing values, progress, and the verify command.

#include "BazaTestowa.h"
#include "WierszeLogiczne.h"

#include "app/ParKonfig.h"
#include "verify/WeryfBazy.h"

#include <QTest>

using namespace tremida;
using namespace tremida::test;

namespace {

const QString Tail = QStringLiteral("\n\rProces wnioskowania nie będzie możliwy.");

struct Baze : BazaTestowa {
    Baze() : BazaTestowa(QStringLiteral("weryf_baza.json")) {}
};

struct Przebieg {
    QStringList komunikaty;
    QStringList postep;
    TWynikWeryf wynik;
};

Przebieg weryfikuj(Baza &baza, int syst, bool pelna)
{
    Przebieg p;
    TWidokWeryf widok;
    widok.komunikat = [&](const QString &t) { p.komunikaty << t; };
    widok.postep = [&](PrzebiegWeryf r, int poz, int maks) {
        p.postep << QStringLiteral("%1:%2/%3").arg(int(r)).arg(poz).arg(maks);
    };
    widok.ok = [&](PrzebiegWeryf r) { p.postep << QStringLiteral("%1:OK").arg(int(r)); };
    p.wynik = WeryfikujBazeWiedzy(baza, TParKonfig(), syst, pelna, widok);
    return p;
}

const QString W1 = QStringLiteral("Reguła o kodzie: 2. Opis konkluzji reguły pusty.\n\rOpis ten nie warunkuje procesu "
                                  "wnioskowania, jednak jest zalecany.\n\rProces weryfikacji będzie kontynuowany.");
const QString W2 = QStringLiteral(
    "Reguła o kodzie: 2.\n\rBrak instrukcji i/lub zaleceń dla użytkownika, wynikających z konkluzji reguły.\n\rNie "
    "warunkują one procesu wnioskowania, jednak są konieczne z merytorycznego punktu widzenia;\n\rsą one "
    "wizualizowane jako efekt procesu wnioskowania po \"odpaleniu\" danej reguły.\n\rZaleca się wprowadzenie "
    "instrukcji. Proces weryfikacji będzie kontynuowany.");
const QString W3 = QStringLiteral(
    "Reguła o kodzie: 2.\n\rBrak opisowej charakterystyki reguły i objaśnień reguły (w tym żródła/autora "
    "reguły).\n\rDane te nie warunkują procesu wnioskowania, jednak są zalecane, a niekiedy konieczne, np. ze względu "
    "na prawa autorskie.\n\rZaleca się wprowadzenie charakterystyki. Proces weryfikacji będzie kontynuowany.");
const QString ZZastrzezeniami = QStringLiteral("Składnia i dane reguł systemu eksperckiego poprawne z zastrzeżeniami.");

// Changes to the base and the kind of verification: the messages and whether the base is
// clean.
struct Weryfikacja {
    QStringList sql;
    bool pelna;
    QStringList komunikaty;
    bool czysta;
};

} // namespace

Q_DECLARE_METATYPE(Weryfikacja)

class TstWeryf : public QObject {
    Q_OBJECT
private slots:
    void komunikaty_data()
    {
        QTest::addColumn<Weryfikacja>("r");
        QTest::newRow("clean base, full") << Weryfikacja{.sql = {}, .pelna = true, .komunikaty = {}, .czysta = true};
        QTest::newRow("clean base, short") << Weryfikacja{.sql = {}, .pelna = false, .komunikaty = {}, .czysta = true};
        QTest::newRow("short mode without input facts") << Weryfikacja{
            .sql = {"UPDATE fakty SET RodzFakt='posredni' WHERE KodSyst=1"}, .pelna = false,
            .komunikaty = {"Brak faktów wprowadzanych w tabeli faktów. Proces wnioskowania nie będzie możliwy."},
            .czysta = false};
        QTest::newRow("short mode does not read rules") << Weryfikacja{
            .sql = {"UPDATE reguly SET PrzesReg='[nieznany]=[x]', KierWniReg='w tyl' WHERE IdReg=1"}, .pelna = false,
            .komunikaty = {}, .czysta = true};
        QTest::newRow("short mode, enumerated input fact without values") << Weryfikacja{
            .sql = {"DELETE FROM wartoscifaktowwyliczeniowych WHERE KodFakt=1"}, .pelna = false,
            .komunikaty = {"Fakt wyliczeniowy o kodzie: 1.\n\rBrak wartości faktu w tabeli wartości faktów "
                           "wyliczeniowych." + Tail}, .czysta = false};
        QTest::newRow("full mode, enumerated fact without values") << Weryfikacja{
            .sql = {"DELETE FROM wartoscifaktowwyliczeniowych WHERE KodFakt=5"}, .pelna = true,
            .komunikaty = {"Fakt o kodzie: 5. Fakt wyliczeniowy.\n\rBrak wartości faktu w tabeli wartości faktów "
                           "wyliczeniowych." + Tail}, .czysta = false};
        QTest::newRow("system without facts") << Weryfikacja{.sql = {"DELETE FROM fakty WHERE KodSyst=1"},
            .pelna = true, .komunikaty = {"Tabela faktów jest pusta. Proces wnioskowania nie będzie możliwy."},
            .czysta = false};
        QTest::newRow("LiczWart 3 with two value records") << Weryfikacja{
            .sql = {"DELETE FROM wartoscifaktowwyliczeniowych WHERE IdWartFaktWylicz=3"}, .pelna = true,
            .komunikaty = {"Fakt o kodzie: 1. Fakt wyliczeniowy. Stwierdzono niezgodność liczby wartości faktu\n\rw "
                           "tabeli faktów, z liczbą rekordów z wartościami tego faktu w tabeli wartości faktów "
                           "wyliczeniowych." + Tail}, .czysta = false};
        QTest::newRow("21 value records") << Weryfikacja{
            .sql = {"INSERT INTO wartoscifaktowwyliczeniowych (IdWartFaktWylicz, KodFakt, WartFaktWylicz, "
                    "CzyFaktMaWartAkt) WITH RECURSIVE n(i) AS (SELECT 100 UNION ALL SELECT i+1 FROM n WHERE "
                    "i<117) SELECT i, 1, 'w' || i, 'nie' FROM n",
                    "UPDATE fakty SET LiczWart=21 WHERE IdFakt=1"}, .pelna = true,
            .komunikaty = {"Fakt o kodzie: 1. Fakt wyliczeniowy. Liczba wartości faktu zpoza dopuszczalnego "
                           "przedziału [1,20]." + Tail}, .czysta = false};
        QTest::newRow("two equal values") << Weryfikacja{
            .sql = {"UPDATE wartoscifaktowwyliczeniowych SET WartFaktWylicz='a' WHERE IdWartFaktWylicz=3"},
            .pelna = true,
            .komunikaty = {"Fakt o kodzie: 1. Fakt wyliczeniowy. Stwierdzono pokrywanie się co najmniej dwóch "
                           "wartości faktu." + Tail}, .czysta = false};
        QTest::newRow("values differing in letter case") << Weryfikacja{
            .sql = {"UPDATE wartoscifaktowwyliczeniowych SET WartFaktWylicz='A' WHERE IdWartFaktWylicz=3"},
            .pelna = true, .komunikaty = {}, .czysta = true};
        QTest::newRow("single-valued input fact with two values tak") << Weryfikacja{
            .sql = {"UPDATE wartoscifaktowwyliczeniowych SET CzyFaktMaWartAkt='tak', CFWartFaktWyliczAkt=1 "
                    "WHERE IdWartFaktWylicz IN (1, 2)"}, .pelna = true,
            .komunikaty = {"Fakt o kodzie: 1. Fakt wyliczeniowy jednowartościowy wprowadzany.\n\rStwierdzono "
                           "przypisanie faktowi więcej niż jednej wartości." + Tail}, .czysta = false};
        QTest::newRow("the same fact multi-valued") << Weryfikacja{
            .sql = {"UPDATE wartoscifaktowwyliczeniowych SET CzyFaktMaWartAkt='tak', CFWartFaktWyliczAkt=1 "
                    "WHERE IdWartFaktWylicz IN (1, 2)",
                    "UPDATE fakty SET CzyWielWart='tak' WHERE IdFakt=1"}, .pelna = true, .komunikaty = {},
            .czysta = true};
        QTest::newRow("CF of a value tak above 1") << Weryfikacja{
            .sql = {"UPDATE wartoscifaktowwyliczeniowych SET CzyFaktMaWartAkt='tak', CFWartFaktWyliczAkt=1.5 "
                    "WHERE IdWartFaktWylicz=1"}, .pelna = true,
            .komunikaty = {"Fakt o kodzie: 1. Fakt wyliczeniowy wprowadzany.\n\rCF faktu zpoza przedziału "
                           "dopuszczalnego [0,1]." + Tail}, .czysta = false};
        QTest::newRow("real input value of letters") << Weryfikacja{
            .sql = {"UPDATE fakty SET WartFakt='abc' WHERE IdFakt=2"}, .pelna = true,
            .komunikaty = {"Fakt o kodzie: 2. Fakt rzeczywisty wprowadzany.\n\rForma wartości wadliwa - nie "
                           "konwertuje się do wartości rzeczywistej." + Tail}, .czysta = false};
        QTest::newRow("integer input value with a comma") << Weryfikacja{
            .sql = {"UPDATE fakty SET WartFakt='5,0' WHERE IdFakt=3"}, .pelna = true,
            .komunikaty = {"Fakt o kodzie: 3. Fakt całkowity wprowadzany.\n\rForma wartości wadliwa - nie "
                           "konwertuje się do wartości całkowitoliczbowej." + Tail}, .czysta = false};
        QTest::newRow("logical input value tak") << Weryfikacja{
            .sql = {"UPDATE fakty SET WartFakt='tak' WHERE IdFakt=6"}, .pelna = true,
            .komunikaty = {"Fakt o kodzie: 6. Fakt logiczny wprowadzany.\n\rForma wartości wadliwa - nie konwertuje "
                           "się do wartości logicznej (TRUE, FALSE lub UNKNOWN)." + Tail}, .czysta = false};
        QTest::newRow("logical input value unknown passes") << Weryfikacja{
            .sql = {"UPDATE fakty SET WartFakt='Unknown' WHERE IdFakt=6"}, .pelna = true, .komunikaty = {},
            .czysta = true};
        QTest::newRow("CF of a real input value above 1") << Weryfikacja{
            .sql = {"UPDATE fakty SET CFWartFakt=2 WHERE IdFakt=2"}, .pelna = true,
            .komunikaty = {"Fakt o kodzie: 2. Fakt rzeczywisty wprowadzany.\n\rCF faktu zpoza przedziału "
                           "dopuszczalnego [0,1]." + Tail}, .czysta = false};
        QTest::newRow("intermediate fact without value") << Weryfikacja{
            .sql = {"UPDATE fakty SET WartFakt=NULL WHERE IdFakt=4"}, .pelna = true, .komunikaty = {}, .czysta = true};
        QTest::newRow("no constants: the note, then the rules") << Weryfikacja{
            .sql = {"DELETE FROM stale WHERE KodSyst=1"}, .pelna = true,
            .komunikaty = {"Tabela stałych bazy wiedzy jest pusta.\n\rJest to dopuszczalne, jeśli w regułach nie "
                           "występują stałe.\n\rObecność stałych w regułach będzie jeszcze skontrolowana.\n\rProces "
                           "weryfikacji będzie kontynuowany",
                           "Reguła o kodzie: 1, przesłanka   1 licząc od początku pola przesłankowego.\n\rBłąd w "
                           "składni reguły. Nie znaleziono stałej w tabeli stałych, a wartość z przesłanki jest złej "
                           "postaci." + Tail}, .czysta = false};
        QTest::newRow("argument of a computed constant in another system") << Weryfikacja{
            .sql = {"UPDATE stale SET KodArgStala=10 WHERE IdStala=2"}, .pelna = true,
            .komunikaty = {"Stała o kodzie: 2. Stała obliczana.\n\rFakt będący argumentem stałej nie należy do "
                           "tego samego systemu eksperckiego (bazy wiedzy) co stała." + Tail}, .czysta = false};
        QTest::newRow("argument of a computed constant missing") << Weryfikacja{
            .sql = {"UPDATE stale SET KodArgStala=99 WHERE IdStala=2"}, .pelna = true,
            .komunikaty = {"Stała o kodzie: 2. Stała obliczana.\n\rW tabeli faktów nie znaleziono faktu będącego "
                           "argumentem stałej." + Tail}, .czysta = false};
        QTest::newRow("parameter A of a computed constant") << Weryfikacja{
            .sql = {"UPDATE stale SET WartParAStala='x' WHERE IdStala=2"}, .pelna = true,
            .komunikaty = {"Stała o kodzie: 2. Stała obliczana typu numerycznego: całkowitego lub rzeczywistego.\n\r"
                           "Parametr A stałej (stała=A*fakt_jako_argument+B) złej postaci - nie konwertuje się do "
                           "liczby rzeczywistej." + Tail}, .czysta = false};
        QTest::newRow("simple logical constant tak") << Weryfikacja{
            .sql = {"INSERT INTO stale (IdStala, KodSyst, NazStala, RodzStala, TypStala, WartStalaProsta, "
                    "KodArgStala, WartParAStala, WartParBStala, DataRek) VALUES (3, 1, 'flaga', 'prosta', "
                    "'logiczna', 'tak', 0, '0', '0', '1')"}, .pelna = true,
            .komunikaty = {"Stała o kodzie: 3. Stała logiczna.\n\rForma wartości wadliwa - nie konwertuje się do "
                           "wartości logicznej (TRUE, FALSE lub UNKNOWN)." + Tail}, .czysta = false};
        QTest::newRow("simple real constant of letters") << Weryfikacja{
            .sql = {"UPDATE stale SET WartStalaProsta='duzo' WHERE IdStala=1"}, .pelna = true,
            .komunikaty = {"Stała o kodzie: 1. Stała rzeczywista.\n\rForma wartości wadliwa - nie konwertuje się do "
                           "wartości rzeczywistej." + Tail}, .czysta = false};
        QTest::newRow("simple integer constant of a fraction") << Weryfikacja{
            .sql = {"UPDATE stale SET TypStala='calkowita', WartStalaProsta='5,5' WHERE IdStala=1"}, .pelna = true,
            .komunikaty = {"Stała o kodzie: 1. Stała całkowita.\n\rForma wartości wadliwa - nie konwertuje się do "
                           "wartości całkowitoliczbowej." + Tail}, .czysta = false};
        QTest::newRow("direction w tyl") << Weryfikacja{.sql = {"UPDATE reguly SET KierWniReg='w tyl' WHERE IdReg=1"},
            .pelna = true, .komunikaty = {"Reguła o kodzie: 1.\n\rForma kierunku wnioskowania wadliwa." + Tail},
            .czysta = false};
        QTest::newRow("three empty descriptions") << Weryfikacja{
            .sql = {"UPDATE reguly SET OpisKonklReg='', InstrReg=NULL, OpisReg='' WHERE IdReg=2"}, .pelna = true,
            .komunikaty = {W1, W2, W3, ZZastrzezeniami}, .czysta = true};
        QTest::newRow("level above the maximum") << Weryfikacja{.sql = {"UPDATE reguly SET PozReg=11 WHERE IdReg=1"},
            .pelna = true,
            .komunikaty = {"Reguła o kodzie: 1.\n\rPoziom reguły zpoza dopuszczalnego przedziału [1,10]." + Tail},
            .czysta = false};
        QTest::newRow("rule CF above 1") << Weryfikacja{.sql = {"UPDATE reguly SET CFReg=1.5 WHERE IdReg=1"},
            .pelna = true,
            .komunikaty = {"Reguła o kodzie: 1.\n\rCF reguły w fazie generowania zpoza dopuszczalnego przedziału "
                           "[0,1]." + Tail}, .czysta = false};
        QTest::newRow("unbalanced parentheses") << Weryfikacja{
            .sql = {"UPDATE reguly SET PrzesReg='([temperatura]>[prog]' WHERE IdReg=1"}, .pelna = true,
            .komunikaty = {"Reguła o kodzie: 1.\n\rBłąd składni reguły.\n\rNiezgodność liczby nawiasów zwykłych "
                           "otwierających i zamykających w polu przesłankowym." + Tail}, .czysta = false};
        QTest::newRow("NOT not followed by a premise") << Weryfikacja{
            .sql = {"UPDATE reguly SET PrzesReg='NOT NOT [temperatura]>[prog]' WHERE IdReg=1"}, .pelna = true,
            .komunikaty = {"Reguła o kodzie: 1. Błąd składni reguły." + Tail}, .czysta = false};
        QTest::newRow("= with a real fact") << Weryfikacja{
            .sql = {"UPDATE reguly SET PrzesReg='[temperatura]=[prog]' WHERE IdReg=1"}, .pelna = true,
            .komunikaty = {"Reguła o kodzie: 1, przesłanka   1 licząc od początku pola przesłankowego.\n\r"
                           "Ostrzeżenie. Stwierdzono operator \"=\" w odniesieniu do faktu rzeczywistego.\n\rMożliwa "
                           "zła interpretacja wartości logicznej przesłanki.\n\rWartość faktu rzeczywistego powinna "
                           "być porównywana przedziałowo.\n\rWeryfikacja bazy reguł będzie kontynuowana.",
                           ZZastrzezeniami}, .czysta = true};
        QTest::newRow("input fact in the conclusion") << Weryfikacja{
            .sql = {"UPDATE reguly SET KonklReg='[liczba]=[5]' WHERE IdReg=2"}, .pelna = true,
            .komunikaty = {"Reguła o kodzie: 2. Błąd składni reguły. W konkluzji stwierdzono fakt wprowadzany." +
                           Tail}, .czysta = false};
        QTest::newRow("no rules") << Weryfikacja{.sql = {"DELETE FROM reguly WHERE KodSyst=1"}, .pelna = true,
            .komunikaty = {"Tabela reguł bazy wiedzy jest pusta.\n\rProces wnioskowania nie będzie możliwy."},
            .czysta = false};
    }

    void komunikaty()
    {
        QFETCH(Weryfikacja, r);
        Baze b;
        b.sql(r.sql);
        const Przebieg p = weryfikuj(b.baza, 1, r.pelna);
        QCOMPARE(p.komunikaty, r.komunikaty);
        QCOMPARE(p.wynik.czysta, r.czysta);
    }

    // Missing values become "???" with CF 0 (current and previous), in both modes; the
    // resets stay after an error that ends the verification later.
    void resety_data() { wierszeLogiczne("pelna", {{"full", true}, {"short", false}}); }
    void resety()
    {
        QFETCH(bool, pelna);
        Baze b;
        b.sql({"UPDATE fakty SET WartFakt='', CFWartFakt=NULL, WartPoprzFakt=NULL WHERE IdFakt=2",
               "UPDATE wartoscifaktowwyliczeniowych SET CzyFaktMaWartAkt=NULL, CFWartFaktWyliczAkt=0.4 WHERE "
               "IdWartFaktWylicz=2",
               "UPDATE reguly SET KierWniReg='w tyl' WHERE IdReg=2"});
        const Przebieg p = weryfikuj(b.baza, 1, pelna);
        QCOMPARE(p.wynik.czysta, !pelna);
        QCOMPARE(b.tekst("SELECT WartFakt || '/' || CFWartFakt || '/' || WartPoprzFakt || '/' || CFWartPoprzFakt "
                           "FROM fakty WHERE IdFakt=2"),
                 QStringLiteral("??\?/0.0/??\?/0.0"));
        QCOMPARE(b.tekst("SELECT CzyFaktMaWartAkt || '/' || CFWartFaktWyliczAkt || '/' || CzyFaktMaWartPoprz || "
                           "'/' || CFWartFaktWyliczPoprz FROM wartoscifaktowwyliczeniowych WHERE IdWartFaktWylicz=2"),
                 QStringLiteral("??\?/0.0/??\?/0.0"));
        // Values that were present are left alone.
        QCOMPARE(b.tekst("SELECT WartFakt FROM fakty WHERE IdFakt=3"), QStringLiteral("4"));
    }

    void postep()
    {
        Baze b;
        const Przebieg p = weryfikuj(b.baza, 2, true);
        QCOMPARE(p.postep, (QStringList{"0:1/2", "0:2/2", "0:OK", "1:1/1", "1:OK", "2:1/1", "2:OK"}));
        QCOMPARE(opisPrzebiegu(PrzebiegWeryf::Fakty, false), QStringLiteral("Skrócona weryfikacja faktów:"));
    }

    void polecenieCli_data()
    {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("wyjscie");
        const QString zweryfikowana = QStringLiteral(
            "Baza wiedzy została zweryfikowana. Celem kontynuacji procesu wnioskowania, wybierz teraz opcję menu "
            "głównego Wnioskowanie-Realizacja procesu wnioskowania.\n");
        QTest::newRow("verified") << QStringList{"verify", "1"} << 0 << zweryfikowana;
        QTest::newRow("short mode skips the broken rule") << QStringList{"verify", "3", "--short"} << 0 << zweryfikowana;
        QTest::newRow("full mode stops at it")
            << QStringList{"verify", "3", "--full"} << 1
            << QStringLiteral("Tabela stałych bazy wiedzy jest pusta.\nJest to dopuszczalne, jeśli w regułach nie "
                              "występują stałe.\nObecność stałych w regułach będzie jeszcze skontrolowana.\nProces "
                              "weryfikacji będzie kontynuowany\n"
                              "Reguła o kodzie: 30.\nForma kierunku wnioskowania wadliwa.\nProces wnioskowania nie "
                              "będzie możliwy.\n");
        QTest::newRow("no such system") << QStringList{"verify", "9"} << 1 << QString();
        QTest::newRow("no system code") << QStringList{"verify"} << 2 << QString();
        QTest::newRow("infer stops when verification fails")
            << QStringList{"infer", "3", "--method", "forward"} << 1 << QString();
    }
    void polecenieCli()
    {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        QFETCH(QString, wyjscie);
        Baze b;
        b.sql({"INSERT INTO systemyeksperckie (IdSyst, NazSyst) VALUES (3, 'Zepsuty')",
               "INSERT INTO fakty (IdFakt, KodSyst, NazFakt, RodzFakt, TypFakt, WartFakt) VALUES (30, 3, 'x', "
               "'wprowadzany', 'calkowity', '1')",
               "INSERT INTO reguly (IdReg, KodSyst, NazReg, PozReg, KierWniReg, CFReg, PrzesReg, KonklReg) VALUES "
               "(30, 3, 'r', 1, 'w tyl', 1, '[x]>[0]', '[x]=[1]')"});
        b.baza.zamknij();
        const WynikCli w = uruchomCli(b.folder.sciezka(), argumenty);
        QCOMPARE(w.kod, kod);
        if (argumenty.first() == u"infer")
            QVERIFY(w.out.contains(QStringLiteral("Forma kierunku wnioskowania wadliwa.")));
        else if (!wyjscie.isEmpty())
            QCOMPARE(w.out, wyjscie);
    }
};

QTEST_GUILESS_MAIN(TstWeryf)
#include "tst_weryf.moc"
