// Input-fact values read from a text file: the descriptive lines, the triples and their
// messages F1 to F9, the writes by fact type, encodings, line ends and read errors.

#include "BazaTestowa.h"

#include "inference/CzytFaktPlik.h"

#include <QTest>

using namespace tremida;
using namespace tremida::test;

namespace {

const QString Koniec = QStringLiteral(
    "Wartości faktów z pliku tekstowego zostały zapisane do tabeli faktów. Celem kontynuacji procesu wnioskowania, "
    "wybierz teraz opcję menu głównego Wnioskowanie-Weryfikacja bazy wiedzy.");
const QString Drop = QStringLiteral("\n\rDane tego faktu nie zostaną zapisane do tabeli.");

QByteArray naglowek(const char *koniecLinii = "\r\n")
{
    QByteArray b;
    for (int k = 1; k <= 5; ++k)
        b += "zmienna " + QByteArray::number(k) + koniecLinii + "wartosc " + QByteArray::number(k) + koniecLinii;
    return b;
}

struct Baze : BazaTestowa {
    Baze() : BazaTestowa(QStringLiteral("weryf_baza.json")) {}
};

const char *FaktStan = "SELECT ifnull(WartFakt, '') || '|' || ifnull(CFWartFakt, '') || '|' || ifnull(WartPoprzFakt, "
                       "'') || '|' || ifnull(CFWartPoprzFakt, '') FROM fakty WHERE IdFakt=";
const char *Wiersze = "SELECT group_concat(CzyFaktMaWartAkt || ':' || CFWartFaktWyliczAkt, ' ') FROM (SELECT * FROM "
                      "wartoscifaktowwyliczeniowych WHERE KodFakt=1 ORDER BY IdWartFaktWylicz)";

// A file that cannot be read to its end: how the one message starts, a part of it, and the
// value of fact 3 afterwards.
struct BladOdczytu {
    QByteArray tresc;
    QString poczatek, fragment, fakt3;
};

// Changes to the base and a file of triples: the messages shown while reading it, and
// queries with the values they then give.
struct Trojki {
    QStringList sql;
    QByteArray tresc;
    QStringList komunikaty, zapytania, wyniki;
};

} // namespace

Q_DECLARE_METATYPE(BladOdczytu)
Q_DECLARE_METATYPE(Trojki)

class TstCzytFakt : public QObject {
    Q_OBJECT
private slots:
    void trojki_data()
    {
        QTest::addColumn<Trojki>("p");
        QTest::newRow("exactly ten lines") << Trojki{.sql = {}, .tresc = naglowek(), .komunikaty = {Koniec},
            .zapytania = {FaktStan + QString("2")}, .wyniki = {"???|0.0|???|0.0"}};
        QTest::newRow("fact of another system, then the next triple") << Trojki{.sql = {},
            .tresc = naglowek() + "10\r\n3\r\n1\r\n3\r\n12\r\n1\r\n",
            .komunikaty = {"Fakt o odczytanym z pliku kodzie  10 nie należy do wyselekcjonowanego systemu." + Drop,
                           Koniec}, .zapytania = {FaktStan + QString("3"), FaktStan + QString("10")},
            .wyniki = {"12|1.0|12|1.0", "2,5|0.5||"}};
        QTest::newRow("unknown code written in three characters") << Trojki{.sql = {},
            .tresc = naglowek() + "7\r\nx\r\n1\r\n",
            .komunikaty = {"Faktu o odczytanym z pliku kodzie   7 nie znaleziono w tabeli faktów." + Drop, Koniec},
            .zapytania = {}, .wyniki = {}};
        QTest::newRow("not an input fact") << Trojki{.sql = {}, .tresc = naglowek() + "4\r\nTRUE\r\n1\r\n",
            .komunikaty = {"Fakt o odczytanym z pliku kodzie   4 nie jest faktem wprowadzanym." + Drop, Koniec},
            .zapytania = {FaktStan + QString("4")}, .wyniki = {"???|0.0||"}};
        QTest::newRow("CF not a number, CF above 1") << Trojki{.sql = {},
            .tresc = naglowek() + "2\r\n5\r\nabc\r\n2\r\n5\r\n1,5\r\n",
            .komunikaty = {"CF faktu o odczytanym z pliku kodzie   2 nie konwertuje się do wartości rzeczywistej." +
                               Drop,
                           "CF faktu o odczytanym z pliku kodzie   2 nie mieści się w dopuszczalnym przedziale [0,1]." +
                           Drop,
                           Koniec}, .zapytania = {FaktStan + QString("2")}, .wyniki = {"???|0.0|???|0.0"}};
        QTest::newRow("values of the wrong form for each type") << Trojki{.sql = {},
            .tresc = naglowek() + "6\r\ntak\r\n1\r\n3\r\n12,5\r\n1\r\n2\r\n12x\r\n1\r\n1\r\nd\r\n1\r\n",
            .komunikaty = {"Fakt o odczytanym z pliku kodzie   6 jest faktem logicznym.\n\rOdczytana z pliku wartość "
                           "tego faktu nie odpowiada jednak wartości logicznej." + Drop,
                           "Fakt o odczytanym z pliku kodzie   3 jest faktem całkowitym.\n\rOdczytana z pliku wartość "
                           "tego faktu nie konwertuje się jednak do wartości całkowitej." + Drop,
                           "Fakt o odczytanym z pliku kodzie   2 jest faktem rzeczywistym.\n\rOdczytana z pliku wartość "
                           "tego faktu nie konwertuje się jednak do wartości rzeczywistej." + Drop,
                           "Fakt o odczytanym z pliku kodzie   1 jest faktem wyliczeniowym.\n\rOdczytana z pliku "
                           "wartość tego faktu nie pokrywa się jednak z żadną z wartości z tabeli wartości faktów "
                           "wyliczeniowych." + Drop,
                           Koniec}, .zapytania = {FaktStan + QString("3"), Wiersze},
            .wyniki = {"4|1.0|4|1.0", "???:0.0 ???:0.0 ???:0.0"}};
        QTest::newRow("logical, integer and real values stored") << Trojki{.sql = {},
            .tresc = naglowek() + "6\r\nfalse\r\n0,9\r\n3\r\n12\r\n1\r\n2\r\n12,5\r\n0.5\r\n", .komunikaty = {Koniec},
            .zapytania = {FaktStan + QString("6"), FaktStan + QString("3"), FaktStan + QString("2")},
            .wyniki = {"FALSE|0.9|FALSE|0.9", "12|1.0|12|1.0", "12,5|0.5|12,5|0.5"}};
        QTest::newRow("real value with a point, code with blanks and a comment") << Trojki{.sql = {},
            .tresc = naglowek() + "  2 temperatura\r\n12.5\r\n1\r\n", .komunikaty = {Koniec},
            .zapytania = {FaktStan + QString("2")}, .wyniki = {"12.5|1.0|12.5|1.0"}};
        QTest::newRow("single-valued enumerated fact") << Trojki{.sql = {}, .tresc = naglowek() + "1\r\nb\r\n0,7\r\n",
            .komunikaty = {Koniec}, .zapytania = {Wiersze, FaktStan + QString("1")},
            .wyniki = {"nie:1.0 tak:0.7 nie:1.0", "b|0.7|b|0.7"}};
        QTest::newRow("multi-valued enumerated fact") << Trojki{
            .sql = {"UPDATE fakty SET CzyWielWart='tak' WHERE IdFakt=1"},
            .tresc = naglowek() + "1\r\na\r\n0,6\r\n1\r\nc\r\n0,9\r\n", .komunikaty = {Koniec},
            .zapytania = {Wiersze, FaktStan + QString("1")}, .wyniki = {"tak:0.6 ???:0.0 tak:0.9", "|||"}};
        QTest::newRow("Windows-1250 value") << Trojki{
            .sql = {"UPDATE wartoscifaktowwyliczeniowych SET WartFaktWylicz='żółty' WHERE IdWartFaktWylicz=3"},
            .tresc = naglowek() + "1\r\n\xBF\xF3\xB3ty\r\n1\r\n", .komunikaty = {Koniec}, .zapytania = {Wiersze},
            .wyniki = {"nie:1.0 nie:1.0 tak:1.0"}};
        QTest::newRow("UTF-8 value, line feeds only") << Trojki{
            .sql = {"UPDATE wartoscifaktowwyliczeniowych SET WartFaktWylicz='żółty' WHERE IdWartFaktWylicz=3"},
            .tresc = naglowek("\n") + "1\n\xC5\xBC\xC3\xB3\xC5\x82ty\n1\n", .komunikaty = {Koniec},
            .zapytania = {Wiersze}, .wyniki = {"nie:1.0 nie:1.0 tak:1.0"}};
        QTest::newRow("blank lines at the end, no line end after the last") << Trojki{.sql = {},
            .tresc = naglowek() + "3\r\n7\r\n1\r\n\r\n  \r\n", .komunikaty = {Koniec},
            .zapytania = {FaktStan + QString("3")}, .wyniki = {"7|1.0|7|1.0"}};
    }

    void trojki()
    {
        QFETCH(Trojki, p);
        Baze b;
        b.sql(p.sql);
        b.folder.zapisz(QStringLiteral("fakty.txt"), p.tresc);
        TSesjaWnios sesja;
        sesja.LinieOpisu.fill(QStringLiteral("stara"));
        QStringList pokazane;
        const WynikCzytFakt w = CzytajWartFaktPlik(b.baza, b.folder.plik(QStringLiteral("fakty.txt")), 1, sesja,
                                                   [&](const QString &t) { pokazane << t; });
        QCOMPARE(pokazane, p.komunikaty);
        QCOMPARE(w, WynikCzytFakt::Przeczytany);
        QCOMPARE(sesja.LinieOpisu[0], QStringLiteral("zmienna 1"));
        QCOMPARE(sesja.LinieOpisu[9], QStringLiteral("wartosc 5"));
        for (qsizetype i = 0; i < p.zapytania.size(); ++i)
            QCOMPARE(b.tekst(p.zapytania[i]), p.wyniki[i]);
    }

    // Files that cannot be read to their end: one message, and nothing after the failing line.
    void bledyOdczytu_data()
    {
        QTest::addColumn<BladOdczytu>("p");
        QTest::newRow("code line of letters, the triple before it kept") << BladOdczytu{
            .tresc = naglowek() + "3\r\n9\r\n1\r\nkod\r\n5\r\n1\r\n", .poczatek = "Błąd odczytu pliku tekstowego ",
            .fragment = "Wiersz 14 powinien zawierać kod faktu", .fakt3 = "9"};
        QTest::newRow("fewer than ten lines") << BladOdczytu{.tresc = QByteArray("a\r\nb\r\n"),
            .poczatek = "Plik tekstowy ", .fragment = "ma tylko 2 wierszy", .fakt3 = "4"};
        QTest::newRow("triple without its CF line") << BladOdczytu{.tresc = naglowek() + "3\r\n9\r\n",
            .poczatek = "Błąd odczytu pliku tekstowego ", .fragment = "brak wiersza z CF wartości faktu.",
            .fakt3 = "4"};
        QTest::newRow("neither UTF-8 nor Windows-1250") << BladOdczytu{.tresc = naglowek() + "3\r\n\x98\xFF\r\n1\r\n",
            .poczatek = "Plik tekstowy ",
            .fragment = "nie jest zapisany ani w kodowaniu UTF-8, ani w kodowaniu Windows-1250 (wiersz 12).",
            .fakt3 = "4"};
    }
    void bledyOdczytu()
    {
        QFETCH(BladOdczytu, p);
        Baze b;
        b.folder.zapisz(QStringLiteral("fakty.txt"), p.tresc);
        TSesjaWnios sesja;
        QStringList pokazane;
        const WynikCzytFakt w = CzytajWartFaktPlik(b.baza, b.folder.plik(QStringLiteral("fakty.txt")), 1, sesja,
                                                   [&](const QString &t) { pokazane << t; });
        QCOMPARE(w, WynikCzytFakt::Blad);
        QCOMPARE(pokazane.size(), 1);
        QVERIFY2(pokazane[0].startsWith(p.poczatek) && pokazane[0].contains(p.fragment), qPrintable(pokazane[0]));
        QCOMPARE(b.tekst(QStringLiteral("SELECT WartFakt FROM fakty WHERE IdFakt=3")), p.fakt3);
    }

    // The window reading the file is hidden right before the final message, and only when
    // the file was read to its end.
    void przedKoncem_data()
    {
        QTest::addColumn<QByteArray>("tresc");
        QTest::addColumn<bool>("plik");
        QTest::addColumn<QStringList>("zdarzenia");
        QTest::newRow("read to the end, a triple skipped")
            << naglowek() + "7\r\nx\r\n1\r\n" << true
            << QStringList{"Faktu o odczytanym z pliku kodzie   7 nie znaleziono w tabeli faktów." + Drop, "koniec",
                           Koniec};
        QTest::newRow("read error") << QByteArray("a\r\nb\r\n") << true << QStringList{"komunikat"};
        QTest::newRow("no file") << QByteArray() << false << QStringList{"komunikat"};
    }
    void przedKoncem()
    {
        QFETCH(QByteArray, tresc);
        QFETCH(bool, plik);
        QFETCH(QStringList, zdarzenia);
        Baze b;
        b.folder.zapisz(QStringLiteral("fakty.txt"), tresc);
        TSesjaWnios sesja;
        QStringList pokazane;
        CzytajWartFaktPlik(
            b.baza, plik ? b.folder.plik(QStringLiteral("fakty.txt")) : QString(), 1, sesja,
            [&](const QString &t) { pokazane << (zdarzenia.contains(t) ? t : QStringLiteral("komunikat")); },
            [&] { pokazane << QStringLiteral("koniec"); });
        QCOMPARE(pokazane, zdarzenia);
    }

    void brakPliku_data()
    {
        QTest::addColumn<QString>("sciezka");
        QTest::newRow("empty path") << QString();
        QTest::newRow("missing file") << QStringLiteral("/nonexistent/fakty.txt");
    }
    void brakPliku()
    {
        QFETCH(QString, sciezka);
        Baze b;
        TSesjaWnios sesja;
        QStringList pokazane;
        QCOMPARE(CzytajWartFaktPlik(b.baza, sciezka, 1, sesja, [&](const QString &t) { pokazane << t; }),
                 WynikCzytFakt::Blad);
        QCOMPARE(pokazane, QStringList{"Plik tekstowy do odczytu wartosci faktów nie istnieje lub nie został "
                                       "zaznaczony.\n\rOpcja nie zostanie zrealizowana."});
    }

    void polecenieCli_data()
    {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<int>("kod");
        QTest::newRow("read to the end with a skipped triple") << QStringList{"read-facts", "1", "f.txt"} << 0;
        QTest::newRow("missing file") << QStringList{"read-facts", "1", "brak.txt"} << 1;
        QTest::newRow("no such system") << QStringList{"read-facts", "9", "f.txt"} << 1;
        QTest::newRow("no file argument") << QStringList{"read-facts", "1"} << 2;
        QTest::newRow("infer with a facts file") << QStringList{"infer", "1", "--method", "forward", "--facts", "f.txt"}
                                                 << 0;
    }
    void polecenieCli()
    {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        Baze b;
        b.baza.zamknij();
        b.folder.zapisz(QStringLiteral("f.txt"), naglowek() + "10\r\n1\r\n1\r\n3\r\n2\r\n1\r\n");
        for (QString &a : argumenty)
            if (a.endsWith(QStringLiteral(".txt")))
                a = b.folder.plik(a);
        const WynikCli w = uruchomCli(b.folder.sciezka(), argumenty);
        QCOMPARE(w.kod, kod);
        if (kod == 0)
            QVERIFY(w.out.contains(QStringLiteral("nie należy do wyselekcjonowanego systemu.\nDane tego faktu nie "
                                                  "zostaną zapisane do tabeli.\n")));
    }
};

QTEST_GUILESS_MAIN(TstCzytFakt)
#include "tst_czytfakt.moc"
