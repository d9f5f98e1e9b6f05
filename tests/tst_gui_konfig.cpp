// The configuration dialog driven through its controls: the twelve checks in their order,
// standard and own values, the file written and read back, colours applied by role.

#include "StanowiskoGui.h"
#include "app/PlikKonfig.h"
#include "app/TFormGlowne.h"
#include "app/TFormKonfig.h"
#include "app/TFormOProgramie.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

namespace {

const QString Plik = QStringLiteral("plik konfiguracyjny systemu TREMIDA.txt");
const QString Meta1 = QStringLiteral("pierwsza na liscie regul do odpalenia - pierwsza do odpalenia");
const QString Meta3 =
    QStringLiteral("pierwsza do odpalenia o maksymalnym CF konkluzji reguly na liscie regul do odpalenia");

// Parameter numbers, in the order of the file's lines minus one.
enum { MaxPoz, OdpalUwzgl, TylkoOdpal, TNorma, SNormaSuma, SNormaKonkl, Prog, Przyrost, PelnaWeryf,
       CzcCzyn, CzcBier, CzcPomoc, TloCzyn, TloBier, TloPomoc, Meta };

// What the own-value column shows: the edit field's text or the selected item's text.
QStringList wlasneTeksty(const TFormKonfig &d)
{
    QStringList t;
    for (int p = 0; p < TFormKonfig::LiczbaParametrow; ++p)
        t << (d.poleWlasne(p) ? d.poleWlasne(p)->text() : d.listaWlasna(p)->currentText());
    return t;
}

void wybierz(TFormKonfig &d, int parametr, const QString &pozycja)
{
    QComboBox *l = d.listaWlasna(parametr);
    l->setCurrentIndex(l->findText(pozycja));
    QVERIFY2(l->currentIndex() >= 0, qPrintable(pozycja));
}

const QStringList StandardoweTeksty = {"10",      "False",     "False",  "rozmyta",   "rozmyta",   "rozmyta",
                                       "0,05",    "0,02",      "True",   "czerwony",  "niebieski", "fuksja",
                                       "systemowy", "systemowy", "systemowy", Meta1};

QString nz(const QString &t) { return t + QStringLiteral("\n\rOpcja nie zostanie zrealizowana."); }

} // namespace

class TstGuiKonfig : public QObject {
    Q_OBJECT
    QStringList m_komunikaty;

private slots:
    void init()
    {
        m_komunikaty.clear();
    }

    void kolumny()
    {
        FolderRoboczy f;
        KontekstAplikacji k(f.sciezka(), std::make_unique<DialogiTestowe>(m_komunikaty));
        k.konfig.MaxPozReg = 7;
        k.konfig.ProgCF = 0.1;
        k.konfig.KolCzcCzyn = 123; // none of the seventeen
        k.konfig.KolTlaBier = 16777215;
        k.konfig.MetaReg = Meta3;
        TFormKonfig d(k);
        QCOMPARE(d.windowTitle(), QStringLiteral("KONFIGURACJA APLIKACJI"));
        QStringList standard;
        for (int p = 0; p < TFormKonfig::LiczbaParametrow; ++p) {
            standard << d.poleStandardowe(p)->text();
            QVERIFY(d.poleStandardowe(p)->isReadOnly());
        }
        QCOMPARE(standard, StandardoweTeksty);
        QCOMPARE(wlasneTeksty(d), QStringList({"7", "False", "False", "rozmyta", "rozmyta", "rozmyta", "0,1", "0,02",
                                               "True", "", "niebieski", "fuksja", "systemowy", "bialy", "systemowy",
                                               Meta3}));
        QCOMPARE(d.listaWlasna(CzcCzyn)->currentIndex(), -1);
        QCOMPARE(d.listaWlasna(CzcCzyn)->count(), 17);
        QCOMPARE(d.listaWlasna(CzcCzyn)->itemText(0), QStringLiteral("akwamaryna"));
        QCOMPARE(d.listaWlasna(OdpalUwzgl)->count(), 2);
        QCOMPARE(d.listaWlasna(Meta)->count(), 3);
    }

    // Every list cleared and every field emptied: "Zastosuj własne" reports the checks one
    // after another as each is put right, and only the last click applies.
    void kontroleWKolejnosci()
    {
        FolderRoboczy f;
        KontekstAplikacji k(f.sciezka(), std::make_unique<DialogiTestowe>(m_komunikaty));
        TFormKonfig d(k);
        for (int p = 0; p < TFormKonfig::LiczbaParametrow; ++p) {
            if (d.poleWlasne(p))
                d.poleWlasne(p)->clear();
            else
                d.listaWlasna(p)->setCurrentIndex(-1);
        }
        const QString kolor = QStringLiteral("Wartość parametru: kolor %1 aplikacji - niezaznaczona.");
        struct Krok {
            QString komunikat;
            int parametr;
            QString poprawka;
        };
        const QList<Krok> kroki = {
            {nz("Brak lub wadliwa wartość maksymalnej liczby poziomów reguł."), MaxPoz, "3"},
            {nz("Wartość parametru: czy \"odpalona\" reguła nadal uczestniczy\n\rwe wnioskowaniu - niezaznaczona."),
             OdpalUwzgl, "True"},
            {nz("Wartość parametru: czy prezentować tylko \"odpalone\" reguły,\n\rwizualizując trajektorię "
                "wnioskowania - niezaznaczona."),
             TylkoOdpal, "True"},
            {nz("Wartość parametru: t-norma dla obliczenia\n\rCF iloczynu logicznego przesłanek - niezaznaczona."),
             TNorma, "algebraiczna"},
            {nz("Wartość parametru: s-norma dla obliczenia\n\rCF sumy logicznej przesłanek - niezaznaczona."),
             SNormaSuma, "Lukasiewicza"},
            {nz("Wartość parametru: s-norma dla obliczenia\n\rzagregowanego CF konkluzji z dwóch reguł - "
                "niezaznaczona."),
             SNormaKonkl, "rozmyta"},
            {nz("Brak lub wadliwa wartość parametru: minimalny próg CF."), Prog, "0,3"},
            {nz("Brak lub wadliwa wartość parametru: znaczący\n\rprzyrost CF decydujący o zainicjowaniu nowej "
                "iteracji."),
             Przyrost, "1e-2"},
            {nz("Wartość parametru: czy przed startem procesu wnioskowania\n\rprzeprowadzać pełną weryfikację "
                "spójnosci bazy wiedzy? - niezaznaczona."),
             PelnaWeryf, "False"},
            {nz(kolor.arg("czcionki danych czynnych")), CzcCzyn, "czarny"},
            {nz(kolor.arg("czcionki danych biernych")), CzcBier, "systemowy"},
            {nz(kolor.arg("czcionki danych pomocniczych")), CzcPomoc, "zolty"},
            // Each background is first set equal to its font, to reach the next checks.
            {nz(kolor.arg("tła danych czynnych")), TloCzyn, "czarny"},
            {nz("Wartosc parametru: kolor tła danych biernych aplikacji - niezaznaczona."), TloBier, "systemowy"},
            {nz(kolor.arg("tła danych pomocniczych")), TloPomoc, "zolty"},
            {nz("Kolor czcionki danych czynnych aplikacji taki sam\n\rjak kolor tła tych danych. Dane będą "
                "nieczytelne."),
             TloCzyn, "bialy"},
            {nz("Kolor czcionki danych biernych aplikacji taki sam\n\rjak kolor tła tych danych. Dane będą "
                "nieczytelne."),
             TloBier, "srebrny"},
            {nz("Kolor czcionki danych pomocniczych aplikacji taki sam\n\rjak kolor tła tych danych. Dane będą "
                "nieczytelne."),
             TloPomoc, "czarny"},
            {nz("Wartość parametru: metareguła kolejności odpalania reguł - niezaznaczona."), Meta, Meta3},
        };
        QSignalSpy zmiany(&k, &KontekstAplikacji::koloryZmienione);
        for (const Krok &krok : kroki) {
            m_komunikaty.clear();
            d.przyciskZastosujWlasne()->click();
            QCOMPARE(m_komunikaty, QStringList{krok.komunikat});
            QCOMPARE(k.konfig, TParKonfig{});
            if (d.poleWlasne(krok.parametr))
                d.poleWlasne(krok.parametr)->setText(krok.poprawka);
            else
                wybierz(d, krok.parametr, krok.poprawka);
        }
        QCOMPARE(zmiany.count(), 0);
        m_komunikaty.clear();
        d.przyciskZastosujWlasne()->click();
        QCOMPARE(m_komunikaty,
                 QStringList{"Zastosowano własne użytkownika wartości parametrów konfiguracyjnych."});
        QCOMPARE(zmiany.count(), 1);
        TParKonfig oczekiwane;
        oczekiwane.MaxPozReg = 3;
        oczekiwane.CzyOdpalUwzgl = true;
        oczekiwane.CzyTylkoOdpal = true;
        oczekiwane.TNormaIloczyn = QStringLiteral("algebraiczna");
        oczekiwane.SNormaSuma = QStringLiteral("Lukasiewicza");
        oczekiwane.ProgCF = 0.3;
        oczekiwane.PrzyrostCF = 0.01;
        oczekiwane.CzyPelnaWeryf = false;
        oczekiwane.KolCzcCzyn = 0;
        oczekiwane.KolCzcBier = -2147483640;
        oczekiwane.KolCzcPomoc = 65535;
        oczekiwane.KolTlaCzyn = 16777215;
        oczekiwane.KolTlaBier = 12632256;
        oczekiwane.KolTlaPomoc = 0;
        oczekiwane.MetaReg = Meta3;
        QCOMPARE(k.konfig, oczekiwane);
    }
    // "Zastosuj standardowe" changes the parameters but not the own values; "Przepisz
    // standardowe do własnych" changes the own values but applies nothing.
    void standardowe()
    {
        FolderRoboczy f;
        KontekstAplikacji k(f.sciezka(), std::make_unique<DialogiTestowe>(m_komunikaty));
        k.konfig.CzyTylkoOdpal = true;
        k.konfig.CzyPelnaWeryf = false;
        k.konfig.KolTlaCzyn = 0;
        TFormKonfig d(k);
        d.poleWlasne(Prog)->setText(QStringLiteral("abc"));
        wybierz(d, CzcCzyn, QStringLiteral("zielony"));
        const QStringList wlasnePrzed = wlasneTeksty(d);
        QSignalSpy zmiany(&k, &KontekstAplikacji::koloryZmienione);

        d.przyciskZastosujStandardowe()->click();
        QCOMPARE(m_komunikaty, QStringList{"Zastosowano standardowe wartości parametrów konfiguracyjnych."});
        QCOMPARE(k.konfig, TParKonfig{});
        QVERIFY(!k.konfig.CzyTylkoOdpal);
        QVERIFY(k.konfig.CzyPelnaWeryf);
        QCOMPARE(zmiany.count(), 1);
        QCOMPARE(wlasneTeksty(d), wlasnePrzed);

        m_komunikaty.clear();
        k.konfig.MaxPozReg = 99;
        d.przyciskPrzepiszStandardowe()->click();
        QCOMPARE(m_komunikaty, QStringList());
        QCOMPARE(wlasneTeksty(d), StandardoweTeksty);
        QCOMPARE(k.konfig.MaxPozReg, 99);
        QCOMPARE(zmiany.count(), 1);
    }

    // Own values written to the file, read back into the dialog, and loaded at the next
    // start give the same parameters, "systemowy" colours included.
    void zapisIOdczyt()
    {
        FolderRoboczy f;
        KontekstAplikacji k(f.sciezka(), std::make_unique<DialogiTestowe>(m_komunikaty));
        TFormKonfig d(k);
        d.poleWlasne(MaxPoz)->setText(QStringLiteral("12"));
        d.poleWlasne(Prog)->setText(QStringLiteral("0,15"));
        wybierz(d, OdpalUwzgl, QStringLiteral("True"));
        wybierz(d, SNormaKonkl, QStringLiteral("Lukasiewicza"));
        wybierz(d, CzcCzyn, QStringLiteral("systemowy"));
        wybierz(d, TloCzyn, QStringLiteral("zolty"));
        wybierz(d, Meta, Meta3);
        const QStringList zapisane = wlasneTeksty(d);
        d.przyciskZapiszWlasne()->click();
        QCOMPARE(m_komunikaty, QStringList{"Własne użytkownika wartości parametrów konfiguracyjnych zapisano\n\rdo "
                                           "pliku o nazwie: \"plik konfiguracyjny systemu TREMIDA.txt\"."});
        QCOMPARE(k.konfig, TParKonfig{});
        QFile plik(f.plik(Plik));
        QVERIFY(plik.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(plik.readAll()),
                 QStringLiteral("12\r\nTRUE\r\nFALSE\r\nrozmyta\r\nrozmyta\r\nLukasiewicza\r\n0,15\r\n0,02\r\nTRUE\r\n"
                                "-2147483640\r\n16711680\r\n16711935\r\n65535\r\n-2147483633\r\n-2147483633\r\n")
                     + Meta3 + QStringLiteral("\r\n"));

        m_komunikaty.clear();
        d.przyciskPrzepiszStandardowe()->click();
        d.przyciskCzytajWlasne()->click();
        QCOMPARE(m_komunikaty,
                 QStringList{"Własne użytkownika wartości parametrów konfiguracyjnych odczytano\n\rz pliku o nazwie: "
                             "\"plik konfiguracyjny systemu TREMIDA.txt\".\n\rAby parametry uaktywnić, przyciśnij "
                             "przycisk \"Zastosuj własne\"."});
        QCOMPARE(wlasneTeksty(d), zapisane);
        QCOMPARE(k.konfig, TParKonfig{});

        m_komunikaty.clear();
        d.przyciskZastosujWlasne()->click();
        TParKonfig przyStarcie;
        wczytajKonfiguracjePrzyStarcie(przyStarcie, f.sciezka(), [this](const QString &t) { m_komunikaty << t; });
        QCOMPARE(m_komunikaty, QStringList{"Zastosowano własne użytkownika wartości parametrów konfiguracyjnych."});
        QCOMPARE(przyStarcie, k.konfig);
        QCOMPARE(przyStarcie.KolCzcCzyn, -2147483640);
        QCOMPARE(przyStarcie.KolTlaBier, -2147483633);
    }

    void zapisOdrzucony()
    {
        FolderRoboczy f;
        KontekstAplikacji k(f.sciezka(), std::make_unique<DialogiTestowe>(m_komunikaty));
        TFormKonfig d(k);
        wybierz(d, TloBier, QStringLiteral("niebieski")); // the passive font is blue too
        d.przyciskZapiszWlasne()->click();
        QCOMPARE(m_komunikaty, QStringList{nz("Kolor czcionki danych biernych aplikacji taki sam\n\rjak kolor tła tych "
                                              "danych. Dane będą nieczytelne.")});
        QVERIFY(!QFile::exists(f.plik(Plik)));
        m_komunikaty.clear();
        d.listaWlasna(TloBier)->setCurrentIndex(-1);
        d.przyciskZapiszWlasne()->click();
        QCOMPARE(m_komunikaty,
                 QStringList{nz("Wartość parametru: kolor tła danych biernych aplikacji - niezaznaczona.")});
        QVERIFY(!QFile::exists(f.plik(Plik)));
    }

    void odczytBledny()
    {
        FolderRoboczy f;
        KontekstAplikacji k(f.sciezka(), std::make_unique<DialogiTestowe>(m_komunikaty));
        TFormKonfig d(k);
        d.przyciskCzytajWlasne()->click();
        QCOMPARE(m_komunikaty, QStringList{"Pliku o nazwie \"plik konfiguracyjny systemu TREMIDA.txt\"\n\rnie "
                                           "znaleziono w napędzie i folderze bieżącym.\n\rOpcja nie zostanie "
                                           "zrealizowana"});
        QCOMPARE(wlasneTeksty(d), StandardoweTeksty);

        m_komunikaty.clear();
        f.zapisz(Plik, QStringLiteral("x7\r\nTRUE\r\ntrue\r\nrozmyta\r\nrozmyta\r\nrozmyta\r\n9,9,9\r\n0,02\r\nTRUE\r\n"
                                      "123\r\n16711680\r\n0\r\n-2147483633\r\n-2147483633\r\n-2147483633\r\n")
                           .toUtf8()
                       + Meta1.toUtf8() + "\r\n");
        d.przyciskCzytajWlasne()->click();
        const QString wPliku = QStringLiteral(",\n\rw pliku \"plik konfiguracyjny systemu TREMIDA.txt\".");
        QCOMPARE(m_komunikaty,
                 QStringList({"Błędna wartość parametru: czy wizualizowac tylko \"odpalone\" reguły" + wPliku,
                              "Błędna wartość parametru: kolor czcionki danych czynnych aplikacji" + wPliku,
                              "Własne użytkownika wartości parametrów konfiguracyjnych odczytano\n\rz pliku o nazwie: "
                              "\"plik konfiguracyjny systemu TREMIDA.txt\".\n\rAby parametry uaktywnić, przyciśnij "
                              "przycisk \"Zastosuj własne\"."}));
        // Fields are taken unchecked; a rejected list keeps its selection.
        QCOMPARE(wlasneTeksty(d), QStringList({"x7", "True", "False", "rozmyta", "rozmyta", "rozmyta", "9,9,9", "0,02",
                                               "True", "czerwony", "niebieski", "czarny", "systemowy", "systemowy",
                                               "systemowy", Meta1}));
        QCOMPARE(k.konfig, TParKonfig{});
    }

    // The main window's "Konfiguracja" opens the dialog; applying own colours re-colours the
    // other windows by role and the dialog itself.
    void zOknaGlownego()
    {
        FolderRoboczy f;
        GlowneTestowe glowne(f.sciezka(), m_komunikaty);
        auto *d = glowne.findChild<TFormKonfig *>();
        QVERIFY(d);
        QStringList strony;
        glowne.kontekst().pokazStroneInstrukcji = [&](const QString &s) { strony << s; };
        bool otwarte = false;
        QTimer::singleShot(0, [&] {
            otwarte = QApplication::activeModalWidget() == d;
            wybierz(*d, CzcBier, QStringLiteral("zielony"));
            wybierz(*d, CzcPomoc, QStringLiteral("purpurowy"));
            wybierz(*d, CzcCzyn, QStringLiteral("morski"));
            wybierz(*d, TloCzyn, QStringLiteral("zolty"));
            d->przyciskZastosujWlasne()->click();
            d->przyciskPomoc()->click();
            d->przyciskOK()->click();
        });
        m_komunikaty.clear();
        glowne.akcja(Akcja::Konfiguracja)->trigger();
        QVERIFY(otwarte);
        QVERIFY(!d->isVisible());
        QCOMPARE(strony, QStringList{"13.1"});
        QCOMPARE(m_komunikaty, QStringList{"Zastosowano własne użytkownika wartości parametrów konfiguracyjnych."});
        auto *oProgramie = glowne.findChild<TFormOProgramie *>();
        QVERIFY(oProgramie);
        QCOMPARE(oProgramie->findChildren<QLabel *>().last()->palette().color(QPalette::WindowText), QColor(0, 128, 0));
        QCOMPARE(oProgramie->findChild<QPushButton *>()->palette().color(QPalette::ButtonText), QColor(128, 0, 128));
        // In the dialog: own values active, standard values passive, buttons auxiliary.
        QCOMPARE(d->poleWlasne(Prog)->palette().color(QPalette::Text), QColor(0, 0, 128));
        QCOMPARE(d->poleWlasne(Prog)->palette().color(QPalette::Base), QColor(255, 255, 0));
        QCOMPARE(d->etykieta(Prog)->palette().color(QPalette::WindowText), QColor(0, 0, 128));
        QCOMPARE(d->poleStandardowe(Prog)->palette().color(QPalette::Text), QColor(0, 128, 0));
        QCOMPARE(d->przyciskOK()->palette().color(QPalette::ButtonText), QColor(128, 0, 128));
    }
};

QTEST_MAIN(TstGuiKonfig)
#include "tst_gui_konfig.moc"
