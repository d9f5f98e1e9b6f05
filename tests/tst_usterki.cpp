// Finding ids as they are printed, the raw bracket counts of a rule and the check of the fact
// a conclusion names, which the syntax check, the verification and inference share.

#include "rules/KontrReg.h"

#include <QTest>

using namespace tremida;

Q_DECLARE_METATYPE(tremida::IdUsterki)

// A finding id with its text, its letter and its number.
struct Usterka {
    IdUsterki id;
    QString tekst;
    QChar litera;
    int numer;
};
Q_DECLARE_METATYPE(Usterka)

class TstUsterki : public QObject {
    Q_OBJECT
private slots:
    // The first and the last id of every group, and a few between.
    void tekst_data()
    {
        QTest::addColumn<Usterka>("u");
        const struct {
            IdUsterki id;
            const char *tekst;
        } wiersze[] = {
            {IdUsterki::M1, "M1"},   {IdUsterki::M12, "M12"}, {IdUsterki::M14, "M14"}, {IdUsterki::W1, "W1"},
            {IdUsterki::W3, "W3"},   {IdUsterki::S1, "S1"},   {IdUsterki::S6, "S6"},   {IdUsterki::P1, "P1"},
            {IdUsterki::P5, "P5"},   {IdUsterki::V1, "V1"},   {IdUsterki::V6, "V6"},   {IdUsterki::C1, "C1"},
            {IdUsterki::C10, "C10"}, {IdUsterki::C14, "C14"}, {IdUsterki::K1, "K1"},   {IdUsterki::K9, "K9"},
            {IdUsterki::R1, "R1"},   {IdUsterki::R17, "R17"}, {IdUsterki::R18, "R18"},
        };
        for (const auto &w : wiersze)
            QTest::newRow(w.tekst) << Usterka{.id = w.id,
                                              .tekst = QString::fromLatin1(w.tekst),
                                              .litera = QChar::fromLatin1(w.tekst[0]),
                                              .numer = QByteArray(w.tekst + 1).toInt()};
    }

    void tekst()
    {
        QFETCH(Usterka, u);
        QCOMPARE(tekstUsterki(u.id), u.tekst);
        QCOMPARE(literaUsterki(u.id), u.litera);
        QCOMPARE(numerUsterki(u.id), u.numer);
    }

    // Every failing count in the order S1 to S6.
    void nawiasy_data()
    {
        QTest::addColumn<QString>("przes");
        QTest::addColumn<QString>("konkl");
        QTest::addColumn<QStringList>("usterki");
        QTest::newRow("poprawne") << "([A]=[a]) AND ([B]=[b])" << "[C]=[c]" << QStringList{};
        QTest::newRow("nawias zwykły w przesłankach") << "(([A]=[a])" << "[C]=[c]" << QStringList{"S1"};
        QTest::newRow("kwadratowy bez pary w przesłankach") << "[A]=[a" << "[C]=[c]" << QStringList{"S2"};
        QTest::newRow("nieparzyście kwadratowych") << "[A]=[a][b]" << "[C]=[c]" << QStringList{"S3"};
        QTest::newRow("nawias zwykły w konkluzji") << "[A]=[a]" << "([C]=[c]" << QStringList{"S4"};
        QTest::newRow("kwadratowy bez pary w konkluzji") << "[A]=[a]" << "[C]=[c" << QStringList{"S5"};
        QTest::newRow("cztery kwadratowe w konkluzji") << "[A]=[a]" << "[C]=[c][d]" << QStringList{"S6"};
        QTest::newRow("wszystkie prócz S3") << "([A]=[a]]]" << "([C]=[c[" << QStringList{"S1", "S2", "S4", "S5", "S6"};
        QTest::newRow("puste pola") << "" << "" << QStringList{"S6"};
    }

    void nawiasy()
    {
        QFETCH(QString, przes);
        QFETCH(QString, konkl);
        QFETCH(QStringList, usterki);
        QStringList teksty;
        for (IdUsterki id : UsterkiNawiasow(przes, konkl))
            teksty << tekstUsterki(id);
        QCOMPARE(teksty, usterki);
    }

    // A rule may conclude about an intermediate or a final fact only.
    void faktKonkluzji_data()
    {
        QTest::addColumn<bool>("jest");
        QTest::addColumn<QString>("rodzaj");
        QTest::addColumn<QString>("usterka");
        QTest::newRow("brak faktu") << false << QString() << "K1";
        QTest::newRow("fakt wprowadzany") << true << "wprowadzany" << "K2";
        QTest::newRow("fakt pośredni") << true << "posredni" << QString();
        QTest::newRow("fakt końcowy") << true << "koncowy" << QString();
    }

    void faktKonkluzji()
    {
        QFETCH(bool, jest);
        QFETCH(QString, rodzaj);
        QFETCH(QString, usterka);
        std::optional<TRekFakt> fakt;
        if (jest) {
            fakt = TRekFakt();
            fakt->RodzFakt = rodzaj;
        }
        const auto u = UsterkaFaktuKonkl(fakt);
        QCOMPARE(u ? tekstUsterki(*u) : QString(), usterka);
    }
};

QTEST_GUILESS_MAIN(TstUsterki)
#include "tst_usterki.moc"
