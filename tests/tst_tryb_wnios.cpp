// The mode of the inference context and its main hypothesis as the runs set them, and the
// operations the windows use to leave a paused run.

#include "StanowiskoWnios.h"
#include "TekstyWstecz.h"
#include "WierszeLogiczne.h"

using namespace tremida;
using namespace tremida::test;

Q_DECLARE_METATYPE(tremida::TrybSesji)

// A run by a method with a hypothesis over a changed base: the mode it leaves, whether the
// hypothesis is defined and proven, and whether the run is paused.
struct PrzebiegWTrybie {
    QString metoda, hipoteza;
    QStringList zmiany;
    TrybSesji tryb;
    bool hipZdefiniowana, udowodniona, wstrzymany;
};
Q_DECLARE_METATYPE(PrzebiegWTrybie)

class TstTrybWnios : public QObject {
    Q_OBJECT
private slots:
    // What each run leaves in the context: its mode, the hypothesis and whether it was proven.
    void trybIHipoteza_data()
    {
        QTest::addColumn<PrzebiegWTrybie>("p");
        QTest::newRow("w przód bez hipotezy") << PrzebiegWTrybie{.metoda = "wprzod", .hipoteza = QString(),
            .zmiany = {}, .tryb = TrybSesji::WPrzod, .hipZdefiniowana = false, .udowodniona = false,
            .wstrzymany = true};
        QTest::newRow("w przód z hipotezą") << PrzebiegWTrybie{.metoda = "wprzod", .hipoteza = "[D]=[d]", .zmiany = {},
            .tryb = TrybSesji::WPrzod, .hipZdefiniowana = true, .udowodniona = true, .wstrzymany = true};
        QTest::newRow("wstecz udowodniona") << PrzebiegWTrybie{.metoda = "wstecz", .hipoteza = "[H]=[h]", .zmiany = {},
            .tryb = TrybSesji::Wstecz, .hipZdefiniowana = true, .udowodniona = true, .wstrzymany = true};
        QTest::newRow("wstecz nieudowodniona") << PrzebiegWTrybie{.metoda = "wstecz", .hipoteza = "[H]=[h]",
            .zmiany = NIEUDOWODNIONA, .tryb = TrybSesji::Wstecz, .hipZdefiniowana = true, .udowodniona = false,
            .wstrzymany = false};
        QTest::newRow("mieszane, pierwszy przebieg wstecz") << PrzebiegWTrybie{.metoda = "miesz", .hipoteza = "[H]=[h]",
            .zmiany = {}, .tryb = TrybSesji::MieszaneWstecz1, .hipZdefiniowana = true, .udowodniona = true,
            .wstrzymany = true};
        QTest::newRow("mieszane, faza w przód") << PrzebiegWTrybie{.metoda = "miesz", .hipoteza = "[D]=[d]",
            .zmiany = {}, .tryb = TrybSesji::MieszaneWPrzod, .hipZdefiniowana = true, .udowodniona = true,
            .wstrzymany = true};
        QTest::newRow("mieszane nieudowodniona") << PrzebiegWTrybie{.metoda = "miesz", .hipoteza = "[H]=[h]",
            .zmiany = NIEUDOWODNIONA, .tryb = TrybSesji::Mieszane, .hipZdefiniowana = true, .udowodniona = false,
            .wstrzymany = false};
    }

    void trybIHipoteza()
    {
        QFETCH(PrzebiegWTrybie, p);
        StanowiskoWnios s(QStringLiteral("wnios_wstecz.json"), p.zmiany);
        QStringList konkluzje;
        bool wstrzymanyPo = false;
        if (p.metoda == u"wprzod") {
            QVERIFY(s.wprzod.Przygotuj(konkluzje));
            QCOMPARE(s.sesja.Tryb, TrybSesji::WPrzod);
            s.wprzod.Start(p.hipoteza);
            wstrzymanyPo = s.wprzod.czyWstrzymany();
        } else if (p.metoda == u"wstecz") {
            QVERIFY(s.wstecz.Przygotuj(konkluzje));
            QCOMPARE(s.sesja.Tryb, TrybSesji::Wstecz);
            QVERIFY(!s.sesja.HipZdefiniowana);
            s.wstecz.Start(p.hipoteza);
            wstrzymanyPo = s.wstecz.czyWstrzymany();
        } else {
            QVERIFY(s.miesz.Przygotuj(konkluzje));
            QCOMPARE(s.sesja.Tryb, TrybSesji::Mieszane);
            QVERIFY(s.sesja.czyMieszane());
            s.miesz.Start(p.hipoteza);
            wstrzymanyPo = s.miesz.czyWstrzymany();
        }
        QCOMPARE(s.sesja.Tryb, p.tryb);
        QCOMPARE(s.sesja.HipZdefiniowana, p.hipZdefiniowana);
        QCOMPARE(s.sesja.HipGlowna, p.hipoteza);
        QCOMPARE(s.sesja.Udowodniona, p.udowodniona);
        QCOMPARE(s.wprzod.czyUdowodniona(), p.udowodniona);
        QCOMPARE(s.wstecz.czyUdowodniona(), p.udowodniona);
        QCOMPARE(wstrzymanyPo, p.wstrzymany);
    }

    // A new standalone run forgets the hypothesis proven by the one before.
    void nowyPrzebiegZapominaDowod()
    {
        StanowiskoWnios s(QStringLiteral("wnios_wstecz.json"));
        QCOMPARE(s.wsteczDoKonca(QStringLiteral("[H]=[h]")), WynikPrzebiegu::Zakonczony);
        QVERIFY(s.sesja.Udowodniona);
        QStringList konkluzje;
        QVERIFY(s.wprzod.Przygotuj(konkluzje));
        s.wprzod.Start(QStringLiteral("[X]=[x]"));
        QVERIFY(!s.sesja.Udowodniona);
        QCOMPARE(s.sesja.HipGlowna, QStringLiteral("[X]=[x]"));
    }

    // A paused run that is abandoned is no longer paused, and its continuation does nothing.
    void porzucenie_data() { wierszeLogiczne("wPrzod", {{"w przód", true}, {"wstecz", false}}); }

    void porzucenie()
    {
        QFETCH(bool, wPrzod);
        StanowiskoWnios s(QStringLiteral("wnios_wstecz.json"));
        QStringList konkluzje;
        if (wPrzod) {
            QVERIFY(s.wprzod.Przygotuj(konkluzje));
            QCOMPARE(s.wprzod.Start(), WynikPrzebiegu::Wstrzymany);
            s.wprzod.Porzuc();
            QVERIFY(!s.wprzod.czyWstrzymany());
        } else {
            QVERIFY(s.wstecz.Przygotuj(konkluzje));
            QCOMPARE(s.wstecz.Start(QStringLiteral("[H]=[h]")), WynikPrzebiegu::Wstrzymany);
            s.wstecz.Porzuc();
            QVERIFY(!s.wstecz.czyWstrzymany());
        }
        const QStringList trajektoria = s.trajektoria();
        s.uzytkownik.zdarzenia.clear();
        s.sesja.KontynuacjaZadana = true;
        QCOMPARE(wPrzod ? s.wprzod.Dalej() : s.wstecz.Dalej(), WynikPrzebiegu::Zakonczony);
        QCOMPARE(s.uzytkownik.zdarzenia, QStringList{});
        QCOMPARE(s.trajektoria(), trajektoria);
    }
};

QTEST_GUILESS_MAIN(TstTrybWnios)
#include "tst_tryb_wnios.moc"
