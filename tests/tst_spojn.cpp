// Consistency check of the whole database: numbered findings over every knowledge base,
// repairs, the summary, progress, the error file and the check-db command.

#include "BazaTestowa.h"

#include "app/ParKonfig.h"
#include "verify/KontrSpojn.h"

#include <QFile>
#include <QTest>

using namespace tremida;
using namespace tremida::test;

namespace {

const QString Tail = QStringLiteral(" Proces wnioskowania nie będzie możliwy.");
const QString Tytul = QStringLiteral("BŁĘDY SPÓJNOŚCI BAZY DANYCH SYSTEMU TREMIDA");
const QString BezBledow =
    QStringLiteral("• W bazie danych nie stwierdzono błędów. Nie sformułowano również zastrzeżeń.");
const QString Bledy = QStringLiteral("• W bazie danych stwierdzono błąd (błędy).");

struct Baze : BazaTestowa {
    Baze() : BazaTestowa(QStringLiteral("weryf_baza.json")) {}
};

QString nr(int n, int syst, const QString &tekst)
{
    return QStringLiteral("• Błąd nr. %1. Kod systemu: %2. ").arg(n).arg(syst) + tekst;
}

} // namespace

class TstSpojn : public QObject {
    Q_OBJECT
private slots:
    void memo_data()
    {
        QTest::addColumn<QStringList>("sql");
        QTest::addColumn<QStringList>("linie"); // the memo after its title

        QTest::newRow("clean database") << QStringList() << QStringList{BezBledow};
        QTest::newRow("no knowledge base")
            << QStringList{"DELETE FROM systemyeksperckie"}
            << QStringList{"• Błąd nr. 1. Tabela systemów eksperckich pusta. Proces wnioskowania nie będzie możliwy."};
        QTest::newRow("knowledge base without constants")
            << QStringList{"UPDATE reguly SET PrzesReg='[cisnienie]>[8,5]' WHERE IdReg=10", "DELETE FROM stale WHERE KodSyst=2"}
            << QStringList{nr(1, 2, "Tabela stałych bazy wiedzy jest pusta. Nie stanowi to błędu, jeśli w regułach "
                                    "nie występują stałe. Obecność stałych w regułach zostanie sprawdzona dalej, przy "
                                    "kontroli reguł."),
                           Bledy};
        QTest::newRow("knowledge base without facts, numbering goes on in the next")
            << QStringList{"DELETE FROM fakty WHERE KodSyst=1", "UPDATE reguly SET KierWniReg='w tyl' WHERE IdReg=10"}
            << QStringList{nr(1, 1, "Tabela faktów systemu eksperckiego pusta. Proces wnioskowania nie będzie możliwy. "
                                    "Nie jest też możliwa dalsza kontrola stałych i reguł systemu eksperckiego (bazy "
                                    "wiedzy). Nastąpi przejście do kontroli następnego systemu eksperckiego (bazy "
                                    "wiedzy), jeśli istnieje."),
                           nr(2, 2, "Reguła o kodzie: 10. Forma kierunku wnioskowania wadliwa." + Tail), Bledy};
        QTest::newRow("knowledge base without rules")
            << QStringList{"DELETE FROM reguly WHERE KodSyst=2"}
            << QStringList{nr(1, 2, "Tabela reguł bazy wiedzy pusta. Proces wnioskowania nie będzie możliwy. Nastąpi "
                                    "przejście do kontroli następnego systemu eksperckiego (bazy wiedzy), jeśli "
                                    "istnieje."),
                           Bledy};
        const QString liczba = QStringLiteral(
            "Fakt o kodzie: 1. Fakt wyliczeniowy. Stwierdzono niezgodność liczby wartości faktu w tabeli faktów, z "
            "liczbą rekordów z wartościami tego faktu w tabeli wartości faktów wyliczeniowych.") + Tail;
        QTest::newRow("LiczWart 2 with three value records")
            << QStringList{"UPDATE fakty SET LiczWart=2 WHERE IdFakt=1"}
            << QStringList{nr(1, 1, liczba), nr(2, 1, liczba), nr(3, 1, liczba), Bledy};
        QTest::newRow("unclosed parenthesis and an input fact in the conclusion")
            << QStringList{"UPDATE reguly SET PrzesReg='([liczba]>=[zapas]', KonklReg='[liczba]=[5]' WHERE IdReg=2"}
            << QStringList{nr(1, 1, "Kod reguły: 2. Błąd składni reguły. Niezgodność liczby nawiasów zwykłych "
                                    "otwierających i zamykających w polu przesłankowym." + Tail),
                           nr(2, 1, "Reguła o kodzie: 2. Błąd składni reguły. Liczba nawiasów zwykłych otwierających "
                                    "w polu przesłankowym różni się od liczby nawiasów zwykłych zamykających." + Tail),
                           nr(3, 1, "Reguła o kodzie: 2. Błąd składni reguły. W konkluzji stwierdzono fakt "
                                    "wprowadzany." + Tail),
                           Bledy};
        QTest::newRow("only an empty rule description")
            << QStringList{"UPDATE reguly SET OpisReg='' WHERE IdReg=10"}
            << QStringList{nr(1, 2, "Reguła o kodzie: 10. Brak opisowej charakterystyki reguły i objaśnień reguły (w "
                                    "tym żródła/autora reguły). Dane te nie warunkują procesu wnioskowania, jednak są "
                                    "zalecane, a niekiedy konieczne, np. ze względu na prawa autorskie. Zaleca się "
                                    "wprowadzenie charakterystyki."),
                           "• W bazie danych nie stwierdzono błędów. Sformułowano jednak zastrzeżenia."};
        QTest::newRow("= with a real fact and an error")
            << QStringList{"UPDATE reguly SET PrzesReg='[cisnienie]=[limit]', KierWniReg='wprzod' WHERE IdReg=10"}
            << QStringList{nr(1, 2, "Reguła o kodzie: 10. Forma kierunku wnioskowania wadliwa." + Tail),
                           nr(2, 2, "Reguła o kodzie: 10, przesłanka   1 licząc od początku pola przesłankowego. "
                                    "Ostrzeżenie. Stwierdzono operator \"=\" w odniesieniu do faktu rzeczywistego. "
                                    "Możliwa zła interpretacja wartości logicznej przesłanki. Wartość faktu "
                                    "rzeczywistego powinna byc porównywana przedziałowo."),
                           "• W bazie danych stwierdzono błąd (błędy). Sformułowano również zastrzeżenia."};
        QTest::newRow("every check of an input real fact")
            << QStringList{"UPDATE fakty SET WartFakt='abc', CFWartFakt=3 WHERE IdFakt=2"}
            << QStringList{nr(1, 1, "Fakt o kodzie: 2. Fakt rzeczywisty wprowadzany. Forma wartości faktu wadliwa - "
                                    "nie konwertuje się do wartości rzeczywistej." + Tail),
                           nr(2, 1, "Fakt o kodzie: 2. Fakt rzeczywisty wprowadzany. CF faktu zpoza przedziału "
                                    "dopuszczalnego [0,1]." + Tail),
                           Bledy};
        QTest::newRow("repair of a value mark")
            << QStringList{"UPDATE wartoscifaktowwyliczeniowych SET CzyFaktMaWartAkt=NULL WHERE IdWartFaktWylicz=2"}
            << QStringList{nr(1, 1, "Fakt o kodzie: 1. Fakt wyliczeniowy wprowadzany. Stwierdzono brak deklaratora "
                                    "(tak, nie lub ??\?) przypisania wartości o kodzie 2. Program wpisał ??? jako "
                                    "deklarator wartość faktu, zaś 0 - jako wartość CF, dla aktualnej i poprzedniej "
                                    "wartości faktu. Zmień deklarator i/lub CF, jeśli trzeba."),
                           Bledy};
        QTest::newRow("repair of a logical value")
            << QStringList{"UPDATE fakty SET WartFakt='' WHERE IdFakt=4"}
            << QStringList{nr(1, 1, "Fakt o kodzie: 4. Fakt logiczny. Stwierdzono brak wartości faktu. Program jako "
                                    "wartość faktu wpisał ???, zaś jako wartość CF - 0, dla aktualnej i poprzedniej "
                                    "wartości faktu. Zmień wartość i/lub CF, jeśli trzeba."),
                           Bledy};
        QTest::newRow("computed constant of an enumerated argument, in a premise")
            << QStringList{"UPDATE stale SET KodArgStala=5 WHERE IdStala=2"}
            << QStringList{nr(1, 1, "Stała o kodzie: 2. Stała obliczana. Argumentem stałej jest fakt typu "
                                    "wyliczeniowego." + Tail),
                           nr(2, 1, "Reguła o kodzie: 2, przesłanka   1 licząc od początku pola przesłankowego. "
                                    "Błąd składni reguły. Jako argument stałej obliczanej stwierdzono fakt typu "
                                    "wyliczeniowego." + Tail),
                           Bledy};
        QTest::newRow("simple constant of a wrong form, in a premise")
            << QStringList{"UPDATE stale SET WartStalaProsta='x' WHERE IdStala=1"}
            << QStringList{nr(1, 1, "Stała o kodzie: 1. Stała rzeczywista. Forma wartości wadliwa - nie konwertuje się "
                                    "do wartości rzeczywistej." + Tail),
                           nr(2, 1, "Reguła o kodzie: 1, przesłanka   1 licząc od początku pola przesłankowego. Stała "
                                    "o kodzie: 1. Stała rzeczywista prosta. Forma wartości wadliwa - nie konwertuje się "
                                    "do wartości rzeczywistej." + Tail),
                           Bledy};
        QTest::newRow("simple logical constant tak")
            << QStringList{"INSERT INTO stale (IdStala, KodSyst, NazStala, RodzStala, TypStala, WartStalaProsta, "
                           "KodArgStala, WartParAStala, WartParBStala, DataRek) VALUES (3, 1, 'flaga', 'prosta', "
                           "'logiczna', 'tak', 0, '0', '0', '1')"}
            << QStringList{nr(1, 1, "Stała o kodzie: 3. Stała logiczna. Forma wartości wadliwa - nie konwertuje się "
                                    "do wartości logicznej (TRUE, FALSE lub UNKNOWN)." + Tail),
                           Bledy};
        QTest::newRow("computed constant of another system, in the conclusion")
            << QStringList{"INSERT INTO stale (IdStala, KodSyst, NazStala, RodzStala, TypStala, WartStalaProsta, "
                           "KodArgStala, WartParAStala, WartParBStala, DataRek) VALUES (4, 1, 'obca', 'obliczana', "
                           "'logiczna', '0', 11, '0', '0', '1')",
                           "UPDATE reguly SET KonklReg='[awaria]=[obca]' WHERE IdReg=2"}
            << QStringList{nr(1, 1, "Stała o kodzie: 4. Stała obliczana. Fakt będący argumentem stałej nie należy do "
                                    "tego samego systemu eksperckiego (bazy wiedzy) co stała." + Tail),
                           nr(2, 1, "Reguła o kodzie: 2. Stała w konkluzji o kodzie: 4. Stała obliczana. Fakt będący "
                                    "argumentem stałej nie należy do tego samego systemu eksperckiego (bazy wiedzy) co "
                                    "stała." + Tail),
                           Bledy};
        QTest::newRow("wrong premises are all listed and the structure still checked")
            << QStringList{"UPDATE reguly SET PrzesReg='[brak]>[1] [cisnienie]>[abc]' WHERE IdReg=10"}
            << QStringList{nr(1, 2, "Reguła o kodzie: 10, przesłanka   1 licząc od początku pola przesłankowego. Błąd "
                                    "składni reguły. W tabeli faktów nie znaleziono faktu o nazwie wyspecyfikowanej w "
                                    "przesłance." + Tail),
                           nr(2, 2, "Reguła o kodzie: 10, przesłanka   2 licząc od początku pola przesłankowego. Błąd "
                                    "w składni reguły. Nie znaleziono stałej w tabeli stałych, a wartość z przesłanki "
                                    "jest złej postaci." + Tail),
                           nr(3, 2, "Reguła o kodzie: 10. Błąd składni reguły. W nawiasie zwykłym figuruje więcej niż "
                                    "jedna przesłanka, jednak brak operatora logicznego pomiędzy nimi." + Tail),
                           Bledy};
        QTest::newRow("records of deleted knowledge bases are not examined")
            << QStringList{"INSERT INTO fakty (IdFakt, KodSyst, NazFakt, RodzFakt, TypFakt) VALUES (90, 9, 'sierota', "
                           "'wprowadzany', 'rzeczywisty')",
                           "INSERT INTO reguly (IdReg, KodSyst, NazReg, PozReg, KierWniReg, CFReg, PrzesReg, KonklReg) "
                           "VALUES (90, 9, 'sierota', 99, 'x', 7, '((', ']')"}
            << QStringList{BezBledow};
    }

    void memo()
    {
        QFETCH(QStringList, sql);
        QFETCH(QStringList, linie);
        Baze b;
        b.sql(sql);
        QStringList pokazane, komunikaty;
        TWidokSpojn widok;
        widok.linia = [&](const QString &l) { pokazane << l; };
        widok.komunikat = [&](const QString &t) { komunikaty << t; };
        const TWynikSpojn w = KontrolaSpojnosciBazy(b.baza, TParKonfig(), QString(), widok);
        QCOMPARE(w.memo, QStringList{Tytul} + linie);
        QCOMPARE(pokazane, w.memo);
        // The summary is also shown in a message box; a run without knowledge bases has none.
        const bool podsumowanie = linie.last().startsWith(QStringLiteral("• W bazie"));
        QCOMPARE(komunikaty, podsumowanie ? QStringList{linie.last().mid(2)} : QStringList());
    }

    void naprawyNiePowtarzaneWDrugimPrzebiegu()
    {
        Baze b;
        b.sql({"UPDATE fakty SET WartFakt=NULL WHERE IdFakt IN (2, 10)"});
        const TWynikSpojn pierwszy = KontrolaSpojnosciBazy(b.baza, TParKonfig(), QString(), {});
        QCOMPARE(pierwszy.liczbaUsterek, 2);
        QVERIFY(pierwszy.memo.at(2).startsWith(QStringLiteral("• Błąd nr. 2. Kod systemu: 2. Fakt o kodzie: 10.")));
        const TWynikSpojn drugi = KontrolaSpojnosciBazy(b.baza, TParKonfig(), QString(), {});
        QCOMPARE(drugi.memo, (QStringList{Tytul, BezBledow}));
    }

    void postep()
    {
        Baze b;
        b.sql({"INSERT INTO fakty (IdFakt, KodSyst, NazFakt, RodzFakt, TypFakt) VALUES (90, 9, 'sierota', "
               "'wprowadzany', 'rzeczywisty')"});
        QList<std::pair<int, int>> pozycje;
        bool ok = false;
        TWidokSpojn widok;
        widok.postep = [&](int p, int m) { pozycje.append({p, m}); };
        widok.ok = [&]() { ok = true; };
        KontrolaSpojnosciBazy(b.baza, TParKonfig(), QString(), widok);
        // 9 facts + 5 value records + 3 constants + 5 x 3 rules.
        QCOMPARE(pozycje.first(), std::make_pair(0, 32));
        QCOMPARE(pozycje.last(), std::make_pair(32, 32));
        for (qsizetype i = 1; i < pozycje.size(); ++i)
            QVERIFY(pozycje[i].first >= pozycje[i - 1].first);
        QVERIFY(ok);
    }

    void liniaDaty_data()
    {
        QTest::addColumn<QDate>("data");
        QTest::addColumn<QString>("linia");
        QTest::newRow("one-digit day, Thursday") << QDate(2024, 12, 5) << "Data kontroli:  5.12.2024 - czwartek";
        QTest::newRow("one-digit month, Sunday") << QDate(2023, 1, 1) << "Data kontroli:  1. 1.2023 - niedziela";
        QTest::newRow("Saturday") << QDate(2025, 11, 22) << "Data kontroli: 22.11.2025 - sobota";
        QTest::newRow("Monday") << QDate(2025, 11, 24) << "Data kontroli: 24.11.2025 - poniedziałek";
    }
    void liniaDaty()
    {
        QFETCH(QDate, data);
        QFETCH(QString, linia);
        QCOMPARE(liniaDatyKontroli(data), linia);
    }

    void plikBledow()
    {
        Baze b;
        b.sql({"DELETE FROM reguly WHERE KodSyst=2"});
        const QString plik = b.folder.plik(NazwaPlikuBledow);
        b.folder.zapisz(NazwaPlikuBledow, QByteArray(5000, 'x')); // an older file is replaced
        KontrolaSpojnosciBazy(b.baza, TParKonfig(), plik, {}, QDate(2024, 12, 5));
        QFile f(plik);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()),
                 Tytul + "\r\nData kontroli:  5.12.2024 - czwartek\r\n" +
                     nr(1, 2, "Tabela reguł bazy wiedzy pusta. Proces wnioskowania nie będzie możliwy. Nastąpi "
                              "przejście do kontroli następnego systemu eksperckiego (bazy wiedzy), jeśli istnieje.") +
                     "\r\n" + Bledy + "\r\n");
    }

    void plikBledowBezSystemow()
    {
        Baze b;
        b.sql({"DELETE FROM systemyeksperckie"});
        const QString plik = b.folder.plik(QStringLiteral("b.txt"));
        KontrolaSpojnosciBazy(b.baza, TParKonfig(), plik, {}, QDate(2024, 12, 5));
        QFile f(plik);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll().split('\n').size(), 4); // title, date, the one finding, nothing after
    }

    void polecenieCli_data()
    {
        QTest::addColumn<QStringList>("sql");
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<int>("kod");
        QTest::newRow("clean") << QStringList() << QStringList{"check-db"} << 0;
        QTest::newRow("reservations only")
            << QStringList{"UPDATE reguly SET OpisReg='' WHERE IdReg=10"} << QStringList{"check-db"} << 0;
        QTest::newRow("errors") << QStringList{"DELETE FROM reguly WHERE KodSyst=2"} << QStringList{"check-db"} << 1;
        QTest::newRow("error file in a missing folder")
            << QStringList() << QStringList{"check-db", "--errors-file", "/nonexistent/folder/b.txt"} << 1;
        QTest::newRow("missing file name") << QStringList() << QStringList{"check-db", "--errors-file"} << 2;
    }
    void polecenieCli()
    {
        QFETCH(QStringList, sql);
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        Baze b;
        b.sql(sql);
        b.baza.zamknij();
        const WynikCli w = uruchomCli(b.folder.sciezka(), argumenty);
        QCOMPARE(w.kod, kod);
        if (kod == 0)
            QVERIFY(w.out.startsWith(Tytul + u'\n'));
        if (argumenty.size() == 3)
            QCOMPARE(w.out, QString()); // nothing was checked
    }

    void brakPlikuTabeli()
    {
        FolderRoboczy f;
        const WynikCli w = uruchomCli(f.sciezka(), {"check-db"});
        QCOMPARE(w.kod, 1);
        QVERIFY(w.out.contains(QStringLiteral(" Procesu kontroli spójności bazy nie można zrealizować.")));
    }
};

QTEST_GUILESS_MAIN(TstSpojn)
#include "tst_spojn.moc"
