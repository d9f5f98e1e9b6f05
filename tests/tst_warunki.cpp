// File-existence preconditions of the menu commands.

#include "BazaTestowa.h"
#include "store/Warunki.h"

#include <QFile>
#include <QSqlQuery>
#include <QTest>

using namespace tremida;
using namespace tremida::test;

Q_DECLARE_METATYPE(tremida::Polecenie)

class TstWarunki : public QObject {
    Q_OBJECT
private slots:
    void bezPlikow_data()
    {
        QTest::addColumn<Polecenie>("polecenie");
        QTest::addColumn<QString>("komunikat");
        const QString syst = QStringLiteral("Stwierdzono brak na dysku pliku systemyeksperckie.db tabeli systemów "
                                            "eksperckich (baz wiedzy).\n\rOpcja nie zostanie zrealizowana.");
        QTest::newRow("open systems") << Polecenie::OtwTabSyst << syst;
        QTest::newRow("print systems") << Polecenie::DrukTabSyst << syst;
        QTest::newRow("open facts")
            << Polecenie::OtwTabFakt << syst + " Tabela jest niezbędna do wyboru systemu eksperckiego.";
        QTest::newRow("print facts") << Polecenie::DrukTabFakt << syst;
        QTest::newRow("open values")
            << Polecenie::OtwTabWartFaktWylicz << syst + " Tabela jest niezbędna do wyboru systemu eksperckiego.";
        QTest::newRow("open constants")
            << Polecenie::OtwTabStale << syst + " Tabela jest niezbędna do wyboru systemu eksperckiego.";
        QTest::newRow("open rules")
            << Polecenie::OtwTabReg << syst + " Tabela jest niezbędna do wyboru systemu eksperckiego.";
        QTest::newRow("print rules") << Polecenie::DrukTabReg << syst;
        QTest::newRow("open trajectory")
            << Polecenie::OtwTabTraj << syst + " Tabela jest niezbędna do wyboru systemu eksperckiego.";
        QTest::newRow("open multimedia")
            << Polecenie::OtwTabPlikMult
            << "Stwierdzono brak na dysku pliku plikimultimedialne.db tabeli plików multimedialnych.\n\rOpcja nie "
               "zostanie zrealizowana.";
        QTest::newRow("consistency check")
            << Polecenie::KontrSpojnBazy << syst + " Procesu kontroli spójności bazy nie można zrealizować.";
        QTest::newRow("choice of system")
            << Polecenie::WyborSyst << syst + " Procesu wnioskowania nie można zrealizować.";
    }
    void bezPlikow()
    {
        QFETCH(Polecenie, polecenie);
        QFETCH(QString, komunikat);
        FolderRoboczy folder;
        Baza baza;
        QVERIFY(baza.otworz(folder.sciezka()));
        QCOMPARE(sprawdzWarunki(polecenie, baza), std::optional<QString>(komunikat));
    }

    void brakJednegoPliku_data()
    {
        QTest::addColumn<Polecenie>("polecenie");
        QTest::addColumn<QString>("brakujacy");
        QTest::addColumn<QString>("komunikat");
        QTest::newRow("rules without facts")
            << Polecenie::OtwTabReg << "fakty.db"
            << "Stwierdzono brak na dysku pliku fakty.db tabeli faktów.\n\rOpcja nie zostanie zrealizowana. Tabela "
               "jest niezbędna do generowania i edycji reguł.";
        QTest::newRow("rules without values")
            << Polecenie::OtwTabReg << "wartoscifaktowwyliczeniowych.db"
            << "Stwierdzono brak na dysku pliku wartoscifaktowwyliczeniowych.db tabeli wartości faktów "
               "wyliczeniowych.\n\rOpcja nie zostanie zrealizowana. Tabela jest niezbędna do generowania i edycji reguł.";
        QTest::newRow("values without facts")
            << Polecenie::OtwTabWartFaktWylicz << "fakty.db"
            << "Stwierdzono brak na dysku pliku fakty.db tabeli faktów.\n\rOpcja nie zostanie zrealizowana. Tabela "
               "jest niezbędna do wyboru faktu wyliczeniowego.";
        QTest::newRow("facts printout without values")
            << Polecenie::DrukTabFakt << "wartoscifaktowwyliczeniowych.db"
            << "Stwierdzono brak na dysku pliku wartoscifaktowwyliczeniowych.db tabeli wartości faktów "
               "wyliczeniowych.\n\rOpcja nie zostanie zrealizowana.";
        QTest::newRow("choice without trajectory")
            << Polecenie::WyborSyst << "trajektoria.db"
            << "Stwierdzono brak na dysku pliku trajektoria.db tabeli trajektorii wnioskowania.\n\rOpcja nie zostanie "
               "zrealizowana. Procesu wnioskowania nie można zrealizować.";
        QTest::newRow("check without constants")
            << Polecenie::KontrSpojnBazy << "stale.db"
            << "Stwierdzono brak na dysku pliku stale.db tabeli stałych.\n\rOpcja nie zostanie zrealizowana. Procesu "
               "kontroli spójności bazy nie można zrealizować.";
        QTest::newRow("check needs no trajectory") << Polecenie::KontrSpojnBazy << "trajektoria.db" << QString();
        QTest::newRow("constants") << Polecenie::OtwTabStale << "stale.db"
                                   << "Stwierdzono brak na dysku pliku stale.db tabeli stałych.\n\rOpcja nie zostanie "
                                      "zrealizowana.";
    }
    void brakJednegoPliku()
    {
        QFETCH(Polecenie, polecenie);
        QFETCH(QString, brakujacy);
        QFETCH(QString, komunikat);
        BazaTestowa pusta;
        auto &[folder, baza] = pusta;
        pusta.sql({QStringLiteral("INSERT INTO systemyeksperckie (IdSyst,NazSyst) VALUES (1,'a')")});
        QVERIFY(QFile::remove(folder.plik(brakujacy)));
        const auto wynik = sprawdzWarunki(polecenie, baza);
        QCOMPARE(wynik.value_or(QString()), komunikat);
    }

    void pustaTabelaSystemow_data()
    {
        QTest::addColumn<Polecenie>("polecenie");
        QTest::addColumn<bool>("odmowa");
        QTest::newRow("print systems") << Polecenie::DrukTabSyst << true;
        QTest::newRow("print facts") << Polecenie::DrukTabFakt << true;
        QTest::newRow("print rules") << Polecenie::DrukTabReg << true;
        QTest::newRow("open systems") << Polecenie::OtwTabSyst << false;
        QTest::newRow("choice of system") << Polecenie::WyborSyst << false;
    }
    void pustaTabelaSystemow()
    {
        QFETCH(Polecenie, polecenie);
        QFETCH(bool, odmowa);
        BazaTestowa pusta;
        auto &[folder, baza] = pusta;
        const auto wynik = sprawdzWarunki(polecenie, baza);
        QCOMPARE(wynik.has_value(), odmowa);
        if (odmowa)
            QCOMPARE(*wynik, QStringLiteral("Tabela systemów eksperckich (baz wiedzy) pusta. Opcja nie zostanie "
                                            "zrealizowana."));
    }
};

QTEST_GUILESS_MAIN(TstWarunki)
#include "tst_warunki.moc"
