// The configuration record, its file and the checks of the user's own values.

#include "Pomocnicze.h"
#include "app/PlikKonfig.h"

#include <QFile>
#include <QTest>

using namespace tremida;
using namespace tremida::test;

namespace {

const char *NazwaPliku = "plik konfiguracyjny systemu TREMIDA.txt";

// The sixteen lines of the standard values, as the file holds them.
QStringList linieStandardowe()
{
    return {"10", "FALSE", "FALSE", "rozmyta", "rozmyta", "rozmyta", "0,05", "0,02", "TRUE", "255", "16711680",
            "16711935", "-2147483633", "-2147483633", "-2147483633",
            "pierwsza na liscie regul do odpalenia - pierwsza do odpalenia"};
}

void zapiszPlik(const FolderRoboczy &f, const QStringList &linie)
{
    f.zapisz(QString::fromUtf8(NazwaPliku), (linie.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
}

// One own value set to a bad (or borderline) text, checked for applying or for writing,
// and the one message expected (empty: accepted).
struct WartoscWlasna {
    QString pole, wartosc;
    bool dlaZapisu;
    QString komunikat;
};

struct Zbior {
    QStringList teksty;
    PokazKomunikat fn()
    {
        return [this](const QString &t) { teksty << t; };
    }
};

QString zlaLiniaStart(const QString &fraza)
{
    return "Błędna wartość parametru: " + fraza
           + ",\n\rw pliku \"plik konfiguracyjny systemu TREMIDA.txt\".\n\rZostała przyjęta standardowa wartość "
             "parametru.";
}

} // namespace

Q_DECLARE_METATYPE(WartoscWlasna)

class TstKonfig : public QObject {
    Q_OBJECT
private slots:
    void bezPliku()
    {
        FolderRoboczy f;
        TParKonfig p;
        p.CzyTylkoOdpal = true;
        p.CzyPelnaWeryf = false;
        Zbior k;
        wczytajKonfiguracjePrzyStarcie(p, f.sciezka(), k.fn());
        QCOMPARE(k.teksty, QStringList{"Pliku o nazwie \"plik konfiguracyjny systemu TREMIDA.txt\"\n\rnie znaleziono "
                                       "w napędzie i folderze bieżącym.\n\rPrzyjęte zostały standardowe parametry "
                                       "konfiguracyjne."});
        QVERIFY(!p.CzyTylkoOdpal);
        QVERIFY(p.CzyPelnaWeryf);
        QCOMPARE(p, TParKonfig{});
    }

    void plikStandardowy()
    {
        FolderRoboczy f;
        zapiszPlik(f, linieStandardowe());
        TParKonfig p;
        p.MaxPozReg = 3;
        Zbior k;
        wczytajKonfiguracjePrzyStarcie(p, f.sciezka(), k.fn());
        QVERIFY2(k.teksty.isEmpty(), qPrintable(k.teksty.join('|')));
        QCOMPARE(p, TParKonfig{});
        QCOMPARE(p.ProgCF, 0.05);
        QCOMPARE(p.KolTlaBier, -2147483633);
        QCOMPARE(p.MetaReg, QStringLiteral("pierwsza na liscie regul do odpalenia - pierwsza do odpalenia"));
    }

    void liniaPrzyStarcie_data()
    {
        QTest::addColumn<int>("nr");
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QString>("komunikat"); // empty: accepted
        QTest::newRow("threshold with comma") << 7 << "0,1" << QString();
        QTest::newRow("threshold with point") << 7 << "0.1" << QString();
        QTest::newRow("threshold with two commas")
            << 7 << "0,1,2"
            << zlaLiniaStart("minimalny próg CF,\n\rponiżej którego nie uwzględnia się reguły we wnioskowaniu");
        QTest::newRow("increase not a number")
            << 8 << "dużo" << zlaLiniaStart("znaczący przyrost CF\n\rdecydujący o zainicjowaniu nowej iteracji");
        QTest::newRow("boolean in lower case")
            << 2 << "true" << zlaLiniaStart("czy \"odpalona\" reguła jest nadal uwzględniana");
        QTest::newRow("show fired only")
            << 3 << "True" << zlaLiniaStart("czy wizualizować tylko \"odpalone\" reguły");
        QTest::newRow("levels with comma") << 1 << "1,5" << zlaLiniaStart("maksymalna liczba poziomów reguł");
        QTest::newRow("t-norm unknown") << 4 << "Rozmyta" << zlaLiniaStart("t-norma iloczynu logicznego przesłanek");
        QTest::newRow("or s-norm unknown") << 5 << "max" << zlaLiniaStart("s-norma sumy logicznej przesłanek");
        QTest::newRow("conclusion s-norm unknown")
            << 6 << "" << zlaLiniaStart("s-norma dla zagregowanej konkluzji");
        QTest::newRow("full verification")
            << 9 << "TAK"
            << zlaLiniaStart("czy przed startem procesu wnioskowania\n\rprzeprowadzać pełną weryfikację spójności "
                             "bazy wiedzy?");
        QTest::newRow("meta-rule unknown") << 16 << "pierwsza" << zlaLiniaStart("metareguła kolejności odpalania reguł");
        QTest::newRow("colour outside the list is kept") << 10 << "123" << QString();
        QTest::newRow("colour not a number")
            << 14 << "niebieski" << zlaLiniaStart("kolor tła danych biernych aplikacji");
        QTest::newRow("zero levels") << 1 << "0" << QString();
    }
    void liniaPrzyStarcie()
    {
        QFETCH(int, nr);
        QFETCH(QString, tekst);
        QFETCH(QString, komunikat);
        FolderRoboczy f;
        QStringList linie = linieStandardowe();
        linie[nr - 1] = tekst;
        zapiszPlik(f, linie);
        TParKonfig p;
        Zbior k;
        wczytajKonfiguracjePrzyStarcie(p, f.sciezka(), k.fn());
        if (komunikat.isEmpty()) {
            QVERIFY2(k.teksty.isEmpty(), qPrintable(k.teksty.join('|')));
            if (nr == 7)
                QCOMPARE(p.ProgCF, 0.1);
            if (nr == 10)
                QCOMPARE(p.KolCzcCzyn, 123);
            if (nr == 1)
                QCOMPARE(p.MaxPozReg, 0);
        } else {
            QCOMPARE(k.teksty, QStringList{komunikat});
            QCOMPARE(p, TParKonfig{}); // the standard value stays
        }
    }

    void krotkiPlikPrzyStarcie()
    {
        FolderRoboczy f;
        zapiszPlik(f, {"12", "TRUE", "TRUE"});
        TParKonfig p;
        Zbior k;
        wczytajKonfiguracjePrzyStarcie(p, f.sciezka(), k.fn());
        QCOMPARE(p.MaxPozReg, 12);
        QVERIFY(p.CzyOdpalUwzgl);
        QVERIFY(p.CzyTylkoOdpal);
        QCOMPARE(p.TNormaIloczyn, QStringLiteral("rozmyta"));
        QCOMPARE(k.teksty.size(), 1);
        QVERIFY(k.teksty[0].contains(QStringLiteral("4 do 16")));
    }

    void zapisIOdczyt()
    {
        FolderRoboczy f;
        TWartWlasneKonfig w = wlasneStandardowe();
        w.MaxPozReg = QStringLiteral("7");
        w.CzyOdpalUwzgl = 0;
        w.TNormaIloczyn = 1;
        w.SNormaSuma = 2;
        w.ProgCF = QStringLiteral("0,15");
        w.KolCzcCzyn = 16; // systemowy
        w.KolTlaCzyn = 14; // bialy
        w.KolCzcBier = 1;  // czarny
        w.KolTlaBier = 16; // systemowy
        w.MetaReg = 2;
        Zbior k;
        QVERIFY(zapiszWlasneDoPliku(w, f.sciezka(), k.fn()));
        QCOMPARE(k.teksty, QStringList{"Własne użytkownika wartości parametrów konfiguracyjnych zapisano\n\rdo pliku "
                                       "o nazwie: \"plik konfiguracyjny systemu TREMIDA.txt\"."});
        QFile plik(f.plik(QString::fromUtf8(NazwaPliku)));
        QVERIFY(plik.open(QIODevice::ReadOnly));
        QCOMPARE(plik.readAll(),
                 QByteArray("7\r\nTRUE\r\nFALSE\r\nalgebraiczna\r\nLukasiewicza\r\nrozmyta\r\n0,15\r\n0,02\r\nTRUE\r\n"
                            "-2147483640\r\n0\r\n16711935\r\n16777215\r\n-2147483633\r\n-2147483633\r\n"
                            "pierwsza do odpalenia o maksymalnym CF konkluzji reguly na liscie regul do odpalenia\r\n"));

        // Read at the next start, every parameter comes back, the system colours included.
        TParKonfig p;
        Zbior k2;
        wczytajKonfiguracjePrzyStarcie(p, f.sciezka(), k2.fn());
        QVERIFY(k2.teksty.isEmpty());
        QCOMPARE(p, parametryZWlasnych(w));
        QCOMPARE(p.KolCzcCzyn, -2147483640);
        QCOMPARE(p.KolTlaBier, -2147483633);
        QCOMPARE(wlasneZParametrow(p), w);

        // "Czytaj własne z pliku" gives the same own values.
        TWartWlasneKonfig odczytane;
        Zbior k3;
        QVERIFY(czytajWlasneZPliku(odczytane, f.sciezka(), k3.fn()));
        QCOMPARE(odczytane, w);
        QCOMPARE(k3.teksty,
                 QStringList{"Własne użytkownika wartości parametrów konfiguracyjnych odczytano\n\rz pliku o nazwie: "
                             "\"plik konfiguracyjny systemu TREMIDA.txt\".\n\rAby parametry uaktywnić, przyciśnij "
                             "przycisk \"Zastosuj własne\"."});
    }

    void czytajWlasneBledy()
    {
        FolderRoboczy f;
        TWartWlasneKonfig w = wlasneStandardowe();
        Zbior k;
        QVERIFY(!czytajWlasneZPliku(w, f.sciezka(), k.fn()));
        QCOMPARE(k.teksty, QStringList{"Pliku o nazwie \"plik konfiguracyjny systemu TREMIDA.txt\"\n\rnie znaleziono "
                                       "w napędzie i folderze bieżącym.\n\rOpcja nie zostanie zrealizowana"});

        QStringList linie = linieStandardowe();
        linie[0] = QStringLiteral("abc");  // taken unchecked
        linie[2] = QStringLiteral("tak");  // line 3
        linie[8] = QStringLiteral("nie");  // line 9
        linie[11] = QStringLiteral("123"); // colour line 12
        linie[12] = QStringLiteral("-2147483640"); // a font's system colour on a background line
        zapiszPlik(f, linie);
        TWartWlasneKonfig przed = wlasneStandardowe();
        przed.CzyTylkoOdpal = 0;
        przed.KolCzcPomoc = 5;
        przed.KolTlaCzyn = 2;
        w = przed;
        Zbior k2;
        QVERIFY(czytajWlasneZPliku(w, f.sciezka(), k2.fn()));
        QCOMPARE(k2.teksty.size(), 5);
        QCOMPARE(k2.teksty[0], QStringLiteral("Błędna wartość parametru: czy wizualizowac tylko \"odpalone\" reguły,\n\rw "
                                              "pliku \"plik konfiguracyjny systemu TREMIDA.txt\"."));
        QCOMPARE(k2.teksty[1], QStringLiteral("Błędna wartość parametru: czy przed startem procesu wnioskowania\n\r"
                                              "przeprowadzac pełną weryfikację spójnosci bazy wiedzy?,\n\rw pliku "
                                              "\"plik konfiguracyjny systemu TREMIDA.txt\"."));
        QCOMPARE(k2.teksty[2], QStringLiteral("Błędna wartość parametru: kolor czcionki danych pomocniczych aplikacji,"
                                              "\n\rw pliku \"plik konfiguracyjny systemu TREMIDA.txt\"."));
        QCOMPARE(k2.teksty[3], QStringLiteral("Błędna wartość parametru: kolor tła danych czynnych aplikacji,\n\rw "
                                              "pliku \"plik konfiguracyjny systemu TREMIDA.txt\"."));
        QCOMPARE(w.MaxPozReg, QStringLiteral("abc"));
        QCOMPARE(w.CzyTylkoOdpal, 0); // unchanged
        QCOMPARE(w.KolCzcPomoc, 5);   // unchanged
        QCOMPARE(w.KolTlaCzyn, 2);    // unchanged
        QCOMPARE(w.KolTlaBier, 16);   // systemowy read
    }

    void sprawdzenieWlasnych_data()
    {
        QTest::addColumn<WartoscWlasna>("p");
        const QString nz = "\n\rOpcja nie zostanie zrealizowana.";
        QTest::newRow("levels not an integer") << WartoscWlasna{
            .pole = "MaxPozReg", .wartosc = "1,5", .dlaZapisu = false,
            .komunikat = "Brak lub wadliwa wartość maksymalnej liczby poziomów reguł." + nz};
        QTest::newRow("levels empty") << WartoscWlasna{.pole = "MaxPozReg", .wartosc = "", .dlaZapisu = true,
            .komunikat = "Brak lub wadliwa wartość maksymalnej liczby poziomów reguł." + nz};
        QTest::newRow("fired list") << WartoscWlasna{.pole = "CzyOdpalUwzgl", .wartosc = "-1", .dlaZapisu = false,
            .komunikat = "Wartość parametru: czy \"odpalona\" reguła nadal uczestniczy\n\rwe wnioskowaniu - niezaznaczona." + nz};
        QTest::newRow("show fired list") << WartoscWlasna{.pole = "CzyTylkoOdpal", .wartosc = "-1", .dlaZapisu = false,
            .komunikat = "Wartość parametru: czy prezentować tylko \"odpalone\" reguły,\n\rwizualizując trajektorię wnioskowania "
                         "- niezaznaczona." + nz};
        QTest::newRow("t-norm") << WartoscWlasna{.pole = "TNormaIloczyn", .wartosc = "-1", .dlaZapisu = false,
            .komunikat = "Wartość parametru: t-norma dla obliczenia\n\rCF iloczynu logicznego przesłanek - niezaznaczona." + nz};
        QTest::newRow("or s-norm") << WartoscWlasna{.pole = "SNormaSuma", .wartosc = "-1", .dlaZapisu = false,
            .komunikat = "Wartość parametru: s-norma dla obliczenia\n\rCF sumy logicznej przesłanek - niezaznaczona." + nz};
        QTest::newRow("conclusion s-norm") << WartoscWlasna{.pole = "SNormaKonkl", .wartosc = "-1", .dlaZapisu = false,
            .komunikat = "Wartość parametru: s-norma dla obliczenia\n\rzagregowanego CF konkluzji z dwóch reguł - niezaznaczona." + nz};
        QTest::newRow("threshold") << WartoscWlasna{.pole = "ProgCF", .wartosc = "x", .dlaZapisu = false,
            .komunikat = "Brak lub wadliwa wartość parametru: minimalny próg CF." + nz};
        QTest::newRow("increase") << WartoscWlasna{.pole = "PrzyrostCF", .wartosc = "", .dlaZapisu = false,
            .komunikat = "Brak lub wadliwa wartość parametru: znaczący\n\rprzyrost CF decydujący o zainicjowaniu nowej iteracji." + nz};
        QTest::newRow("full verification") << WartoscWlasna{
            .pole = "CzyPelnaWeryf", .wartosc = "-1", .dlaZapisu = false,
            .komunikat = "Wartość parametru: czy przed startem procesu wnioskowania\n\rprzeprowadzać pełną weryfikację spójnosci "
                         "bazy wiedzy? - niezaznaczona." + nz};
        QTest::newRow("font active") << WartoscWlasna{.pole = "KolCzcCzyn", .wartosc = "-1", .dlaZapisu = false,
            .komunikat = "Wartość parametru: kolor czcionki danych czynnych aplikacji - niezaznaczona." + nz};
        QTest::newRow("font passive") << WartoscWlasna{.pole = "KolCzcBier", .wartosc = "-1", .dlaZapisu = false,
            .komunikat = "Wartość parametru: kolor czcionki danych biernych aplikacji - niezaznaczona." + nz};
        QTest::newRow("font auxiliary") << WartoscWlasna{.pole = "KolCzcPomoc", .wartosc = "-1", .dlaZapisu = false,
            .komunikat = "Wartość parametru: kolor czcionki danych pomocniczych aplikacji - niezaznaczona." + nz};
        QTest::newRow("background active") << WartoscWlasna{.pole = "KolTlaCzyn", .wartosc = "-1", .dlaZapisu = false,
            .komunikat = "Wartość parametru: kolor tła danych czynnych aplikacji - niezaznaczona." + nz};
        QTest::newRow("background passive when applying") << WartoscWlasna{
            .pole = "KolTlaBier", .wartosc = "-1", .dlaZapisu = false,
            .komunikat = "Wartosc parametru: kolor tła danych biernych aplikacji - niezaznaczona." + nz};
        QTest::newRow("background passive when writing") << WartoscWlasna{
            .pole = "KolTlaBier", .wartosc = "-1", .dlaZapisu = true,
            .komunikat = "Wartość parametru: kolor tła danych biernych aplikacji - niezaznaczona." + nz};
        QTest::newRow("background auxiliary") << WartoscWlasna{
            .pole = "KolTlaPomoc", .wartosc = "-1", .dlaZapisu = false,
            .komunikat = "Wartość parametru: kolor tła danych pomocniczych aplikacji - niezaznaczona." + nz};
        QTest::newRow("active font equals background") << WartoscWlasna{
            .pole = "KolTlaCzyn", .wartosc = "11", .dlaZapisu = false,
            .komunikat = "Kolor czcionki danych czynnych aplikacji taki sam\n\rjak kolor tła tych danych. Dane będą nieczytelne." + nz};
        QTest::newRow("system colour for font and background") << WartoscWlasna{
            .pole = "KolCzcBier", .wartosc = "16", .dlaZapisu = false,
            .komunikat = "Kolor czcionki danych biernych aplikacji taki sam\n\rjak kolor tła tych danych. Dane będą nieczytelne." + nz};
        QTest::newRow("auxiliary font equals background") << WartoscWlasna{
            .pole = "KolTlaPomoc", .wartosc = "3", .dlaZapisu = true,
            .komunikat = "Kolor czcionki danych pomocniczych aplikacji taki sam\n\rjak kolor tła tych danych. Dane będą "
                         "nieczytelne." + nz};
        QTest::newRow("meta-rule") << WartoscWlasna{.pole = "MetaReg", .wartosc = "-1", .dlaZapisu = false,
            .komunikat = "Wartość parametru: metareguła kolejności odpalania reguł - niezaznaczona." + nz};
        QTest::newRow("zero levels accepted") << WartoscWlasna{.pole = "MaxPozReg", .wartosc = "0", .dlaZapisu = false,
            .komunikat = QString()};
        QTest::newRow("threshold 2 accepted") << WartoscWlasna{.pole = "ProgCF", .wartosc = "2", .dlaZapisu = false,
            .komunikat = QString()};
    }
    void sprawdzenieWlasnych()
    {
        QFETCH(WartoscWlasna, p);
        TWartWlasneKonfig w = wlasneStandardowe();
        const int i = p.wartosc.toInt();
        if (p.pole == "MaxPozReg") w.MaxPozReg = p.wartosc;
        else if (p.pole == "ProgCF") w.ProgCF = p.wartosc;
        else if (p.pole == "PrzyrostCF") w.PrzyrostCF = p.wartosc;
        else if (p.pole == "CzyOdpalUwzgl") w.CzyOdpalUwzgl = i;
        else if (p.pole == "CzyTylkoOdpal") w.CzyTylkoOdpal = i;
        else if (p.pole == "TNormaIloczyn") w.TNormaIloczyn = i;
        else if (p.pole == "SNormaSuma") w.SNormaSuma = i;
        else if (p.pole == "SNormaKonkl") w.SNormaKonkl = i;
        else if (p.pole == "CzyPelnaWeryf") w.CzyPelnaWeryf = i;
        else if (p.pole == "KolCzcCzyn") w.KolCzcCzyn = i;
        else if (p.pole == "KolCzcBier") w.KolCzcBier = i;
        else if (p.pole == "KolCzcPomoc") w.KolCzcPomoc = i;
        else if (p.pole == "KolTlaCzyn") w.KolTlaCzyn = i;
        else if (p.pole == "KolTlaBier") w.KolTlaBier = i;
        else if (p.pole == "KolTlaPomoc") w.KolTlaPomoc = i;
        else if (p.pole == "MetaReg") w.MetaReg = i;
        QCOMPARE(sprawdzWlasne(w, p.dlaZapisu).value_or(QString()), p.komunikat);
    }

    void pierwszyBladWygrywa()
    {
        TWartWlasneKonfig w;
        QCOMPARE(sprawdzWlasne(w, false).value_or(QString()),
                 QStringLiteral("Brak lub wadliwa wartość maksymalnej liczby poziomów reguł.\n\rOpcja nie zostanie "
                                "zrealizowana."));
        FolderRoboczy f;
        Zbior k;
        QVERIFY(!zapiszWlasneDoPliku(w, f.sciezka(), k.fn()));
        QVERIFY(!QFile::exists(f.plik(QString::fromUtf8(NazwaPliku))));
    }

    void standardoweWlasne()
    {
        const TWartWlasneKonfig w = wlasneStandardowe();
        QCOMPARE(w.MaxPozReg, QStringLiteral("10"));
        QCOMPARE(w.ProgCF, QStringLiteral("0,05"));
        QCOMPARE(w.PrzyrostCF, QStringLiteral("0,02"));
        const QStringList kolory = konfig::nazwyKolorow();
        QCOMPARE(kolory.value(w.KolCzcCzyn), QStringLiteral("czerwony"));
        QCOMPARE(kolory.value(w.KolCzcBier), QStringLiteral("niebieski"));
        QCOMPARE(kolory.value(w.KolCzcPomoc), QStringLiteral("fuksja"));
        QCOMPARE(kolory.value(w.KolTlaPomoc), QStringLiteral("systemowy"));
        QCOMPARE(konfig::PozycjeLogiczne.value(w.CzyPelnaWeryf), QStringLiteral("True"));
        QCOMPARE(konfig::PozycjeLogiczne.value(w.CzyOdpalUwzgl), QStringLiteral("False"));
        // A colour that is none of the seventeen leaves its list without a selection.
        TParKonfig p;
        p.KolCzcCzyn = 123;
        QCOMPARE(wlasneZParametrow(p).KolCzcCzyn, -1);
    }
};

QTEST_GUILESS_MAIN(TstKonfig)
#include "tst_konfig.moc"
