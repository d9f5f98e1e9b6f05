// Mixed inference: the sequence of a first backward pass, a forward phase and a second
// backward pass on one knowledge base.

#include "StanowiskoWnios.h"

using namespace tremida;
using namespace tremida::test;

namespace {

QString udowodniona(int kod)
{
    return QStringLiteral("Hipoteza główna została udowodniona na podstawie grupy 1 reguł nadających się do "
                          "odpalenia. Zostanie zwizualizowany formularz konkluzji reguły nr. 1/1 z tej grupy, o "
                          "kodzie %1. Zagregowany CF konkluzji będzie obliczany i wizualizowany na tym formularzu "
                          "sukcesywnie.")
        .arg(kod);
}

const QString NIEWYKAZANA =
    QStringLiteral("Proces wnioskowania mieszanego zakończył się. Hipoteza główna nie została wykazana.");

// A mixed run over a changed base: the phase that proves the hypothesis, the events up to
// the pause and after it, and the trajectory.
struct PrzebiegMieszany {
    QStringList zmiany;
    QString hipoteza;
    int faza;
    QStringList doPauzy, poPauzie, trajektoria;
};

} // namespace

Q_DECLARE_METATYPE(PrzebiegMieszany)

class TstWniosMiesz : public QObject {
    Q_OBJECT
private slots:
    void faza_data()
    {
        QTest::addColumn<PrzebiegMieszany>("p");
        QTest::newRow("pierwszy przebieg wstecz dowodzi") << PrzebiegMieszany{.zmiany = {},
            .hipoteza = QStringLiteral("[H]=[h]"), .faza = int(FazaMiesz::PierwszyWstecz),
            .doPauzy = {QStringLiteral("faza 0"), QStringLiteral("faza 1"), udowodniona(1),
                        QStringLiteral("konkluzja 1 cf=0,9 zagreg=0,9 koncowy obrazy=0 filmy=0"),
                        QStringLiteral("faza 0")},
            .poPauzie = {QStringLiteral("   Hipoteza główna została udowodniona ze zagregowanym CF konkluzji "
                                        "równym 0,9.\n\r   Nastąpi zakończenie procesu wnioskowania.")},
            .trajektoria = {QStringLiteral("1|1|wstecz|nie"), QStringLiteral("2|1|wstecz|nie"),
                            QStringLiteral("2|1|wstecz|tak"), QStringLiteral("1|2|wstecz|nie"),
                            QStringLiteral("1|2|wstecz|tak")}};
        // Only a forward rule concludes [D]=[d]: the first pass fails silently.
        QTest::newRow("faza w przód dowodzi") << PrzebiegMieszany{.zmiany = {}, .hipoteza = QStringLiteral("[D]=[d]"),
            .faza = int(FazaMiesz::WPrzod),
            .doPauzy = {QStringLiteral("faza 0"), QStringLiteral("faza 1"), QStringLiteral("faza 2"),
                        QStringLiteral("Hipoteza główna została udowodniona na podstawie reguły o kodzie 6.\n\r"
                                       "Zostanie zwizualizowany formularz konkluzji reguły.\n\rZagregowany CF "
                                       "konkluzji będzie obliczany i wizualizowany na tym formularzu sukcesywnie."),
                        QStringLiteral("konkluzja 6 cf=1 zagreg=1 posredni obrazy=0 filmy=0"),
                        QStringLiteral("faza 0")},
            .poPauzie = {QStringLiteral("W fazie wnioskowania w przód procesu wnioskowania mieszanego nastąpiło "
                                        "wykazanie hipotezy głównej. Proces wnioskowania mieszanego zostanie "
                                        "zakończony.")},
            .trajektoria = {QStringLiteral("6|1|w przod|nie"), QStringLiteral("6|1|w przod|tak"),
                            QStringLiteral("4|2|w przod|nie"), QStringLiteral("4|2|w przod|tak")}};
        // [D]=[d] -> [H]=[G] is a backward rule; D is derived only by the forward phase.
        QTest::newRow("drugi przebieg wstecz dowodzi") << PrzebiegMieszany{
            .zmiany = {QStringLiteral("INSERT INTO reguly (IdReg, KodSyst, NazReg, PozReg, KierWniReg, CFReg, "
                                      "PrzesReg, KonklReg, CzyOdpal, CzyBieUdzWeWnios, DataRek) VALUES (7, 1, "
                                      "'R7', 2, 'wstecz', 1, '[D]=[d]', '[H]=[G]', 'nie', 'tak', '1.1.2024')"),
                       QStringLiteral("UPDATE fakty SET CzyWielWart='tak' WHERE IdFakt=4")},
            .hipoteza = QStringLiteral("[H]=[G]"), .faza = int(FazaMiesz::DrugiWstecz),
            .doPauzy = {QStringLiteral("faza 0"), QStringLiteral("faza 1"), QStringLiteral("faza 2"),
                        QStringLiteral("faza 3"), udowodniona(7),
                        QStringLiteral("konkluzja 7 cf=1 zagreg=1 koncowy obrazy=0 filmy=0"),
                        QStringLiteral("faza 0")},
            .poPauzie = {QStringLiteral("   Hipoteza główna została udowodniona z maksymalnym zagregowanym CF "
                                        "konkluzji równym 1. \n\r   Nastąpi zakończenie procesu wnioskowania.")},
            .trajektoria = {QStringLiteral("7|1|wstecz|nie"), QStringLiteral("6|1|w przod|nie"),
                            QStringLiteral("6|1|w przod|tak"), QStringLiteral("4|2|w przod|nie"),
                            QStringLiteral("4|2|w przod|tak"), QStringLiteral("7|1|wstecz|nie"),
                            QStringLiteral("7|1|wstecz|tak")}};
    }

    // The phase that proves the hypothesis pauses the sequence; its own continuation ends it.
    void faza()
    {
        QFETCH(PrzebiegMieszany, p);
        StanowiskoWnios s(QStringLiteral("wnios_wstecz.json"), p.zmiany);
        s.uzytkownik.zapisujFazy = true;
        QStringList konkluzje;
        QVERIFY(s.miesz.Przygotuj(konkluzje));
        QCOMPARE(s.miesz.Start(p.hipoteza), WynikPrzebiegu::Wstrzymany);
        QCOMPARE(int(s.miesz.faza()), p.faza);
        QVERIFY(s.miesz.czyWstrzymany());
        QVERIFY(s.sesja.Udowodniona);
        QCOMPARE(s.uzytkownik.zdarzenia, p.doPauzy);
        s.uzytkownik.zdarzenia.clear();
        s.miesz.Zamknij(); // leaves the paused run as it is
        QVERIFY(s.miesz.czyWstrzymany());
        QCOMPARE(s.miesz.Dalej(), WynikPrzebiegu::Zakonczony);
        QCOMPARE(s.uzytkownik.zdarzenia, p.poPauzie);
        QCOMPARE(s.trajektoria(), p.trajektoria);
        // One numbering of steps over every phase.
        const QStringList kroki = s.sql(QStringLiteral("SELECT IdKrokTraj FROM trajektoria ORDER BY IdKrokTraj"));
        for (qsizetype i = 0; i < kroki.size(); ++i)
            QCOMPARE(kroki[i], QString::number(i + 1));
    }

    // Nothing proves the hypothesis: the second pass offers falsification, then the end message.
    void nicNieDowodzi()
    {
        StanowiskoWnios s(QStringLiteral("wnios_wstecz.json"),
                          {QStringLiteral("UPDATE reguly SET PrzesReg='[A]=[x]' WHERE IdReg=1"),
                           QStringLiteral("UPDATE wartoscifaktowwyliczeniowych SET CzyFaktMaWartAkt='nie' "
                                          "WHERE IdWartFaktWylicz=1"),
                           QStringLiteral("UPDATE wartoscifaktowwyliczeniowych SET CzyFaktMaWartAkt='tak' "
                                          "WHERE IdWartFaktWylicz=2")});
        s.uzytkownik.zapisujFazy = true;
        QCOMPARE(s.mieszDoKonca(QStringLiteral("[H]=[h]")), WynikPrzebiegu::Zakonczony);
        const QStringList z = s.uzytkownik.zdarzenia;
        QCOMPARE(z.mid(0, 4), QStringList({QStringLiteral("faza 0"), QStringLiteral("faza 1"),
                                           QStringLiteral("faza 2"), QStringLiteral("faza 3")}));
        QVERIFY(z.value(4).contains(QStringLiteral("jest więcej niż jedna taka konkluzja")));
        QCOMPARE(z.mid(5), QStringList({QStringLiteral("falsyfikacja [H]=[g]|[H] = [h]"), NIEWYKAZANA,
                                        QStringLiteral("faza 0")}));
        QVERIFY(s.fals.czyPrzygotowana());
        QCOMPARE(s.miesz.faza(), FazaMiesz::Brak);
        QCOMPARE(s.trajektoria().first(), QStringLiteral("1|1|wstecz|nie"));
        QCOMPARE(s.trajektoria().last(), QStringLiteral("1|1|wstecz|nie"));
    }

    void przygotowanie_data()
    {
        QTest::addColumn<QStringList>("zmiany");
        QTest::addColumn<bool>("gotowe");
        QTest::addColumn<QStringList>("komunikaty");
        QTest::addColumn<QStringList>("konkluzje");
        const QStringList wszystkie{QStringLiteral("[B]=[y]"), QStringLiteral("[D]=[d]"), QStringLiteral("[H]=[h]"),
                                    QStringLiteral("[H]=[g]"), QStringLiteral("[H] = [h]")};
        QTest::newRow("reguły obu kierunków") << QStringList{} << true << QStringList{} << wszystkie;
        QTest::newRow("tylko wstecz")
            << QStringList{QStringLiteral("UPDATE reguly SET KierWniReg='wstecz'")} << true
            << QStringList{QStringLiteral("Brak reguł zadekretowanych do wnioskowania w przód. Wnioskowanie "
                                          "mieszane ograniczy się tylko do fazy wnioskowania wstecz.")}
            << wszystkie;
        QTest::newRow("tylko w przód")
            << QStringList{QStringLiteral("UPDATE reguly SET KierWniReg='w przod'")} << true
            << QStringList{QStringLiteral("Brak reguł zadekretowanych do wnioskowania wstecz. Wnioskowanie "
                                          "mieszane ograniczy się tylko do fazy wnioskowania w przód.")}
            << wszystkie;
        QTest::newRow("bez reguł")
            << QStringList{QStringLiteral("DELETE FROM reguly")} << false
            << QStringList{QStringLiteral("Brak reguł zadekretowanych do wnioskowania wstecz. Wnioskowanie "
                                          "mieszane ograniczy się tylko do fazy wnioskowania w przód."),
                           QStringLiteral("Brak reguł zadekretowanych zarówno do wnioskowania wstecz jak i w "
                                          "przód. Nastąpi wyjście z opcji.")}
            << QStringList{};
    }

    // The hypothesis list offers the conclusions of rules of every direction.
    void przygotowanie()
    {
        QFETCH(QStringList, zmiany);
        QFETCH(bool, gotowe);
        QFETCH(QStringList, komunikaty);
        QFETCH(QStringList, konkluzje);
        StanowiskoWnios s(QStringLiteral("wnios_wstecz.json"), zmiany);
        QStringList lista;
        QCOMPARE(s.miesz.Przygotuj(lista), gotowe);
        QCOMPARE(s.uzytkownik.zdarzenia, komunikaty);
        QCOMPARE(lista, konkluzje);
    }

    // Without backward rules the forward phase alone may prove the hypothesis.
    void bezRegulWstecz()
    {
        StanowiskoWnios s(QStringLiteral("wnios_wstecz.json"), {QStringLiteral("UPDATE reguly SET KierWniReg='w przod'")});
        QCOMPARE(s.mieszDoKonca(QStringLiteral("[D]=[d]")), WynikPrzebiegu::Zakonczony);
        QVERIFY(s.sesja.Udowodniona);
        QVERIFY(s.uzytkownik.zdarzenia.contains(QStringLiteral("konkluzja 6 cf=1 zagreg=1 posredni obrazy=0 filmy=0")));
    }
};

QTEST_GUILESS_MAIN(TstWniosMiesz)
#include "tst_wnios_miesz.moc"
