// The built-in manual without windows: the page set and its titles, the navigation of every
// page, the page texts, and `tremida-cli manual`.

#include "Pomocnicze.h"
#include "app/PlikKonfig.h"
#include "manual/Instrukcja.h"
#include "store/Schemat.h"

#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QFile>
#include <QTest>
#include <deque>

using namespace tremida;
using namespace tremida::test;

namespace {

// The sections of the chapters on one table: "N.1. Struktura tabeli." ... "N.7. ...".
QStringList podrozdzialyTabeli(int n)
{
    const QStringList tytuly = {"Struktura tabeli.",
                                "Generowanie tabeli.",
                                "Otwarcie istniejącej tabeli.",
                                "Generowanie nowego rekordu tabeli.",
                                "Edycja istniejącego rekordu tabeli.",
                                "Druk tabeli.",
                                "Odwoływanie się do tabeli z poziomu obcego programu."};
    QStringList w;
    for (int i = 0; i < tytuly.size(); ++i)
        w << QStringLiteral("%1.%2. %3").arg(n).arg(i + 1).arg(tytuly[i]);
    return w;
}

// Every menu caption of the manual in book order.
QStringList oczekiwaneTytuly()
{
    QStringList t = {
        "0. Sposób posługiwania się instrukcją programu. Spis treści instrukcji.",
        "1.1. Sztuczna Inteligencja i jej kierunki.",
        "1.2. System ekspercki. Definicja. Historia badań.",
        "1.3. Struktura systemu eksperckiego. Klasyfikacja systemów eksperckich.",
        "1.4. Regułowe systemy eksperckie. Składnia reguły. Fakty. ",
        "1.5. Rodzaje wnioskowania.",
        "1.6. Warunki poprawności baz wiedzy.",
        "1.7. Generowanie reguł. Drzewa decyzyjne.",
        "1.8. Algorytm zarządzania niepewnością.",
        "1.9. Literatura.",
        "2.1. Charakterystyka programu.",
        "2.2. Struktura merytoryczna programu.",
        "3.1. Środowisko i język programowania.",
        "3.2. System bazy danych.",
        "3.3. Schemat strukturalny bazy danych.",
        "3.4. Weryfikacja bazy danych.",
        "3.6. Autorstwo programu.",
    };
    t << podrozdzialyTabeli(4) << podrozdzialyTabeli(5) << podrozdzialyTabeli(6);
    t << "7.1. Struktura tabeli." << "7.2. Generowanie tabeli." << "7.3. Otwarcie istniejącej tabeli."
      << "7.4. Generowanie nowego rekordu tabeli." << "7.5. Edycja istniejącego rekordu tabeli."
      << "7.6. Obsługa edytora reguł." << "7.7. Weryfikacja poprawności składni reguły. " << "7.8. Druk tabeli."
      << "7.9. Odwoływanie się do tabeli z poziomu obcego programu.";
    t << podrozdzialyTabeli(8) << podrozdzialyTabeli(9) << podrozdzialyTabeli(10);
    t << "11.1. Rodzaje wnioskowania w systemie TREMIDA."
      << "11.2. Etapy procesu wnioskowania."
      << "11.3. Weryfikacja bazy wiedzy."
      << "11.4. Czytanie wartości faktów wprowadzanych z pliku tekstowego."
      << "11.5. Proces wnioskowania w przód."
      << "11.6. Proces wnioskowania wstecz."
      << "11.7. Proces falsyfikacji hipotezy głównej."
      << "11.8. Proces wnioskowania mieszanego."
      << "11.9. Interpretacja konkluzji w procesie wnioskowania."
      << "11.10. Dialog w procesie wnioskowania."
      << "11.11. Zapis wartości faktów wprowadzanych do pliku tekstowego."
      << "12.1. Metoda zarządzania niepewnością w systemie TREMIDA."
      << "12.2. Nadawanie stopni pewności reguł i faktów."
      << "13.1. Parametry konfiguracyjne bazy wiedzy i procesu wnioskowania."
      << "13.2. Parametry konfiguracyjne tła i czcionek tekstów."
      << "13.3. Struktura pliku konfiguracyjnego."
      << "13.4. Generowanie i zapis do pliku, własnych użytkownika, wartości parametrów konfiguracyjnych."
      << "13.5. Czytanie wartości parametrów konfiguracyjnych z pliku.";
    return t;
}

const QStringList RozdzialyOczekiwane = {
    "1. Wprowadzenie do teorii systemów eksperckich.",
    "2. Charakterystyka i struktura merytoryczna programu.",
    "3. Struktura informatyczna programu.",
    "4. Tabela systemów eksperckich (baz wiedzy).",
    "5. Tabela faktów. ",
    "6. Tabela wartości faktów wyliczeniowych.",
    "7. Tabela reguł.",
    "8. Tabela stałych.",
    "9. Tabela trajektorii wnioskowania.",
    "10. Tabela plików multimedialnych.",
    "11. Proces wnioskowania.",
    "12. Zarządzanie niepewnością.",
    "13. Konfiguracja programu.",
};

// "caption -> target" of every navigation button of a page, in the library's order.
QStringList przyciski(const QString &numer)
{
    QStringList w;
    for (const PrzyciskNawigacji &p : nawigacjaStrony(numer))
        w << p.napis + " -> " + p.cel;
    return w;
}

} // namespace

class TstInstrukcja : public QObject {
    Q_OBJECT
private slots:
    void stronyWKolejnosciKsiazki()
    {
        QStringList tytuly;
        for (const StronaInstrukcji &s : stronyInstrukcji())
            tytuly << s.tytul;
        QCOMPARE(tytuly, oczekiwaneTytuly());

        QStringList rozdzialy;
        for (const RozdzialInstrukcji &r : rozdzialyInstrukcji())
            rozdzialy << r.tytul;
        QCOMPARE(rozdzialy, RozdzialyOczekiwane);

        // The page's own label differs from its menu caption only for 6.7.
        for (const StronaInstrukcji &s : stronyInstrukcji())
            if (s.numer != "6.7")
                QCOMPARE(s.tytulNaStronie, s.tytul);
        QCOMPARE(stronaInstrukcji("6.7")->tytulNaStronie,
                 QStringLiteral("6.7. Odwołanie się do tabeli z poziomu obcego programu."));
        QCOMPARE(stronaInstrukcji("6.7")->tytul,
                 QStringLiteral("6.7. Odwoływanie się do tabeli z poziomu obcego programu."));
    }

    void wyszukanieStrony_data()
    {
        QTest::addColumn<QString>("numer");
        QTest::addColumn<QString>("tytul"); // empty: no such page
        QTest::newRow("contents") << "0" << "0. Sposób posługiwania się instrukcją programu. Spis treści instrukcji.";
        QTest::newRow("two-digit section") << "11.10" << "11.10. Dialog w procesie wnioskowania.";
        QTest::newRow("trailing point") << "5.1." << "5.1. Struktura tabeli.";
        QTest::newRow("surrounding blanks") << " 13.5 " << "13.5. Czytanie wartości parametrów konfiguracyjnych z pliku.";
        QTest::newRow("missing 3.5") << "3.5" << "";
        QTest::newRow("chapter alone") << "4" << "";
        QTest::newRow("past the last section") << "12.3" << "";
        QTest::newRow("no chapter 14") << "14.1" << "";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("not a number") << "abc" << "";
        QTest::newRow("1.1 is not 1.10") << "1.10" << "";
    }
    void wyszukanieStrony()
    {
        QFETCH(QString, numer);
        QFETCH(QString, tytul);
        const StronaInstrukcji *s = stronaInstrukcji(numer);
        if (tytul.isEmpty()) {
            QVERIFY(!s);
            QVERIFY(nawigacjaStrony(numer).empty());
            QVERIFY(tekstStrony(numer).isEmpty());
        } else {
            QVERIFY(s);
            QCOMPARE(s->tytul, tytul);
        }
    }

    void nawigacja_data()
    {
        QTest::addColumn<QString>("numer");
        QTest::addColumn<QStringList>("oczekiwane");
        QTest::newRow("page 0 only forward") << "0" << QStringList{"Do rozdz.1. -> 1.1"};
        QTest::newRow("first page") << "1.1"
                                    << QStringList{"Do podrozdz.1.2. -> 1.2", "Do rozdz.2. -> 2.1",
                                                   "Do rozdz.0. -> 0"};
        QTest::newRow("inside a chapter") << "1.5"
                                          << QStringList{"Do podrozdz.1.6. -> 1.6", "Do podrozdz.1.4. -> 1.4",
                                                         "Do rozdz.2. -> 2.1", "Do rozdz.0. -> 0"};
        QTest::newRow("last of chapter 1") << "1.9"
                                           << QStringList{"Do podrozdz.1.8. -> 1.8", "Do rozdz.2. -> 2.1",
                                                          "Do rozdz.0. -> 0"};
        QTest::newRow("3.4 goes on to 3.6") << "3.4"
                                            << QStringList{"Do podrozdz.3.6. -> 3.6", "Do podrozdz.3.3. -> 3.3",
                                                           "Do rozdz.4. -> 4.1", "Do rozdz.2. -> 2.1"};
        QTest::newRow("3.6 goes back to 3.4")
            << "3.6" << QStringList{"Do podrozdz.3.4. -> 3.4", "Do rozdz.4. -> 4.1", "Do rozdz.2. -> 2.1"};
        QTest::newRow("caption without final point")
            << "4.2" << QStringList{"Do podrozdz.4.3 -> 4.3", "Do podrozdz.4.1. -> 4.1", "Do rozdz.5. -> 5.1",
                                    "Do rozdz.3. -> 3.1"};
        QTest::newRow("back to 4.3 keeps its point")
            << "4.4" << QStringList{"Do podrozdz.4.5. -> 4.5", "Do podrozdz.4.3. -> 4.3", "Do rozdz.5. -> 5.1",
                                    "Do rozdz.3. -> 3.1"};
        QTest::newRow("rules chapter to 7.9")
            << "7.8" << QStringList{"Do podrozdz.7.9. -> 7.9", "Do podrozdz.7.7. -> 7.7", "Do rozdz.8. -> 8.1",
                                    "Do rozdz.6. -> 6.1"};
        QTest::newRow("two-digit sections")
            << "11.10" << QStringList{"Do podrozdz.11.11. -> 11.11", "Do podrozdz.11.9. -> 11.9",
                                      "Do rozdz.12. -> 12.1", "Do rozdz.10. -> 10.1"};
        QTest::newRow("chapter 12 leads to 13")
            << "12.2" << QStringList{"Do podrozdz.12.1. -> 12.1", "Do rozdz.13. -> 13.1", "Do rozdz.11. -> 11.1"};
        QTest::newRow("chapter 13 has no next chapter")
            << "13.1" << QStringList{"Do podrozdz.13.2. -> 13.2", "Do rozdz.12. -> 12.1"};
        QTest::newRow("last page") << "13.5" << QStringList{"Do podrozdz.13.4. -> 13.4", "Do rozdz.12. -> 12.1"};
    }
    void nawigacja()
    {
        QFETCH(QString, numer);
        QFETCH(QStringList, oczekiwane);
        QCOMPARE(przyciski(numer), oczekiwane);
    }

    // Every button of the book leads to an existing page, section buttons are mutual, and
    // every page is reached from page 0.
    void calaKsiazka()
    {
        QSet<QString> osiagniete{"0"};
        std::deque<QString> kolejka{"0"};
        while (!kolejka.empty()) {
            const QString n = kolejka.front();
            kolejka.pop_front();
            for (const PrzyciskNawigacji &p : nawigacjaStrony(n)) {
                const StronaInstrukcji *cel = stronaInstrukcji(p.cel);
                QVERIFY2(cel, qPrintable(n + " -> " + p.cel));
                if (p.kierunek == KierunekStrony::NastPodrozdz || p.kierunek == KierunekStrony::PoprzPodrozdz) {
                    QCOMPARE(cel->rozdzial, stronaInstrukcji(n)->rozdzial);
                    const KierunekStrony powrot = p.kierunek == KierunekStrony::NastPodrozdz ? KierunekStrony::PoprzPodrozdz
                                                                                 : KierunekStrony::NastPodrozdz;
                    bool jest = false;
                    for (const PrzyciskNawigacji &q : nawigacjaStrony(p.cel))
                        jest = jest || (q.kierunek == powrot && q.cel == n);
                    QVERIFY2(jest, qPrintable(n + " <-> " + p.cel));
                }
                if (p.kierunek == KierunekStrony::NastRozdz || p.kierunek == KierunekStrony::PoprzRozdz)
                    QVERIFY(cel->podrozdzial <= 1);
                if (!osiagniete.contains(p.cel)) {
                    osiagniete.insert(p.cel);
                    kolejka.push_back(p.cel);
                }
            }
        }
        QCOMPARE(osiagniete.size(), qsizetype(stronyInstrukcji().size()));
    }

    void tekstyStron()
    {
        for (const StronaInstrukcji &s : stronyInstrukcji()) {
            const QString t = tekstStrony(s.numer);
            QVERIFY2(!t.trimmed().isEmpty(), qPrintable(s.numer));
            QVERIFY2(!t.contains(u'\r'), qPrintable(s.numer));
        }
        // Page 0 ends with the table of contents.
        const QString zero = tekstStrony("0");
        QVERIFY(zero.contains("\n13. Konfiguracja programu.\n13.1. Parametry konfiguracyjne bazy wiedzy"));
        QVERIFY(zero.endsWith("13.5. Czytanie wartości parametrów konfiguracyjnych z pliku."));
    }

    // Every page reads as prose of several paragraphs.
    void akapity()
    {
        for (const StronaInstrukcji &s : stronyInstrukcji()) {
            const QStringList akapity = tekstStrony(s.numer).split("\n\n", Qt::SkipEmptyParts);
            QVERIFY2(akapity.size() >= 3, qPrintable(s.numer));
        }
    }

    // The configuration pages show the file exactly as the program writes it.
    void plikKonfiguracyjnyZgodnyZProgramem()
    {
        const QStringList linie = linieWlasnych(wlasneStandardowe());
        QCOMPARE(linie.size(), 16);
        QVERIFY(tekstStrony("13.3").contains(linie.join('\n')));
    }

    // The chapters on the tables describe the columns, the creation messages and the file
    // of the table that the program really creates.
    void rozdzialyTabel_data()
    {
        QTest::addColumn<int>("tabela");
        QTest::addColumn<QString>("struktura");
        QTest::addColumn<QString>("generowanie");
        QTest::addColumn<QString>("obcyProgram");
        QTest::newRow("systems") << int(Tabela::Systemy) << "4.1" << "4.2" << "4.7";
        QTest::newRow("facts") << int(Tabela::Fakty) << "5.1" << "5.2" << "5.7";
        QTest::newRow("enumerated values") << int(Tabela::WartFaktWylicz) << "6.1" << "6.2" << "6.7";
        QTest::newRow("rules") << int(Tabela::Reguly) << "7.1" << "7.2" << "7.9";
        QTest::newRow("constants") << int(Tabela::Stale) << "8.1" << "8.2" << "8.7";
        QTest::newRow("trajectory") << int(Tabela::Trajektoria) << "9.1" << "9.2" << "9.7";
        QTest::newRow("multimedia") << int(Tabela::PlikiMult) << "10.1" << "10.2" << "10.7";
    }
    void rozdzialyTabel()
    {
        QFETCH(int, tabela);
        QFETCH(QString, struktura);
        QFETCH(QString, generowanie);
        QFETCH(QString, obcyProgram);
        const OpisTabeli &o = opisTabeli(Tabela(tabela));
        QStringList kolumny;
        for (const OpisKolumny &k : o.kolumny)
            kolumny << k.nazwa;

        // The structure page lists every column, numbered, in the table's order.
        const QString tekst = tekstStrony(struktura);
        for (int i = 0; i < kolumny.size(); ++i)
            QVERIFY2(tekst.contains(QStringLiteral("%1. %2 – ").arg(i + 1, 2).arg(kolumny[i])),
                     qPrintable(kolumny[i]));
        const QRegularExpression wierszKolumny(QStringLiteral("^ ?\\d+\\. \\S+ – "), QRegularExpression::MultilineOption);
        int wiersze = 0;
        for (auto it = wierszKolumny.globalMatch(tekst); it.hasNext(); it.next())
            ++wiersze;
        QCOMPARE(wiersze, kolumny.size());

        // The creation page quotes the warning and the confirmation (line breaks as blanks).
        const QString gen = tekstStrony(generowanie).simplified();
        QVERIFY(gen.contains(o.ostrzezenie.join(' ').simplified()));
        QVERIFY(gen.contains(QString(o.potwierdzenieNowej).replace("\n\r", " ").simplified()));
        QVERIFY(gen.contains(o.plik()));

        // The page on other programs names the file and the columns in order.
        const QString obcy = tekstStrony(obcyProgram);
        QVERIFY(obcy.contains(QStringLiteral("Kolumny tabeli, w kolejności: ") + kolumny.join(", ") + '.'));
        QVERIFY(obcy.contains(QStringLiteral("sqlite3 ") + o.plik() + " .schema"));
    }

    // Every sqlite3 example of the manual runs on table files created by the program.
    void przykladySqlite3()
    {
        FolderRoboczy f;
        {
            Baza baza;
            QString blad;
            QVERIFY2(baza.otworz(f.sciezka(), &blad), qPrintable(blad));
            zalozWszystkieTabele(baza);
        }
        const QRegularExpression wzor(QStringLiteral("^sqlite3 (?:-\\S+ )*(\\S+\\.db) \"(.*)\""),
                                      QRegularExpression::MultilineOption);
        int liczba = 0;
        for (const StronaInstrukcji &s : stronyInstrukcji()) {
            auto it = wzor.globalMatch(tekstStrony(s.numer));
            while (it.hasNext()) {
                const auto m = it.next();
                const QString plik = f.plik(m.captured(1));
                QVERIFY2(QFile::exists(plik), qPrintable(s.numer + ": " + m.captured(1)));
                {
                    QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "przyklad");
                    db.setDatabaseName(plik);
                    QVERIFY(db.open());
                    QSqlQuery q(db);
                    QVERIFY2(q.exec(m.captured(2)),
                             qPrintable(s.numer + ": " + m.captured(2) + " -> " + q.lastError().text()));
                }
                QSqlDatabase::removeDatabase("przyklad");
                ++liczba;
            }
        }
        QVERIFY(liczba >= 14);
    }

    void cliSpisTresci()
    {
        FolderRoboczy f;
        const WynikCli w = uruchomCli(f.sciezka(), {"manual"});
        QCOMPARE(w.kod, 0);
        const QStringList wiersze = w.out.split('\n');
        QCOMPARE(wiersze.last(), QString()); // the output ends with a line break
        // Every page title and every chapter title, in book order, each on its own line.
        QStringList oczekiwane;
        const QStringList tytuly = oczekiwaneTytuly();
        int rozdzial = 0;
        for (const QString &t : tytuly) {
            const int r = t.section('.', 0, 0).toInt();
            if (r != rozdzial) {
                rozdzial = r;
                oczekiwane << RozdzialyOczekiwane[r - 1];
            }
            oczekiwane << t;
        }
        QCOMPARE(wiersze.mid(0, wiersze.size() - 1), oczekiwane);
    }

    void cliStrona_data()
    {
        QTest::addColumn<QStringList>("argumenty");
        QTest::addColumn<int>("kod");
        QTest::addColumn<QString>("poczatek");
        QTest::newRow("page 11.5") << QStringList{"manual", "11.5"} << 0
                                   << "11.5. Proces wnioskowania w przód.\n\n";
        QTest::newRow("page label of 6.7") << QStringList{"manual", "6.7"} << 0
                                           << "6.7. Odwołanie się do tabeli z poziomu obcego programu.\n\n";
        QTest::newRow("missing page") << QStringList{"manual", "3.5"} << 1
                                      << "W instrukcji programu nie ma strony o numerze 3.5.\n";
        QTest::newRow("two pages") << QStringList{"manual", "1.1", "1.2"} << 2 << "";
        QTest::newRow("unknown option") << QStringList{"manual", "--all"} << 2 << "";
    }
    void cliStrona()
    {
        QFETCH(QStringList, argumenty);
        QFETCH(int, kod);
        QFETCH(QString, poczatek);
        FolderRoboczy f;
        const WynikCli w = uruchomCli(f.sciezka(), argumenty);
        QCOMPARE(w.kod, kod);
        if (poczatek.isEmpty())
            QVERIFY(w.out.isEmpty());
        else
            QVERIFY2(w.out.startsWith(poczatek), qPrintable(w.out.left(200)));
        if (kod == 2)
            QVERIFY(w.err.contains("manual [STRONA | --find TEKST]"));
        if (kod == 0)
            QVERIFY(w.out.size() > poczatek.size() + 200);
    }
};

QTEST_GUILESS_MAIN(TstInstrukcja)
#include "tst_instrukcja.moc"
