// The mode of the inference context and its main hypothesis as the runs set them, and the
// operations the windows use to leave a paused run.

#include "StanowiskoWnios.h"
#include "TekstyWstecz.h"
#include "WierszeLogiczne.h"

using namespace tremida;
using namespace tremida::test;

Q_DECLARE_METATYPE(tremida::TrybSesji)

class TstTrybWnios : public QObject {
    Q_OBJECT
private slots:
    // What each run leaves in the context: its mode, the hypothesis and whether it was proven.
    void trybIHipoteza_data()
    {
        QTest::addColumn<QString>("metoda");
        QTest::addColumn<QString>("hipoteza");
        QTest::addColumn<QStringList>("zmiany");
        QTest::addColumn<TrybSesji>("tryb");
        QTest::addColumn<bool>("hipZdefiniowana");
        QTest::addColumn<bool>("udowodniona");
        QTest::addColumn<bool>("wstrzymany");

        QTest::newRow("w przód bez hipotezy")
            << "wprzod" << QString() << QStringList{} << TrybSesji::WPrzod << false << false << true;
        QTest::newRow("w przód z hipotezą")
            << "wprzod" << "[D]=[d]" << QStringList{} << TrybSesji::WPrzod << true << true << true;
        QTest::newRow("wstecz udowodniona")
            << "wstecz" << "[H]=[h]" << QStringList{} << TrybSesji::Wstecz << true << true << true;
        QTest::newRow("wstecz nieudowodniona")
            << "wstecz" << "[H]=[h]" << NIEUDOWODNIONA << TrybSesji::Wstecz << true << false << false;
        QTest::newRow("mieszane, pierwszy przebieg wstecz")
            << "miesz" << "[H]=[h]" << QStringList{} << TrybSesji::MieszaneWstecz1 << true << true << true;
        QTest::newRow("mieszane, faza w przód")
            << "miesz" << "[D]=[d]" << QStringList{} << TrybSesji::MieszaneWPrzod << true << true << true;
        QTest::newRow("mieszane nieudowodniona")
            << "miesz" << "[H]=[h]" << NIEUDOWODNIONA << TrybSesji::Mieszane << true << false << false;
    }

    void trybIHipoteza()
    {
        QFETCH(QString, metoda);
        QFETCH(QString, hipoteza);
        QFETCH(QStringList, zmiany);
        QFETCH(TrybSesji, tryb);
        QFETCH(bool, hipZdefiniowana);
        QFETCH(bool, udowodniona);
        QFETCH(bool, wstrzymany);
        StanowiskoWnios s(QStringLiteral("wnios_wstecz.json"), zmiany);
        QStringList konkluzje;
        bool wstrzymanyPo = false;
        if (metoda == u"wprzod") {
            QVERIFY(s.wprzod.Przygotuj(konkluzje));
            QCOMPARE(s.sesja.Tryb, TrybSesji::WPrzod);
            s.wprzod.Start(hipoteza);
            wstrzymanyPo = s.wprzod.czyWstrzymany();
        } else if (metoda == u"wstecz") {
            QVERIFY(s.wstecz.Przygotuj(konkluzje));
            QCOMPARE(s.sesja.Tryb, TrybSesji::Wstecz);
            QVERIFY(!s.sesja.HipZdefiniowana);
            s.wstecz.Start(hipoteza);
            wstrzymanyPo = s.wstecz.czyWstrzymany();
        } else {
            QVERIFY(s.miesz.Przygotuj(konkluzje));
            QCOMPARE(s.sesja.Tryb, TrybSesji::Mieszane);
            QVERIFY(s.sesja.czyMieszane());
            s.miesz.Start(hipoteza);
            wstrzymanyPo = s.miesz.czyWstrzymany();
        }
        QCOMPARE(s.sesja.Tryb, tryb);
        QCOMPARE(s.sesja.HipZdefiniowana, hipZdefiniowana);
        QCOMPARE(s.sesja.HipGlowna, hipoteza);
        QCOMPARE(s.sesja.Udowodniona, udowodniona);
        QCOMPARE(s.wprzod.czyUdowodniona(), udowodniona);
        QCOMPARE(s.wstecz.czyUdowodniona(), udowodniona);
        QCOMPARE(wstrzymanyPo, wstrzymany);
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
