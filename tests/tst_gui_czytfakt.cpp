// The input-fact dialog of a run (scalar and enumerated sections, their checks and sizes)
// and the window reading input-fact values from a text file.

#include "StanowiskoGui.h"
#include "inference/DostepWnios.h"
#include "inference/TFormCzytFakt.h"
#include "inference/TFormCzytFaktWnios.h"
#include "inference/TFormRealizWnios.h"
#include "inference/TFormWybSyst.h"
#include "inference/TWnioskowanie.h"
#include "inference/TWyborPliku.h"
#include "verify/TFormWeryf.h"

#include <QAction>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

namespace {


const QString A1 = QStringLiteral("Została przypisana wartość do faktu. Proces wnioskowania będzie kontynuowany.");
const QString A2 =
    QStringLiteral("Została przypisana wartość (wartości) do faktu. Proces wnioskowania będzie kontynuowany.");
const QString N = QStringLiteral("Nadal nie przypisałeś żadnej wartości do faktu. Proces wnioskowania będzie "
                                 "kontynuowany,\n\rjednak reguły mające ten fakt w polu przesłankowym mogą nie zostać "
                                 "\"odpalone\".");

TKontekstCzytFakt kontekstFaktu(Baza &baza, int idFakt)
{
    TKontekstCzytFakt k;
    k.kodSyst = 1;
    k.nazSyst = QStringLiteral("Kocioł");
    k.fakt = *dostep::fakt(baza, idFakt);
    k.wartosci = dostep::wartosciFaktu(baza, idFakt);
    return k;
}

// A value and CF typed into the scalar section, then OK: the messages shown, whether the
// dialog closed, and the fact's value and previous value afterwards.
struct WpisSkalarny {
    QString wartosc, cf;
    QStringList komunikaty;
    bool zamkniety;
    QString zapisana, poprzednia;
};

// Values ticked in the enumerated section with their CFs, then OK: the messages shown, the
// values then stored and the fact's previous value.
struct WyborWyliczeniowy {
    QStringList wybory, cf, komunikaty, zapisane;
    QString poprzednia;
};

} // namespace

Q_DECLARE_METATYPE(WpisSkalarny)
Q_DECLARE_METATYPE(WyborWyliczeniowy)

class TstGuiCzytFakt : public QObject, private TestStanowiska {
    Q_OBJECT
    TFormCzytFaktWnios *dialog() { return m_s->glowne->wnioskowanie().formCzytFaktWnios(); }
    // The input dialog made ready to ask for fact `idFakt` of the first system.
    TFormCzytFaktWnios *dialogFaktu(int idFakt)
    {
        dialog()->przygotuj(kontekstFaktu(baza(), idFakt));
        return dialog();
    }

private slots:
    void init()
    {
        // Every test starts from a fresh workstation over the boiler knowledge base.
        zalozStanowisko("wnios_kociol.json");
    }
    void cleanup() { zamknijStanowisko(); }

    void skalarny_data()
    {
        QTest::addColumn<WpisSkalarny>("w");
        QTest::newRow("R5 litery") << WpisSkalarny{.wartosc = "dwanaście", .cf = "1",
            .komunikaty = {"Forma wartości faktu wadliwa. Nie konwertuje się do wartości "
                           "rzeczywistej.\n\rByć może wprowadziłeś kropkę dziesiętną w miejsce "
                           "przecinka. Sprawdź i popraw."}, .zamkniety = false, .zapisana = "???", .poprzednia = ""};
        QTest::newRow("R9 CF 1,5") << WpisSkalarny{.wartosc = "12,5", .cf = "1,5",
            .komunikaty = {"CF wartości faktu zpoza przedziału dopuszczalnego [0,1].\n\rPopraw."}, .zamkniety = false,
            .zapisana = "???", .poprzednia = ""};
        QTest::newRow("R10 CF 0,01") << WpisSkalarny{.wartosc = "12,5", .cf = "0,01",
            .komunikaty = {"CF wartości faktu poniżej progu określonego w pliku "
                           "konfiguracyjnym.\n\rProces wnioskowania będzie kontynuowany, "
                           "jednak reguły mające ten fakt w polu przesłankowym mogą nie "
                           "zostać \"odpalone\".",
                           A1}, .zamkniety = true, .zapisana = "12,5", .poprzednia = ""};
        QTest::newRow("A1 przecinek") << WpisSkalarny{.wartosc = "12,5", .cf = "1", .komunikaty = {A1},
            .zamkniety = true, .zapisana = "12,5", .poprzednia = ""};
        QTest::newRow("A1 kropka") << WpisSkalarny{.wartosc = "12.5", .cf = "0.8", .komunikaty = {A1},
            .zamkniety = true, .zapisana = "12.5", .poprzednia = ""};
        QTest::newRow("??? bez wartości") << WpisSkalarny{.wartosc = "???", .cf = "0", .komunikaty = {N},
            .zamkniety = true, .zapisana = "???", .poprzednia = "nzn"};
    }
    void skalarny()
    {
        QFETCH(WpisSkalarny, w);
        m_komunikaty.clear();
        TFormCzytFaktWnios *d = dialogFaktu(1);
        QVERIFY(!d->sekcjaSkalarna()->isHidden());
        QVERIFY(d->sekcjaWyliczeniowa()->isHidden());
        QCOMPARE(d->poleWartosci()->text(), QStringLiteral("???"));
        QSignalSpy zamkniecie(d, &QDialog::accepted);
        d->poleWartosci()->setText(w.wartosc);
        d->poleCF()->setText(w.cf);
        d->przyciskOk()->click();
        QCOMPARE(m_komunikaty, w.komunikaty);
        QCOMPARE(zamkniecie.count(), w.zamkniety ? 1 : 0);
        const TRekFakt fakt = *dostep::fakt(baza(), 1);
        QCOMPARE(fakt.WartFakt, w.zapisana);
        QCOMPARE(fakt.WartPoprzFakt, w.poprzednia);
    }

    void wyliczeniowy_data()
    {
        QTest::addColumn<WyborWyliczeniowy>("w");
        QTest::newRow("R1 dwie wartości faktu jednowartościowego") << WyborWyliczeniowy{.wybory = {"tak", "tak"},
            .cf = {"0,8", "0,5"},
            .komunikaty = {"Przypisałeś więcej niż jedną wartość do faktu, będącego faktem jednowartościowym.\n\r"
                           "Popraw."}, .zapisane = {"tak", "???"}, .poprzednia = ""};
        QTest::newRow("A2") << WyborWyliczeniowy{.wybory = {"tak", "nie"}, .cf = {"0,8", "1"}, .komunikaty = {A2},
            .zapisane = {"tak", "nie"}, .poprzednia = ""};
        QTest::newRow("N") << WyborWyliczeniowy{.wybory = {"???", "???"}, .cf = {"0", "0"}, .komunikaty = {N},
            .zapisane = {"???", "???"}, .poprzednia = "nzn"};
    }
    void wyliczeniowy()
    {
        QFETCH(WyborWyliczeniowy, w);
        m_komunikaty.clear();
        TFormCzytFaktWnios *d = dialogFaktu(2);
        QVERIFY(d->sekcjaSkalarna()->isHidden());
        QCOMPARE(d->liczbaWartosci(), 2);
        QCOMPARE(d->EditJakoKomp(2)->text(), QStringLiteral("czerwony"));
        QCOMPARE(d->EditJakoKomp(4)->text(), QStringLiteral("2"));
        QVERIFY(!d->EditJakoKomp(0));
        QVERIFY(!d->EditJakoKomp(61));
        QVERIFY(!d->RadioGroupJakoKomp(21));
        for (int i = 0; i < 2; ++i) {
            d->ustawWybor(i + 1, w.wybory[i]);
            d->EditJakoKomp(3 * (i + 1))->setText(w.cf[i]);
        }
        d->przyciskOk()->click();
        QCOMPARE(m_komunikaty, w.komunikaty);
        const auto wartosci = dostep::wartosciFaktu(baza(), 2);
        QCOMPARE((QStringList{wartosci[0].CzyFaktMaWartAkt, wartosci[1].CzyFaktMaWartAkt}), w.zapisane);
        QCOMPARE(dostep::fakt(baza(), 2)->WartPoprzFakt, w.poprzednia);
    }

    // Two value rows take one line: nine empty lines make the dialog 225 pixels shorter,
    // and rows 3 to 20 are hidden.
    void rozmiarWyliczeniowego()
    {
        TFormCzytFaktWnios *d = dialogFaktu(2);
        QCOMPARE(d->height(), d->wysokoscPelna() - 225);
        QVERIFY(d->RadioGroupJakoKomp(2)->isVisibleTo(d));
        QVERIFY(!d->RadioGroupJakoKomp(3)->isVisibleTo(d));
        QVERIFY(!d->RadioGroupJakoKomp(20)->isVisibleTo(d));
    }

    // A scalar fact asked after an enumerated one gets the scalar dialog's own size, as when
    // it is asked first.
    void rozmiarSkalarnegoPoWyliczeniowym()
    {
        TFormCzytFaktWnios *d = dialog();
        // Each time shown and hidden, as the dialog of a run is.
        QSize rozmiary[3];
        const int fakty[3] = {1, 2, 1};
        for (int i = 0; i < 3; ++i) {
            dialogFaktu(fakty[i]);
            d->show();
            QVERIFY(QTest::qWaitForWindowExposed(d));
            rozmiary[i] = d->size();
            d->hide();
        }
        QVERIFY(rozmiary[1] != rozmiary[0]);
        QCOMPARE(rozmiary[2], rozmiary[0]);
    }

    // The close box records "no value" like OK with nothing chosen, and keeps stored values.
    void zamknieciePolemOkna()
    {
        m_komunikaty.clear();
        TFormCzytFaktWnios *d = dialogFaktu(1);
        d->poleWartosci()->setText(QStringLiteral("600"));
        d->reject();
        QCOMPARE(m_komunikaty, QStringList{N});
        const TRekFakt fakt = *dostep::fakt(baza(), 1);
        QCOMPARE(fakt.WartFakt, QStringLiteral("???"));
        QCOMPARE(fakt.WartPoprzFakt, QStringLiteral("nzn"));
    }

    // Reading a file: a fact of the system is written, a code of no fact is reported and
    // skipped, the descriptive lines reach the launcher and the window closes before the
    // final message.
    void plikFaktow()
    {
        m_s->folder.zapisz(QStringLiteral("pomiar.txt"),
                 "Obiekt\r\nkociol nr 2\r\nData\r\n5.3.2024\r\nc\r\nd\r\ne\r\nf\r\ng\r\nh\r\n"
                 "1\r\n12,5\r\n0,7\r\n  7\r\nx\r\n1\r\n");
        TWnioskowanie &w = glowne().wnioskowanie();
        glowne().akcja(Akcja::WyborSyst)->trigger();
        w.formWybSyst()->przyciskOk()->click();
        m_komunikaty.clear();
        glowne().akcja(Akcja::CzytFaktPlik)->trigger();
        TFormCzytFakt *okno = w.formCzytFakt();
        QVERIFY(okno->isVisible());

        okno->przyciskCzytaj()->click();
        QCOMPARE(m_komunikaty, QStringList{"Plik tekstowy do odczytu wartosci faktów nie istnieje lub nie został "
                                           "zaznaczony.\n\rOpcja nie zostanie zrealizowana."});
        QVERIFY(okno->isVisible());
        m_komunikaty.clear();

        QListWidget *pliki = okno->wyborPliku()->pliki();
        const auto znalezione = pliki->findItems(QStringLiteral("pomiar.txt"), Qt::MatchExactly);
        QCOMPARE(znalezione.size(), 1);
        pliki->itemClicked(znalezione.first());
        QCOMPARE(okno->poleSciezki()->text(), m_s->folder.plik(QStringLiteral("pomiar.txt")));
        okno->przyciskCzytaj()->click();
        QCOMPARE(m_komunikaty,
                 QStringList({"Faktu o odczytanym z pliku kodzie   7 nie znaleziono w tabeli faktów.\n\rDane tego "
                              "faktu nie zostaną zapisane do tabeli.",
                              "Wartości faktów z pliku tekstowego zostały zapisane do tabeli faktów. Celem kontynuacji "
                              "procesu wnioskowania, wybierz teraz opcję menu głównego Wnioskowanie-Weryfikacja bazy "
                              "wiedzy."}));
        QVERIFY(!okno->isVisible());
        QCOMPARE(dostep::fakt(baza(), 1)->WartFakt, QStringLiteral("12,5"));
        glowne().kontekst().konfig.CzyPelnaWeryf = false;
        glowne().akcja(Akcja::WeryfBazy)->trigger();
        w.formWeryf()->przyciskStart()->click();
        w.formWeryf()->przyciskOk()->click();
        glowne().akcja(Akcja::RealizWnios)->trigger();
        QCOMPARE(w.formRealizWnios()->poleOpisu(1)->text(), QStringLiteral("kociol nr 2"));
        QCOMPARE(w.formRealizWnios()->poleOpisu(2)->text(), QStringLiteral("Data"));
    }
};

QTEST_MAIN(TstGuiCzytFakt)
#include "tst_gui_czytfakt.moc"
