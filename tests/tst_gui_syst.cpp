// The systems table window and the data-aware toolkit under it: insert, post, the record
// date, engine errors that keep the record in insert, and leaving with unposted changes.

#include "Pisanie.h"
#include "Pomocnicze.h"
#include "TestOkna.h"
#include "app/Komunikat.h"
#include "app/TFormGlowne.h"
#include "store/TFormOstrzWyj.h"
#include "store/TFormTabSyst.h"

#include <QAction>
#include <QDate>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>
#include <QToolButton>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

namespace {

// Answers the next unposted-changes warning; remembers that it was shown.
void odpowiedzNaOstrzezenieWyjscia(bool wyjdz, bool *pokazane)
{
    odpowiedzOknuModalnemu<TFormOstrzWyj>(QStringLiteral("OSTRZEŻENIE PRZED WYJŚCIEM BEZ ZATWIERDZENIA ZMIAN"),
                                          [=](TFormOstrzWyj *okno) {
                                              *pokazane = true;
                                              (wyjdz ? okno->przyciskWyjdz() : okno->przyciskWroc())->click();
                                          });
}

QStringList nazwySystemow(Baza &baza)
{
    QStringList n;
    QSqlQuery q = baza.zapytanie();
    q.exec("SELECT NazSyst FROM systemyeksperckie ORDER BY IdSyst");
    while (q.next())
        n << q.value(0).toString();
    return n;
}

} // namespace

class TstGuiSyst : public QObject, private TestOkna<TFormTabSyst, &TFormGlowne::formTabSyst> {
    Q_OBJECT

    void wpiszSystem(const QString &kod, const QString &nazwa)
    {
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Wstaw));
        wpisz(okno()->poleKodu(), kod);
        wpisz(okno()->poleNazwy(), nazwa);
    }

private slots:
    void init()
    {
        otworzOkno("dwa_systemy.json", Akcja::OtwTabSyst, Potwierdzaj);
    }
    void cleanup() { zamknijStanowisko(); }

    void otwarcie()
    {
        QCOMPARE(okno()->windowTitle(), QStringLiteral("TABELA SYSTEMÓW EKSPERCKICH (BAZ WIEDZY)"));
        ZbiorDanych *z = okno()->zbior();
        QCOMPARE(z->liczbaRekordow(), 2);
        QStringList naglowki;
        for (int i = 0; i < z->columnCount(); ++i)
            naglowki << z->headerData(i, Qt::Horizontal).toString();
        QCOMPARE(naglowki, QStringList({"Kod systemu", "Nazwa systemu eksperckiego (bazy wiedzy)", "Opis systemu",
                                        "Data wygenerowania rekordu"}));
        QCOMPARE(okno()->poleNazwy()->text(), QStringLiteral("Kotły parowe"));
        // The first record's stamp "0123" is shorter than any date position.
        QCOMPARE(okno()->poleDaty()->text(), QStringLiteral(".."));
        QVERIFY(m_komunikaty.isEmpty());
    }

    void wstawienieIZatwierdzenie()
    {
        okno()->przyciskWolnyKod()->click();
        QCOMPARE(okno()->poleWolnegoKodu()->text(), QStringLiteral("3"));
        wpiszSystem("3", "Kotły parowe");
        QCOMPARE(okno()->poleDaty()->text(), QString());
        wpisz(okno()->poleOpisu(), "opis\ndrugi wiersz");
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Zatwierdz));
        QVERIFY(m_komunikaty.isEmpty());
        // Two systems of the same name are accepted.
        QCOMPARE(nazwySystemow(m_s->glowne->kontekst().baza), QStringList({"Kotły parowe", "Urlop", "Kotły parowe"}));
        QCOMPARE(okno()->zbior()->wartosc("IdSyst").toInt(), 3);
        QCOMPARE(okno()->zbior()->wartosc("OpisSyst").toString(), QStringLiteral("opis\ndrugi wiersz"));
        okno()->nawigator()->kliknij(PrzyciskNaw::Pierwszy);
        okno()->nawigator()->kliknij(PrzyciskNaw::Ostatni);
        QCOMPARE(okno()->poleDaty()->text(), QDate::currentDate().toString("dd.MM.yyyy"));
    }

    void bledyZatwierdzenia_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QString>("nazwa");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("duplicate key") << "2"
                                       << "Nowy"
                                       << "Naruszenie klucza: w tabeli istnieje już rekord o tej samej wartości pola "
                                          "IdSyst.\n\rPopraw rekord i zatwierdź go ponownie.";
        QTest::newRow("empty name") << "7" << ""
                                    << "Pole NazSyst musi mieć wartość.\n\rUzupełnij rekord i zatwierdź go ponownie.";
        QTest::newRow("empty code") << ""
                                    << "Nowy"
                                    << "Pole IdSyst musi mieć wartość.\n\rUzupełnij rekord i zatwierdź go ponownie.";
        QTest::newRow("letters in code") << "1a"
                                         << "Nowy"
                                         << "'1a' nie jest poprawną liczbą całkowitą.";
    }
    void bledyZatwierdzenia()
    {
        QFETCH(QString, kod);
        QFETCH(QString, nazwa);
        QFETCH(QString, komunikat);
        wpiszSystem(kod, nazwa);
        QVERIFY(!okno()->nawigator()->kliknij(PrzyciskNaw::Zatwierdz));
        QCOMPARE(m_komunikaty, QStringList{komunikat});
        // The record stays in insert with what was typed.
        QCOMPARE(okno()->zbior()->stan(), StanZbioru::Wstawianie);
        QCOMPARE(okno()->poleNazwy()->text(), nazwa);
        QCOMPARE(nazwySystemow(m_s->glowne->kontekst().baza), QStringList({"Kotły parowe", "Urlop"}));
        // Correcting the record lets it be posted.
        okno()->poleKodu()->selectAll();
        wpisz(okno()->poleKodu(), "9");
        if (nazwa.isEmpty())
            wpisz(okno()->poleNazwy(), "Poprawiony");
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Zatwierdz));
        QCOMPARE(nazwySystemow(m_s->glowne->kontekst().baza).size(), 3);
    }

    void wyjscieBezZatwierdzenia()
    {
        wpiszSystem("5", "Niezatwierdzony");
        bool pokazane = false;
        odpowiedzNaOstrzezenieWyjscia(false, &pokazane);
        okno()->przyciskOk()->click();
        QVERIFY(pokazane);
        QVERIFY(okno()->isVisible());
        QCOMPARE(okno()->zbior()->stan(), StanZbioru::Wstawianie);

        pokazane = false;
        odpowiedzNaOstrzezenieWyjscia(true, &pokazane);
        okno()->przyciskOk()->click();
        QVERIFY(pokazane);
        QVERIFY(!okno()->isVisible());
        QCOMPARE(nazwySystemow(m_s->glowne->kontekst().baza), QStringList({"Kotły parowe", "Urlop"}));
        QVERIFY(!m_s->glowne->kontekst().baza.czyZajeta(Tabela::Systemy));

        // Without unposted changes OK just hides the window.
        m_s->glowne->akcja(Akcja::OtwTabSyst)->trigger();
        okno()->przyciskOk()->click();
        QVERIFY(!okno()->isVisible());
    }

    void edycjaIUsuniecie()
    {
        okno()->nawigator()->kliknij(PrzyciskNaw::Ostatni);
        okno()->poleNazwy()->end(false);
        wpisz(okno()->poleNazwy(), " w górach");
        QCOMPARE(okno()->zbior()->stan(), StanZbioru::Edycja);
        // Moving to another record posts the edited one.
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Pierwszy));
        QCOMPARE(nazwySystemow(m_s->glowne->kontekst().baza), QStringList({"Kotły parowe", "Urlop w górach"}));
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Usun));
        QCOMPARE(nazwySystemow(m_s->glowne->kontekst().baza), QStringList({"Urlop w górach"}));
        QCOMPARE(okno()->poleNazwy()->text(), QStringLiteral("Urlop w górach"));
        // Cancelling an edit restores the stored text.
        wpisz(okno()->poleNazwy(), "!!!");
        okno()->nawigator()->kliknij(PrzyciskNaw::Anuluj);
        QCOMPARE(okno()->poleNazwy()->text(), QStringLiteral("Urlop w górach"));
    }
};

QTEST_MAIN(TstGuiSyst)
#include "tst_gui_syst.moc"
