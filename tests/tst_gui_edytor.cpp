// The rule editor: what it offers for each fact and part of the rule, how elements are
// inserted at the cursor and at the end, and how the texts go back into the rules window.

#include "Pisanie.h"
#include "Pomocnicze.h"
#include "TestOkna.h"
#include "app/Komunikat.h"
#include "app/TFormGlowne.h"
#include "rules/TFormEdytorReg.h"
#include "rules/TFormTabReg.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

namespace {
QStringList teksty(const QListWidget *l)
{
    QStringList t;
    for (int i = 0; i < l->count(); ++i)
        t << l->item(i)->text();
    return t;
}
// For a fact chosen in the premise or the conclusion: the comparisons offered and whether
// its values, the constants and the literal field are shown.
struct OferowaneElementy {
    bool konkluzja;
    QString fakt;
    QStringList porownania;
    bool wartosci, stale, literal;
};

// A copy from the editor back to the rules table: the button, the message, whether the editor
// stays open, and the premise and conclusion stored afterwards.
struct KopiaDoTabeli {
    QString przycisk, komunikat;
    bool edytorOtwarty;
    QString przes, konkl;
};

} // namespace

Q_DECLARE_METATYPE(OferowaneElementy)
Q_DECLARE_METATYPE(KopiaDoTabeli)

class TstGuiEdytor : public QObject, private TestOkna<TFormTabReg, &TFormGlowne::formTabReg> {
    Q_OBJECT

    TFormEdytorReg *ed() { return okno()->edytor(); }
    QPushButton *przycisk(const QString &n)
    {
        auto *p = ed()->findChild<QPushButton *>(n);
        if (!p)
            qFatal("no button %s", qPrintable(n));
        return p;
    }
    bool widoczny(QWidget *w) { return w->isVisibleTo(ed()); }
    QStringList widocznePorownania()
    {
        QStringList w;
        for (const char *op : {">", ">=", "<", "<=", "="})
            if (widoczny(ed()->przyciskOperatora(op)))
                w << op;
        return w;
    }
    // Opens the editor from the rules window on a new rule of the chosen knowledge base.
    void otworzNaNowejRegule()
    {
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Wstaw));
        kliknij("wywolajEdytor");
        QVERIFY(ed()->isVisible());
    }

private slots:
    void init()
    {
        otworzStanowisko("gui_reg_kotly.json", Akcja::OtwTabReg);
        m_komunikaty.clear();
    }
    void cleanup() { zamknijStanowisko(); }

    void otwarcieNaTekstachFormularza()
    {
        kontrolka<QPlainTextEdit>("KonklReg")->clear();
        wpisz(kontrolka<QPlainTextEdit>("KonklReg"), "[alarm]=[prawda]");
        kliknij("wywolajEdytor");
        QCOMPARE(ed()->tekstPrzes(),
                 QStringLiteral("[temperatura pary]>[poziom maksimum temperatury] AND [kolor płomienia]=[czerwony]"));
        QCOMPARE(ed()->tekstKonkl(), QStringLiteral("[alarm]=[prawda]"));
        QCOMPARE(ed()->czlon(), TFormEdytorReg::Czlon::Przes);
        QCOMPARE(ed()->faktyKody()->currentRow(), 0);
        QCOMPARE(teksty(ed()->wartosciNazwy()), (QStringList{"czerwony", "niebieski"}));
    }

    void przykladTemperaturyPary()
    {
        otworzNaNowejRegule();
        ed()->faktyNazwy()->setCurrentRow(1);
        przycisk("faktKonca")->click();
        przycisk("operator >")->click();
        przycisk("operatorKonca")->click();
        wpisz(ed()->literal(), "541");
        przycisk("operatorKonca")->click();
        QCOMPARE(ed()->tekstPrzes(), QStringLiteral("[temperatura pary]>[541]"));
        // The pending element stays chosen.
        przycisk("operatorKonca")->click();
        QCOMPARE(ed()->tekstPrzes(), QStringLiteral("[temperatura pary]>[541][541]"));
    }

    void oferowaneElementy_data()
    {
        QTest::addColumn<OferowaneElementy>("p");
        QTest::newRow("premise enumerated") << OferowaneElementy{.konkluzja = false, .fakt = "kolor płomienia",
            .porownania = {"="}, .wartosci = true, .stale = false, .literal = false};
        QTest::newRow("premise real") << OferowaneElementy{.konkluzja = false, .fakt = "temperatura pary",
            .porownania = {">", ">=", "<", "<="}, .wartosci = false, .stale = true, .literal = true};
        QTest::newRow("premise integer without constants") << OferowaneElementy{.konkluzja = false,
            .fakt = "liczba palników", .porownania = {">", ">=", "<", "<=", "="}, .wartosci = false, .stale = false,
            .literal = true};
        QTest::newRow("premise logical") << OferowaneElementy{.konkluzja = false, .fakt = "alarm", .porownania = {"="},
            .wartosci = false, .stale = true, .literal = true};
        QTest::newRow("premise enumerated without values") << OferowaneElementy{.konkluzja = false, .fakt = "zawór",
            .porownania = {"="}, .wartosci = false, .stale = false, .literal = false};
        QTest::newRow("conclusion real") << OferowaneElementy{.konkluzja = true, .fakt = "ciśnienie",
            .porownania = {"="}, .wartosci = false, .stale = true, .literal = true};
        QTest::newRow("conclusion enumerated") << OferowaneElementy{.konkluzja = true, .fakt = "stan kotła",
            .porownania = {"="}, .wartosci = true, .stale = false, .literal = false};
    }
    void oferowaneElementy()
    {
        QFETCH(OferowaneElementy, p);
        otworzNaNowejRegule();
        if (p.konkluzja)
            ed()->findChild<GrupaRadiowa *>("czlon")->kliknij("konkluzji");
        const int w = teksty(ed()->faktyNazwy()).indexOf(p.fakt);
        QVERIFY(w >= 0);
        ed()->faktyNazwy()->setCurrentRow(w);
        QCOMPARE(ed()->faktyKody()->currentRow(), w);
        QCOMPARE(widocznePorownania(), p.porownania);
        QCOMPARE(widoczny(ed()->wartosciNazwy()), p.wartosci);
        QCOMPARE(widoczny(ed()->staleNazwy()), p.stale);
        QCOMPARE(widoczny(ed()->literal()), p.literal);
        QCOMPARE(widoczny(ed()->przyciskOperatora("zmiana wiersza")), !p.konkluzja);
        QVERIFY(widoczny(ed()->przyciskOperatora("AND")));
    }

    void konkluzjaBezFaktowWprowadzanych()
    {
        otworzNaNowejRegule();
        ed()->findChild<GrupaRadiowa *>("czlon")->kliknij("konkluzji");
        QCOMPARE(teksty(ed()->faktyNazwy()), (QStringList{"stan kotła", "alarm", "ciśnienie", "zawór"}));
        QCOMPARE(teksty(ed()->faktyKody()), (QStringList{"3", "5", "6", "7"}));
        przycisk("faktKonca")->click();
        przycisk("operator =")->click();
        przycisk("operatorKonca")->click();
        ed()->wartosciKody()->setCurrentRow(1);
        QCOMPARE(ed()->wartosciNazwy()->currentRow(), 1);
        przycisk("wartoscKonca")->click();
        QCOMPARE(ed()->tekstKonkl(), QStringLiteral("[stan kotła]=[zły]"));
        QCOMPARE(ed()->tekstPrzes(), QString());
    }

    void stalePodazajaZaTypemFaktu()
    {
        otworzNaNowejRegule();
        ed()->faktyNazwy()->setCurrentRow(3); // integer: no constants of that type
        QCOMPARE(ed()->staleKody()->count(), 0);
        QCOMPARE(ed()->staleNazwy()->count(), 0);
        ed()->faktyKody()->setCurrentRow(1); // real
        QCOMPARE(teksty(ed()->staleKody()), (QStringList{"1", "3"}));
        QCOMPARE(teksty(ed()->staleNazwy()), (QStringList{"poziom maksimum temperatury", "poziom minimum temperatury"}));
        ed()->staleKody()->setCurrentRow(1);
        QCOMPARE(ed()->staleNazwy()->currentItem()->text(), QStringLiteral("poziom minimum temperatury"));
        ed()->faktyNazwy()->setCurrentRow(4); // logical
        QCOMPARE(teksty(ed()->staleKody()), QStringList{"2"});
        QCOMPARE(teksty(ed()->staleNazwy()), QStringList{"prawda"});
        przycisk("stalaKonca")->click();
        QCOMPARE(ed()->tekstPrzes(), QStringLiteral("[prawda]"));
    }

    void wstawianieOdKursora_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<int>("od");
        QTest::addColumn<int>("dlugosc");
        QTest::addColumn<QString>("op"); // empty: nothing chosen yet
        QTest::addColumn<QString>("wynik");
        const QString t = "[alarm]=[TRUE] AND [alarm]=[FALSE]";
        QTest::newRow("selection AND replaced by OR") << t << 15 << 3 << "OR" << "[alarm]=[TRUE] OR [alarm]=[FALSE]";
        QTest::newRow("no pending element removes the selection") << t << 15 << 3 << "" << "[alarm]=[TRUE]  [alarm]=[FALSE]";
        QTest::newRow("blank at the cursor") << "AB" << 1 << 0 << "spacja" << "A B";
        QTest::newRow("parenthesis at the start") << "x" << 0 << 0 << "(" << "(x";
        QTest::newRow("cursor beyond a shorter text") << "ab" << 40 << 5 << "NOT" << "abNOT";
        QTest::newRow("line break splits the line") << "AB" << 1 << 0 << "zmiana wiersza" << "A\nB";
    }
    void wstawianieOdKursora()
    {
        QFETCH(QString, tekst);
        QFETCH(int, od);
        QFETCH(int, dlugosc);
        QFETCH(QString, op);
        QFETCH(QString, wynik);
        ed()->otworz(tekst, QString(), 1);
        ed()->zapamietajKursor(od, dlugosc);
        if (!op.isEmpty())
            przycisk("operator " + op)->click();
        przycisk("operatorKursora")->click();
        QCOMPARE(ed()->tekstPrzes(), wynik);
    }

    void kursorUzytkownika()
    {
        // Where the user put the cursor in the text is where "kursora" inserts.
        ed()->otworz("[alarm]=[TRUE]", QString(), 1);
        QTextCursor c = ed()->edycjaPrzes()->textCursor();
        c.setPosition(0);
        ed()->edycjaPrzes()->setTextCursor(c);
        ed()->faktyNazwy()->setCurrentRow(1);
        przycisk("faktKursora")->click();
        QCOMPARE(ed()->tekstPrzes(), QStringLiteral("[temperatura pary][alarm]=[TRUE]"));
    }

    void zmianaWiersza()
    {
        ed()->otworz("[alarm]=[TRUE]", "[alarm]=[TRUE]", 1);
        przycisk("operator zmiana wiersza")->click();
        przycisk("operatorKonca")->click();
        przycisk("operator AND")->click();
        przycisk("operatorKonca")->click();
        QCOMPARE(ed()->tekstPrzes(), QStringLiteral("[alarm]=[TRUE]\nAND"));
        // A line break chosen before switching to the conclusion inserts nothing there.
        przycisk("operator zmiana wiersza")->click();
        ed()->ustawCzlon(TFormEdytorReg::Czlon::Konkl);
        przycisk("operatorKonca")->click();
        przycisk("operatorKursora")->click();
        QCOMPARE(ed()->tekstKonkl(), QStringLiteral("[alarm]=[TRUE]"));
    }

    void bazaBezFaktow()
    {
        okno()->nawigatorSyst()->kliknij(PrzyciskNaw::Ostatni);
        otworzNaNowejRegule();
        QCOMPARE(ed()->faktyNazwy()->count(), 0);
        for (QWidget *w : std::initializer_list<QWidget *>{ed()->faktyNazwy(), ed()->wartosciNazwy(), ed()->staleNazwy(),
                                                          ed()->literal(), ed()->przyciskOperatora("AND"),
                                                          przycisk("faktKonca"), przycisk("operatorKursora")})
            QVERIFY(!widoczny(w));
    }

    void kopiowanieDoTabeli_data()
    {
        QTest::addColumn<KopiaDoTabeli>("p");
        const QString dalej = "\n\rAby zapisać tekst do rekordu tabeli musisz jeszcze zatwierdzić rekord na tym formularzu.";
        const QString p = "[kolor płomienia]=[niebieski]", k = "[stan kotła]=[dobry]";
        const QString nowyP = p + " OR [alarm]=[TRUE]", nowyK = "[stan kotła]=[zły]";
        QTest::newRow("whole rule") << KopiaDoTabeli{.przycisk = "Kopiuj całość tekstu reguły. Wróć do tabeli reguł. ",
            .komunikat = "Tekst reguły skopiowano do komponentów formularza tabeli reguł." + dalej,
            .edytorOtwarty = false, .przes = nowyP, .konkl = nowyK};
        QTest::newRow("premise only") << KopiaDoTabeli{.przycisk = "Kopiuj tylko pole przesłankowe reguły",
            .komunikat = "Tekst pola przesłankowego reguły skopiowano do komponentów formularza tabeli "
                          "reguł." + dalej, .edytorOtwarty = true, .przes = nowyP, .konkl = k};
        QTest::newRow("conclusion only") << KopiaDoTabeli{.przycisk = "Kopiuj tylko konkluzję reguły",
            .komunikat = "Tekst konkluzji reguły skopiowano do komponentów formularza tabeli reguł." +
                          dalej, .edytorOtwarty = true, .przes = p, .konkl = nowyK};
    }
    void kopiowanieDoTabeli()
    {
        QFETCH(KopiaDoTabeli, p);
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Ostatni)); // rule 3
        okno()->wywolajEdytor();
        QCOMPARE(ed()->tekstPrzes(), QStringLiteral("[kolor płomienia]=[niebieski]"));
        ed()->otworz("[kolor płomienia]=[niebieski] OR [alarm]=[TRUE]", "[stan kotła]=[zły]", 1);
        QPushButton *b = nullptr;
        for (QPushButton *k : ed()->findChildren<QPushButton *>())
            if (k->text() == p.przycisk)
                b = k;
        QVERIFY(b);
        b->click();
        QCOMPARE(m_komunikaty, QStringList{p.komunikat});
        QCOMPARE(ed()->isVisible(), p.edytorOtwarty);
        QCOMPARE(okno()->zbiorReg()->stan(), StanZbioru::Edycja);
        QCOMPARE(kontrolka<QPlainTextEdit>("PrzesReg")->toPlainText(), p.przes);
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Zatwierdz));
        QSqlQuery q = baza().zapytanie();
        QVERIFY(q.exec("SELECT PrzesReg, KonklReg FROM reguly WHERE IdReg=3") && q.next());
        QCOMPARE(q.value(0).toString(), p.przes);
        QCOMPARE(q.value(1).toString(), p.konkl);
    }

    void zamkniecieBezKopiowania()
    {
        okno()->wywolajEdytor();
        przycisk("operator NOT")->click();
        przycisk("operatorKonca")->click();
        for (QPushButton *p : ed()->findChildren<QPushButton *>())
            if (p->text() == "Zamknij edytor. Wróć do tabeli reguł")
                p->click();
        QVERIFY(!ed()->isVisible());
        QCOMPARE(okno()->zbiorReg()->stan(), StanZbioru::Przegladanie);
        QVERIFY(m_komunikaty.isEmpty());
    }
};

QTEST_MAIN(TstGuiEdytor)
#include "tst_gui_edytor.moc"
