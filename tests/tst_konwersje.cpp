// Conversions between text and numbers used by every reader of values.

#include "store/Konwersje.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QTest>

using namespace tremida;

namespace {

// A text as QJsonDocument writes it, as a JSON string value.
QByteArray zDokumentu(const QString &t)
{
    const QByteArray a = QJsonDocument(QJsonArray{t}).toJson(QJsonDocument::Compact);
    return a.mid(1, a.size() - 2);
}

// The conversion of the row's text: a value only for a valid text, and then the row's value.
template <typename T, typename Konwersja>
void sprawdzOdczyt(Konwersja konwersja)
{
    QFETCH(QString, tekst);
    QFETCH(bool, poprawny);
    QFETCH(T, wartosc);
    const auto w = konwersja(tekst);
    QCOMPARE(w.has_value(), poprawny);
    if (poprawny)
        QCOMPARE(*w, wartosc);
}

} // namespace

class TstKonwersje : public QObject {
    Q_OBJECT
private slots:
    void real_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("poprawny");
        QTest::addColumn<double>("wartosc");
        QTest::newRow("decimal comma") << "12,5" << true << 12.5;
        QTest::newRow("decimal point") << "12.5" << true << 12.5;
        QTest::newRow("two commas") << "12,5,3" << false << 0.0;
        QTest::newRow("point then comma") << "12.5,3" << false << 0.0;
        QTest::newRow("signed with comma") << "+99,999" << true << 99.999;
        QTest::newRow("exponent with comma") << "+0,99999E2" << true << 99.999;
        QTest::newRow("lower-case exponent") << "1e3" << true << 1000.0;
        QTest::newRow("negative exponent") << "-2,5E-2" << true << -0.025;
        QTest::newRow("leading blanks") << "   0,1" << true << 0.1;
        QTest::newRow("trailing blank") << "0,1 " << false << 0.0;
        QTest::newRow("only a comma part") << ",5" << true << 0.5;
        QTest::newRow("integer") << "7" << true << 7.0;
        QTest::newRow("empty") << "" << false << 0.0;
        QTest::newRow("blank") << " " << false << 0.0;
        QTest::newRow("letters") << "abc" << false << 0.0;
        QTest::newRow("exponent without digits") << "1E" << false << 0.0;
        QTest::newRow("sign alone") << "-" << false << 0.0;
        QTest::newRow("two points") << "1.2.3" << false << 0.0;
        QTest::newRow("hexadecimal") << "0x10" << false << 0.0;
        QTest::newRow("infinity word") << "inf" << false << 0.0;
        QTest::newRow("overflow") << "1E999" << false << 0.0;
        QTest::newRow("largest double") << "1,7976931348623157E308" << true << 1.7976931348623157e308;
        QTest::newRow("just past the largest double") << "1,7976931348623159E308" << false << 0.0;
        QTest::newRow("underflow to zero") << "1E-400" << true << 0.0;
        QTest::newRow("underflow with many zeros") << ("0," + QString(400, u'0') + "1") << true << 0.0;
        QTest::newRow("leading zeros") << "0000000000000000000000001,5" << true << 1.5;
        QTest::newRow("point and exponent sign") << "5.E+1" << true << 50.0;
    }
    void real()
    {
        sprawdzOdczyt<double>([](const QString &t) { return tekstNaReal(t); });
    }

    void calkowita_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<bool>("poprawny");
        QTest::addColumn<int>("wartosc");
        QTest::newRow("plain") << "10" << true << 10;
        QTest::newRow("negative") << "-2147483648" << true << -2147483647 - 1;
        QTest::newRow("maximum") << "2147483647" << true << 2147483647;
        QTest::newRow("above 32 bits") << "2147483648" << false << 0;
        QTest::newRow("plus sign") << "+5" << true << 5;
        QTest::newRow("leading blanks") << "  5" << true << 5;
        QTest::newRow("trailing blank") << "5 " << false << 0;
        QTest::newRow("comma is invalid") << "1,0" << false << 0;
        QTest::newRow("point is invalid") << "1.0" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("sign alone") << "-" << false << 0;
        QTest::newRow("many digits") << "000000000000000000012" << true << 12;
        QTest::newRow("huge") << "99999999999999999999999" << false << 0;
    }
    void calkowita()
    {
        sprawdzOdczyt<int>([](const QString &t) { return tekstNaInt(t); });
    }

    void postacOgolna_data()
    {
        QTest::addColumn<double>("wartosc");
        QTest::addColumn<QString>("tekst");
        QTest::newRow("threshold") << 0.05 << "0,05";
        QTest::newRow("increase") << 0.02 << "0,02";
        QTest::newRow("integer value") << 2.0 << "2";
        QTest::newRow("zero") << 0.0 << "0";
        QTest::newRow("negative") << -12.5 << "-12,5";
        QTest::newRow("fifteen digits") << 0.1 + 0.2 << "0,3";
        QTest::newRow("smallest fixed") << 0.00001 << "0,00001";
        QTest::newRow("below fixed") << 0.000001 << "1E-6";
        QTest::newRow("large fixed") << 123456789012345.0 << "123456789012345";
        QTest::newRow("too large for fixed") << 1.5e20 << "1,5E20";
        QTest::newRow("cf product") << 0.72 << "0,72";
    }
    void postacOgolna()
    {
        QFETCH(double, wartosc);
        QFETCH(QString, tekst);
        QCOMPARE(realNaTekst(wartosc), tekst);
        // What the system writes it reads back.
        QCOMPARE(*tekstNaReal(tekst), wartosc == 0.1 + 0.2 ? 0.3 : wartosc);
    }

    void lamanieLinii()
    {
        QCOMPARE(tekstDoWyswietlenia(QStringLiteral("a\n\rb\n\rc")), QStringLiteral("a\nb\nc"));
    }

    void tekstJson_data()
    {
        QTest::addColumn<QString>("tekst");
        QTest::addColumn<QByteArray>("json");
        QTest::newRow("empty") << QString() << QByteArray("\"\"");
        QTest::newRow("message with line breaks")
            << QStringLiteral("Kod reguły: 7.\n\rBłąd \"składni\"\t\\")
            << QByteArray("\"Kod reguły: 7.\\n\\rBłąd \\\"składni\\\"\\t\\\\\"");
        QTest::newRow("control characters")
            << QString::fromUtf16(u"\x01\x1f\b\f\x7f") << QByteArray("\"\\u0001\\u001f\\b\\f\x7f\"");
        QTest::newRow("outside the basic plane")
            << QString::fromUtf16(u"a\U0001F600b") << QByteArray("\"a\xf0\x9f\x98\x80" "b\"");
        QTest::newRow("lone surrogates")
            << QString::fromUtf16(u"\xd800x\xdc00") << QByteArray("\"\\ud800x\\udc00\"");
    }
    // A JSON string is written as QJsonDocument writes it.
    void tekstJson()
    {
        QFETCH(QString, tekst);
        QFETCH(QByteArray, json);
        QCOMPARE(tremida::tekstJson(tekst), json);
        QCOMPARE(tremida::tekstJson(tekst), zDokumentu(tekst));
    }

    // Every single UTF-16 code unit, and every pair of a high and a low surrogate at the
    // edges of their ranges, as QJsonDocument writes it.
    void tekstJsonJakDokument()
    {
        for (char32_t u = 0; u <= 0xffff; ++u) {
            const QString t{QChar(char16_t(u))};
            if (tremida::tekstJson(t) != zDokumentu(t))
                QFAIL(qPrintable(QStringLiteral("U+%1").arg(uint(u), 4, 16, QLatin1Char('0'))));
        }
        for (char16_t wysoki : {u'\xd800', u'\xdbff'})
            for (char16_t niski : {u'\xdc00', u'\xdfff', u'a'}) {
                const QString t = QString(QChar(wysoki)) + QChar(niski) + QChar(wysoki);
                QCOMPARE(tremida::tekstJson(t), zDokumentu(t));
            }
    }
};

QTEST_GUILESS_MAIN(TstKonwersje)
#include "tst_konwersje.moc"
