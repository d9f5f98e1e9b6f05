// The multimedia files window: the views per fact and per rule, the presets of a new
// record, the free code, the search and the messages of the trial display.

#include "Pisanie.h"
#include "Pomocnicze.h"
#include "TestOkna.h"
#include "app/Komunikat.h"
#include "app/TFormGlowne.h"
#include "store/TFormTabPlikMult.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlQuery>
#include <QTest>

using namespace tremida;
using namespace tremida::gui;
using namespace tremida::test;

Q_DECLARE_METATYPE(tremida::gui::TFormTabPlikMult::Widok)

namespace {

// The record typed before the trial display (kind, file name, ratio) and the one message expected.
struct ProbnaWizualizacja {
    QString rodzaj, nazwa, stosunek, komunikat;
};

} // namespace

Q_DECLARE_METATYPE(ProbnaWizualizacja)

class TstGuiPlikMult : public QObject, private TestOkna<TFormTabPlikMult, &TFormGlowne::formTabPlikMult> {
    Q_OBJECT


private slots:
    void init()
    {
        otworzOkno("dwa_systemy.json", Akcja::OtwTabPlikMult);
    }
    void cleanup() { zamknijStanowisko(); }

    void otwarcie()
    {
        QCOMPARE(okno()->windowTitle(), QStringLiteral("TABELA PLIKÓW MULTIMEDIALNYCH"));
        QCOMPARE(okno()->zbiorPlikow()->liczbaRekordow(), 4);
        QCOMPARE(okno()->zbiorPlikow()->headerData(3, Qt::Horizontal).toString(),
                 QStringLiteral("Stosunek wysokości do szerokości obrazu/zdjęcia/ekranu"));
        QVERIFY(!m_s->glowne->akcja(Akcja::ZalTabPlikMult)->isEnabled());
        QVERIFY(m_komunikaty.isEmpty());
    }

    void widokRegulyIWstawienie()
    {
        QVERIFY(okno()->ustawWidok(TFormTabPlikMult::Widok::Regula));
        QCOMPARE(okno()->zbiorPlikow()->liczbaRekordow(), 1);
        QCOMPARE(kontrolka("NazwaPliku")->text(), QStringLiteral("r1.avi"));
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Wstaw));
        QCOMPARE(okno()->zbiorPlikow()->wartosc("CoPlikIlustr").toString(), QStringLiteral("regula"));
        QCOMPARE(kontrolka("KodElemIlustr")->text(), QStringLiteral("1"));
        okno()->nawigator()->kliknij(PrzyciskNaw::Anuluj);
        // The second system's rule shows its own picture.
        okno()->nawigatorSyst()->kliknij(PrzyciskNaw::Nastepny);
        QCOMPARE(kontrolka("NazwaPliku")->text(), QStringLiteral("morze.bmp"));
        QVERIFY(okno()->ustawWidok(TFormTabPlikMult::Widok::Fakt));
        QCOMPARE(kontrolka("NazwaPliku")->text(), QStringLiteral("kociol.jpg"));
        QVERIFY(m_komunikaty.isEmpty());
    }

    void widokBezPlikuRegul()
    {
        QVERIFY(QFile::remove(m_s->folder.plik("reguly.db")));
        QVERIFY(!okno()->ustawWidok(TFormTabPlikMult::Widok::Regula));
        QCOMPARE(m_komunikaty, QStringList{"Stwierdzono brak na dysku pliku reguly.db tabeli reguł.\n\rOpcja nie zostanie "
                                           "zrealizowana. Tabela jest niezbędna do wyboru reguły ilustrowanej przez pliki "
                                           "multimedialne."});
        QCOMPARE(okno()->widok(), TFormTabPlikMult::Widok::Wszystkie);
    }

    void probnaWizualizacja_data()
    {
        QTest::addColumn<ProbnaWizualizacja>("p");
        const QString obraz = "obraz graficzny/zdjecie fotograficzne";
        const QString brakNazwyObrazu = "Nazwa pliku i/lub wymiary pliku graficznego/zdjęcia nie zostały określone.";
        QTest::newRow("film without a name") << ProbnaWizualizacja{.rodzaj = "film", .nazwa = "", .stosunek = "0,5",
            .komunikat = "Stwierdzono brak na dysku pliku  do odtworzenia.\n\rOpcja nie zostanie zrealizowana."};
        QTest::newRow("missing film without ratio") << ProbnaWizualizacja{.rodzaj = "film", .nazwa = "brak.avi",
            .stosunek = "",
            .komunikat = "Stwierdzono brak na dysku pliku brak.avi do odtworzenia.\n\rOpcja nie zostanie zrealizowana."};
        QTest::newRow("film without ratio") << ProbnaWizualizacja{.rodzaj = "film", .nazwa = "jest.avi",
            .stosunek = "", .komunikat = "Nazwa pliku i/lub wymiary ekranu nie zostały określone."};
        QTest::newRow("picture without a name") << ProbnaWizualizacja{.rodzaj = obraz, .nazwa = "", .stosunek = "1",
            .komunikat = brakNazwyObrazu};
        QTest::newRow("picture without ratio") << ProbnaWizualizacja{.rodzaj = obraz, .nazwa = "brak.bmp",
            .stosunek = "", .komunikat = brakNazwyObrazu};
        QTest::newRow("missing picture") << ProbnaWizualizacja{.rodzaj = obraz, .nazwa = "brak.bmp", .stosunek = "0,5",
            .komunikat = "Stwierdzono brak na dysku pliku brak.bmp do wizualizacji.\n\rOpcja nie zostanie zrealizowana."};
    }
    void probnaWizualizacja()
    {
        QFETCH(ProbnaWizualizacja, p);
        m_s->folder.zapisz("jest.avi", "RIFF");
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Wstaw));
        kontrolka<GrupaRadiowa>("RodzajPliku")->kliknij(p.rodzaj);
        wpisz(kontrolka("NazwaPliku"), p.nazwa);
        wpisz(kontrolka("StosWysDoSzer"), p.stosunek);
        m_komunikaty.clear();
        kliknij("probnaWizualizacja");
        QCOMPARE(m_komunikaty, QStringList{p.komunikat});
        // The trial display leaves the record being typed as it is.
        QCOMPARE(okno()->zbiorPlikow()->stan(), StanZbioru::Wstawianie);
    }

    void wyszukiwanie_data()
    {
        QTest::addColumn<QString>("kod");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("letters") << "x" << "Brak lub wadliwa postać kodu pliku do wyszukania.";
        QTest::newRow("empty") << "" << "Brak lub wadliwa postać kodu pliku do wyszukania.";
        QTest::newRow("missing") << "9" << "Rekordu z podanym kodem pliku nie znaleziono.";
        QTest::newRow("found") << "3" << "";
    }
    void wyszukiwanie()
    {
        if (wyszukajWgWiersza() && m_komunikaty.isEmpty())
            QCOMPARE(kontrolka("NazwaPliku")->text(), QStringLiteral("morze.bmp"));
    }

    void pustaTabela()
    {
        QSqlQuery q = baza().zapytanie();
        QVERIFY(q.exec("DELETE FROM plikimultimedialne"));
        okno()->nawigator()->kliknij(PrzyciskNaw::Odswiez);
        wyszukaj("1");
        QCOMPARE(m_komunikaty, QStringList{"Tabela pusta."});
    }

    void przepisanieWolnegoKodu()
    {
        kliknij("przepiszWolnyKod");
        QCOMPARE(m_komunikaty, QStringList{"Wolny kod pliku multimedialnego niezidentyfikowany.\n\rPrzyciśnij przycisk "
                                           "Wyszukaj wolny kod pliku multimedialnego."});
        for (QPushButton *b : okno()->findChildren<QPushButton *>())
            if (b->text() == "Wyszukaj wolny kod pliku multimedialnego")
                b->click();
        QCOMPARE(kontrolka("wolnyKod")->text(), QStringLiteral("5"));
        kliknij("przepiszWolnyKod");
        QCOMPARE(okno()->zbiorPlikow()->stan(), StanZbioru::Edycja);
        QCOMPARE(kontrolka("IdPlikMult")->text(), QStringLiteral("5"));
        QVERIFY(okno()->nawigator()->kliknij(PrzyciskNaw::Zatwierdz));
        QCOMPARE(okno()->zbiorPlikow()->wierszZ("IdPlikMult", 1), -1);
        QVERIFY(okno()->zbiorPlikow()->wierszZ("IdPlikMult", 5) >= 0);
    }
};

QTEST_MAIN(TstGuiPlikMult)
#include "tst_gui_plikmult.moc"
