// Printouts drawn on a recording canvas whose every character is 10 pixels wide: the
// wrapping rule, the page model, and what the three printouts put on the page.

#include "PlotnoNagrywajace.h"
#include "BazaTestowa.h"
#include "report/UkladStrony.h"
#include "report/Wydruki.h"

#include <QFile>
#include <QTest>

using namespace tremida;
using namespace tremida::test;

namespace {

const QDate Dzien(2024, 3, 5);

} // namespace

class TstWydruki : public QObject {
    Q_OBJECT
private slots:
    void dataWydruku_data()
    {
        QTest::addColumn<QDate>("dzien");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("jednocyfrowe dzien i miesiac") << QDate(2024, 3, 5) << QStringLiteral(" 5. 3.2024");
        QTest::newRow("dwucyfrowe") << QDate(2023, 11, 25) << QStringLiteral("25.11.2023");
    }
    void dataWydruku()
    {
        QFETCH(QDate, dzien);
        QFETCH(QString, tekst);
        QCOMPARE(tremida::dataWydruku(dzien), tekst);
    }

    void zawijanie_data()
    {
        QTest::addColumn<int>("szerokosc");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QStringList>("kawalki");
        QTest::newRow("mieści się") << 100 << QStringLiteral("krótki") << QStringList{QStringLiteral("krótki")};
        QTest::newRow("dokładnie na szerokość") << 100 << QStringLiteral("kota i psa")
                                                << QStringList{QStringLiteral("kota i psa")};
        QTest::newRow("cięcie na ostatniej spacji")
            << 100 << QStringLiteral("ala ma kota i psa") << QStringList{QStringLiteral("ala ma"), QStringLiteral("kota i psa")};
        QTest::newRow("jedno słowo szersze niż kolumna")
            << 100 << QStringLiteral("abcdefghijklmno") << QStringList{QStringLiteral("abcdefghij"), QStringLiteral("klmno")};
        QTest::newRow("długie słowo po spacji")
            << 100 << QStringLiteral("a bcdefghijklmnop")
            << QStringList{QStringLiteral("a"), QStringLiteral("bcdefghijk"), QStringLiteral("lmnop")};
    }
    void zawijanie()
    {
        QFETCH(int, szerokosc);
        QFETCH(QString, tekst);
        QFETCH(QStringList, kawalki);
        PlotnoNagrywajace p(2000, 3000);
        UkladStrony u(p, {8, 100, 100, 150, 50}, true);
        QCOMPARE(u.podzial(szerokosc, tekst), kawalki);
    }

    void pustaTabela()
    {
        BazaTestowa pusta;
        auto &[f, baza] = pusta;
        QCOMPARE(brakRekordowDoWydruku(baza, RodzajWydruku::Systemy).value_or(QString()),
                 QStringLiteral("Tabela systemów eksperckich (baz wiedzy) pusta. Opcja nie zostanie zrealizowana."));
        importuj(baza, QStringLiteral("dwa_systemy.json"));
        QVERIFY(!brakRekordowDoWydruku(baza, RodzajWydruku::Systemy));
        QVERIFY(!brakRekordowDoWydruku(baza, RodzajWydruku::Fakty, 1));
        QCOMPARE(brakRekordowDoWydruku(baza, RodzajWydruku::Fakty, 7).value_or(QString()),
                 QStringLiteral("Tabela faktów wskazanego systemu eksperckiego pusta. Druk tabeli nie zostanie zrealizowany."));
        QCOMPARE(brakRekordowDoWydruku(baza, RodzajWydruku::Reguly, 7).value_or(QString()),
                 QStringLiteral("Tabela reguł wskazanego systemu eksperckiego pusta. Druk tabeli nie zostanie zrealizowany."));
    }

    void systemy()
    {
        BazaTestowa pusta;
        auto &[f, baza] = pusta;
        importuj(baza, QStringLiteral("dwa_systemy.json"));
        PlotnoNagrywajace p(3300, 2400);
        QVERIFY(drukujSystemy(baza, p, true, Dzien));
        const QStringList t = p.teksty();
        QCOMPARE(t.mid(0, 6), (QStringList{QStringLiteral("System ekspercki szkieletowy TREMIDA"),
                                           QStringLiteral("Numer strony wydruku:  1"), QStringLiteral("Data wydruku:  5. 3.2024"),
                                           QStringLiteral("TABELA SYSTEMÓW EKSPERCKICH (BAZ WIEDZY)"),
                                           QStringLiteral("Kod systemu"), QStringLiteral("Nazwa systemu")}));
        const Napis *tytul = p.znajdz(QStringLiteral("TABELA SYSTEMÓW EKSPERCKICH (BAZ WIEDZY)"));
        QVERIFY(tytul->pogrubiony);
        // Landscape: font 12, line height 60, top margin 300; the title two lines below the date.
        QCOMPARE(p.znajdz(QStringLiteral("System ekspercki szkieletowy TREMIDA"))->y, 300);
        QCOMPARE(tytul->y, 300 + 4 * 60);
        QCOMPARE(p.znajdz(QStringLiteral("Nazwa systemu"))->x, 500);
        // The description of system 1 follows under its underlined heading; system 2 has none.
        const Napis *opis = p.znajdz(QStringLiteral("Opis systemu:"));
        QVERIFY(opis && opis->podkreslony);
        QCOMPARE(p.ile(QStringLiteral("Opis systemu:")), 1);
        const int i = int(t.indexOf(QStringLiteral("Opis systemu:")));
        QCOMPARE(t.mid(i + 1, 2), (QStringList{QStringLiteral("Diagnoza \"usterek\""), QStringLiteral("kotła")}));
    }

    void regulaZKonkluzjaWDwochLiniach()
    {
        BazaTestowa pusta;
        auto &[f, baza] = pusta;
        importuj(baza, QStringLiteral(R"({"systemyeksperckie": [{"IdSyst": 3, "NazSyst": "S"}],
            "reguly": [{"IdReg": 4, "KodSyst": 3, "NazReg": "R", "PozReg": 2, "KierWniReg": "wstecz", "CFReg": 0.75,
                        "PrzesReg": "\r\n[a]=[1]\r\nAND [b]=[2]", "KonklReg": "[c]=\r\n[3]"}]})"));
        PlotnoNagrywajace p(2300, 3300);
        QVERIFY(drukujReguly(baza, 3, p, false, Dzien));
        const QStringList t = p.teksty();
        const int i = int(t.indexOf(QStringLiteral("IF")));
        QVERIFY(i > 0);
        QCOMPARE(t.mid(i, 6), (QStringList{QStringLiteral("IF"), QStringLiteral("[a]=[1]"), QStringLiteral("AND [b]=[2]"),
                                           QStringLiteral("THEN"), QStringLiteral("[c]="), QStringLiteral("[3]")}));
        QCOMPARE(p.ile(QStringLiteral("[3]")), 1);
        QCOMPARE(p.znajdz(QStringLiteral("0,75"))->x, 2270);
        QCOMPARE(p.znajdz(QStringLiteral("wstecz"))->x, 2000);
        QVERIFY(t.contains(QStringLiteral("brak opisu")));
        QVERIFY(t.contains(QStringLiteral("brak instrukcji")));
        QVERIFY(t.contains(QStringLiteral("brak charakterystyki")));
        QVERIFY(t.contains(QStringLiteral("Kod systemu eksperckiego (bazy wiedzy):  3")));
    }

    void faktyStanWartosciBezCF()
    {
        BazaTestowa pusta;
        auto &[f, baza] = pusta;
        importuj(baza, QStringLiteral("dwa_systemy.json"));
        PlotnoNagrywajace p(3300, 2400);
        QVERIFY(drukujFakty(baza, 1, p, true, Dzien));
        // Value 1 of the enumerated input fact has the state "???": no CF beside it.
        const Napis *stan = p.znajdz(QStringLiteral("???"), 1);
        QVERIFY(stan);
        QCOMPARE(stan->x, 3000);
        for (const Napis &n : p.napisy)
            QVERIFY2(n.tekst.isEmpty() || !(n.y == stan->y && n.x == 3180), qPrintable(n.tekst));
        const Napis *niebieski = p.znajdz(QStringLiteral("niebieski"));
        QCOMPARE(niebieski->x, 2550);
        QCOMPARE(niebieski->y, stan->y);
        // The scalar input fact prints its value and CF, and the instruction placeholder.
        QCOMPARE(p.znajdz(QStringLiteral("???"), 0)->x, 1820);
        QVERIFY(p.teksty().contains(QStringLiteral("Jaki jest kolor płomienia?")));
        QVERIFY(p.teksty().contains(QStringLiteral("brak instrukcji")));
    }

    void podzialStronyWSrodkuFaktu()
    {
        BazaTestowa pusta;
        auto &[f, baza] = pusta;
        QString wartosci;
        for (int i = 1; i <= 20; ++i)
            wartosci += QStringLiteral(R"(%1{"IdWartFaktWylicz": %2, "KodFakt": 5, "WartFaktWylicz": "w%2"})")
                            .arg(i > 1 ? QStringLiteral(",") : QString())
                            .arg(i);
        importuj(baza, QStringLiteral(R"({"systemyeksperckie": [{"IdSyst": 1, "NazSyst": "S"}],
            "fakty": [{"IdFakt": 5, "KodSyst": 1, "NazFakt": "f", "RodzFakt": "koncowy", "TypFakt": "wyliczeniowy",
                       "CzyWielWart": "tak", "LiczWart": 20}],
            "wartoscifaktowwyliczeniowych": [%1]})")
                              .arg(wartosci));
        // Portrait, font 6: line height 30; 1000 - 200 leaves 26 lines, the header takes 13.
        PlotnoNagrywajace p(2300, 1000);
        QVERIFY(drukujFakty(baza, 1, p, false, Dzien));
        QCOMPARE(p.ile(QStringLiteral("System ekspercki szkieletowy TREMIDA")), 2);
        QCOMPARE(p.ile(QStringLiteral("Numer strony wydruku:  2")), 1);
        for (int i = 1; i <= 20; ++i)
            QCOMPARE(p.ile(QStringLiteral("w%1").arg(i)), 1);
        const Napis *w20 = p.znajdz(QStringLiteral("w20"));
        const Napis *naglowek2 = p.znajdz(QStringLiteral("System ekspercki szkieletowy TREMIDA"), 1);
        QCOMPARE(w20->strona, 2);
        QCOMPARE(naglowek2->strona, 2);
        QCOMPARE(naglowek2->y, 100);
        QVERIFY(w20->y > p.znajdz(QStringLiteral("Kod"), 2)->y);
        // Every line stays within the page's budget.
        for (const Napis &n : p.napisy)
            QVERIFY2(n.y < 1000 - 100, qPrintable(n.tekst));
    }

    void pdfPrzezCli()
    {
        FolderRoboczy f;
        {
            Baza baza;
            QVERIFY(baza.otworz(f.sciezka()));
            zalozWszystkieTabele(baza);
            importuj(baza, QStringLiteral("dwa_systemy.json"));
        }
        const WynikCli w = uruchomCli(f.sciezka(), {QStringLiteral("print"), QStringLiteral("rules"), QStringLiteral("1"),
                                                     QStringLiteral("--pdf"), f.plik(QStringLiteral("r.pdf"))});
        QCOMPARE(w.kod, 0);
        QCOMPARE(w.out, QStringLiteral("Przygotuj i włącz drukarkę. Włóż do drukarki papier formatu A4.\n"
                                       "Transfer tabeli reguł do drukarki zakończony. Czekaj na wydruk.\n"));
        QFile pdf(f.plik(QStringLiteral("r.pdf")));
        QVERIFY(pdf.open(QIODevice::ReadOnly));
        QVERIFY(pdf.read(5) == "%PDF-");

        const WynikCli pusty = uruchomCli(f.sciezka(), {QStringLiteral("print"), QStringLiteral("facts"), QStringLiteral("9"),
                                                         QStringLiteral("--pdf"), f.plik(QStringLiteral("f.pdf"))});
        QCOMPARE(pusty.kod, 1);
        QCOMPARE(pusty.out, QStringLiteral("System ekspercki o kodzie 9 nie istnieje.\n"));
        QVERIFY(!QFile::exists(f.plik(QStringLiteral("f.pdf"))));
    }
};

QTEST_GUILESS_MAIN(TstWydruki)
#include "tst_wydruki.moc"
