#include "CzytFaktPlik.h"

#include "DostepWnios.h"
#include "store/Baza.h"
#include "store/Konwersje.h"
#include "rules/Usterki.h"
#include "store/Slowa.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStringDecoder>
#include <array>
#include <functional>

namespace tremida {

namespace {

// Windows-1250, bytes 0x80 to 0xFF; 0 marks the five bytes that code no character.
constexpr std::array<char16_t, 128> Tabela1250 = {
    0x20AC, 0,      0x201A, 0,      0x201E, 0x2026, 0x2020, 0x2021, 0,      0x2030, 0x0160, 0x2039, 0x015A,
    0x0164, 0x017D, 0x0179, 0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, 0,      0x2122,
    0x0161, 0x203A, 0x015B, 0x0165, 0x017E, 0x017A, 0x00A0, 0x02C7, 0x02D8, 0x0141, 0x00A4, 0x0104, 0x00A6,
    0x00A7, 0x00A8, 0x00A9, 0x015E, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x017B, 0x00B0, 0x00B1, 0x02DB, 0x0142,
    0x00B4, 0x00B5, 0x00B6, 0x00B7, 0x00B8, 0x0105, 0x015F, 0x00BB, 0x013D, 0x02DD, 0x013E, 0x017C, 0x0154,
    0x00C1, 0x00C2, 0x0102, 0x00C4, 0x0139, 0x0106, 0x00C7, 0x010C, 0x00C9, 0x0118, 0x00CB, 0x011A, 0x00CD,
    0x00CE, 0x010E, 0x0110, 0x0143, 0x0147, 0x00D3, 0x00D4, 0x0150, 0x00D6, 0x00D7, 0x0158, 0x016E, 0x00DA,
    0x0170, 0x00DC, 0x00DD, 0x0162, 0x00DF, 0x0155, 0x00E1, 0x00E2, 0x0103, 0x00E4, 0x013A, 0x0107, 0x00E7,
    0x010D, 0x00E9, 0x0119, 0x00EB, 0x011B, 0x00ED, 0x00EE, 0x010F, 0x0111, 0x0144, 0x0148, 0x00F3, 0x00F4,
    0x0151, 0x00F6, 0x00F7, 0x0159, 0x016F, 0x00FA, 0x0171, 0x00FC, 0x00FD, 0x0163, 0x02D9,
};

std::optional<QString> dekoduj1250(const QByteArray &b)
{
    for (const char c : b)
        if (uchar(c) >= 0x80 && Tabela1250[uchar(c) - 0x80] == 0)
            return std::nullopt;
    // The converter of the platform, when it knows the code page; otherwise the table.
    QStringDecoder d("windows-1250");
    if (d.isValid()) {
        QString s = d(b);
        if (!d.hasError())
            return s;
    }
    QString s;
    s.reserve(b.size());
    for (const char c : b)
        s.append(uchar(c) < 0x80 ? QChar(uchar(c)) : QChar(Tabela1250[uchar(c) - 0x80]));
    return s;
}

// A line of the file without its line end (LF, or CR LF).
QByteArray bezKoncaLinii(QByteArray b)
{
    if (b.endsWith('\n'))
        b.chop(1);
    if (b.endsWith('\r'))
        b.chop(1);
    return b;
}

// The code line: a decimal integer after optional blanks; the rest of the line is ignored.
std::optional<int> kodZLinii(const QString &linia)
{
    qsizetype i = 0;
    while (i < linia.size() && (linia[i] == u' ' || linia[i] == u'\t'))
        ++i;
    qsizetype j = i;
    if (j < linia.size() && (linia[j] == u'+' || linia[j] == u'-'))
        ++j;
    while (j < linia.size() && linia[j].isDigit() && linia[j].unicode() < 0x80)
        ++j;
    return tekstNaInt(linia.mid(i, j - i));
}

QString krotko(const QString &s) { return s.size() > 80 ? s.left(80) + QStringLiteral("...") : s; }

const QString Drop = QStringLiteral("Dane tego faktu nie zostaną zapisane do tabeli.");

// Reading the file line by line in its encoding.
class TCzytnik {
public:
    TCzytnik(QFile &plik, bool utf8) : m_plik(plik), m_utf8(utf8) {}
    // The next line; no value at the end of the file or on a read error (see blad()).
    std::optional<QString> linia()
    {
        if (m_plik.atEnd())
            return std::nullopt;
        QByteArray b = m_plik.readLine();
        if (b.isEmpty() && m_plik.error() != QFileDevice::NoError) {
            m_blad = true;
            return std::nullopt;
        }
        ++m_nr;
        b = bezKoncaLinii(b);
        if (m_nr == 1 && m_utf8 && b.startsWith("\xEF\xBB\xBF"))
            b.remove(0, 3);
        const auto s = dekodujLinie(b, m_utf8);
        if (!s)
            m_blad = true;
        return s;
    }
    int nr() const { return m_nr; }
    bool blad() const { return m_blad; }

private:
    QFile &m_plik;
    bool m_utf8;
    int m_nr = 0;
    bool m_blad = false;
};

} // namespace

bool czyUtf8(const QByteArray &b)
{
    const qsizetype n = b.size();
    for (qsizetype i = 0; i < n;) {
        const uchar c = uchar(b[i]);
        int dl = 0;
        char32_t min = 0;
        if (c < 0x80) {
            ++i;
            continue;
        }
        if ((c & 0xE0) == 0xC0) {
            dl = 1;
            min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            dl = 2;
            min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            dl = 3;
            min = 0x10000;
        } else {
            return false;
        }
        char32_t kod = c & (0x3F >> dl);
        for (int k = 1; k <= dl; ++k) {
            if (i + k >= n)
                return false;
            const uchar d = uchar(b[i + k]);
            if ((d & 0xC0) != 0x80)
                return false;
            kod = (kod << 6) | (d & 0x3F);
        }
        if (kod < min || kod > 0x10FFFF || (kod >= 0xD800 && kod <= 0xDFFF))
            return false;
        i += dl + 1;
    }
    return true;
}

std::optional<QString> dekodujLinie(const QByteArray &linia, bool utf8)
{
    if (utf8)
        return czyUtf8(linia) ? std::optional<QString>(QString::fromUtf8(linia)) : std::nullopt;
    return dekoduj1250(linia);
}

namespace kom {

QString BrakPlikuFakt()
{
    return QStringLiteral("Plik tekstowy do odczytu wartosci faktów nie istnieje lub nie został zaznaczony.\n\r"
                          "Opcja nie zostanie zrealizowana.");
}

QString FaktyZPlikuZapisane()
{
    return QStringLiteral("Wartości faktów z pliku tekstowego zostały zapisane do tabeli faktów. Celem kontynuacji "
                          "procesu wnioskowania, wybierz teraz opcję menu głównego Wnioskowanie-Weryfikacja bazy "
                          "wiedzy.");
}

QString CzytFakt(int nr, int kod)
{
    const QString k = QString::number(kod).rightJustified(3, u' ');
    const QString fakt = QStringLiteral("Fakt o odczytanym z pliku kodzie ") + k;
    const QString cf = QStringLiteral("CF faktu o odczytanym z pliku kodzie ") + k;
    const QString odczytana = QStringLiteral("Odczytana z pliku wartość tego faktu ");
    switch (nr) {
    case 1:
        return QStringLiteral("Faktu o odczytanym z pliku kodzie ") + k +
               QStringLiteral(" nie znaleziono w tabeli faktów.") + NL + Drop;
    case 2:
        return fakt + QStringLiteral(" nie należy do wyselekcjonowanego systemu.") + NL + Drop;
    case 3:
        return fakt + QStringLiteral(" nie jest faktem wprowadzanym.") + NL + Drop;
    case 4:
        return cf + QStringLiteral(" nie konwertuje się do wartości rzeczywistej.") + NL + Drop;
    case 5:
        return cf + QStringLiteral(" nie mieści się w dopuszczalnym przedziale [0,1].") + NL + Drop;
    case 6:
        return fakt + QStringLiteral(" jest faktem logicznym.") + NL + odczytana +
               QStringLiteral("nie odpowiada jednak wartości logicznej.") + NL + Drop;
    case 7:
        return fakt + QStringLiteral(" jest faktem całkowitym.") + NL + odczytana +
               QStringLiteral("nie konwertuje się jednak do wartości całkowitej.") + NL + Drop;
    case 8:
        return fakt + QStringLiteral(" jest faktem rzeczywistym.") + NL + odczytana +
               QStringLiteral("nie konwertuje się jednak do wartości rzeczywistej.") + NL + Drop;
    case 9:
        return fakt + QStringLiteral(" jest faktem wyliczeniowym.") + NL + odczytana +
               QStringLiteral("nie pokrywa się jednak z żadną z wartości z tabeli wartości faktów wyliczeniowych.") +
               NL + Drop;
    }
    return QString();
}

} // namespace kom

namespace {

using Komunikat = std::function<void(const QString &)>;

QString bladOdczytu(const QString &nazwa)
{
    return QStringLiteral("Błąd odczytu pliku tekstowego ") + nazwa + QStringLiteral(".") + NL;
}

const QString DalszeNie = NL + QStringLiteral("Dalsze wartości faktów z pliku nie zostaną odczytane.");
const QString OpcjaNie = NL + QStringLiteral("Opcja nie zostanie zrealizowana.");

// Opens the file for reading: the message of the first check that fails (no file, not a
// regular file, cannot be opened), or no value.
std::optional<QString> otworzPlikFaktow(QFile &plik, const QString &sciezka, const QString &nazwa)
{
    if (sciezka.isEmpty() || !QFile::exists(sciezka))
        return kom::BrakPlikuFakt();
    // A pipe or a device is never read: it would block the program or never end.
    if (!QFileInfo(sciezka).isFile())
        return QStringLiteral("Plik tekstowy ") + nazwa +
               QStringLiteral(" nie może zostać odczytany (to nie jest zwykły plik).") + OpcjaNie;
    if (!plik.open(QIODevice::ReadOnly))
        return QStringLiteral("Plik tekstowy ") + nazwa + QStringLiteral(" nie może zostać odczytany (") +
               plik.errorString() + QStringLiteral(").") + OpcjaNie;
    return std::nullopt;
}

// Settles the encoding of the whole file before anything is written (UTF-8 when every line
// is valid UTF-8, else Windows-1250 when every line is valid in it) and checks that the ten
// lines of the description are there. On success the file is back at its start and `utf8`
// tells the encoding; otherwise the message.
std::optional<QString> sprawdzPlikFaktow(QFile &plik, const QString &nazwa, bool &utf8)
{
    utf8 = true;
    int liczbaLinii = 0;
    auto przegladaj = [&](const std::function<bool(const QByteArray &)> &linia) {
        liczbaLinii = 0;
        if (!plik.seek(0))
            return false;
        while (!plik.atEnd()) {
            const QByteArray b = plik.readLine();
            if (b.isEmpty() && plik.error() != QFileDevice::NoError)
                return false;
            ++liczbaLinii;
            if (!linia(b))
                return true;
        }
        return true;
    };
    bool ok = przegladaj([&](const QByteArray &b) { return utf8 = czyUtf8(b); });
    if (ok && !utf8) {
        bool w1250 = true;
        ok = przegladaj([&](const QByteArray &b) { return w1250 = dekoduj1250(bezKoncaLinii(b)).has_value(); });
        if (ok && !w1250)
            return QStringLiteral("Plik tekstowy ") + nazwa +
                   QStringLiteral(" nie jest zapisany ani w kodowaniu UTF-8, ani w kodowaniu Windows-1250 "
                                  "(wiersz ") +
                   QString::number(liczbaLinii) + QStringLiteral(").") + OpcjaNie;
    }
    if (!ok || !plik.seek(0))
        return bladOdczytu(nazwa) + plik.errorString() + OpcjaNie;
    if (liczbaLinii < 10)
        return QStringLiteral("Plik tekstowy ") + nazwa + QStringLiteral(" ma tylko ") + QString::number(liczbaLinii) +
               QStringLiteral(" wierszy, a pierwsze dziesięć wierszy pliku to nazwy i wartości pięciu zmiennych "
                              "opisowych.") +
               OpcjaNie;
    return std::nullopt;
}

// One triple of the file: the code of a fact, its value and the CF of the value.
struct TTrojka {
    int kod = 0;
    QString wartosc;
    QString cf;
};

enum class Odczyt { Trojka, Koniec, Blad };

// Reads the next triple; blank lines at the end of the file are no triple. A code line that
// is no integer, a missing value or CF line, or a read error gives its message and Blad.
Odczyt czytajTrojke(TCzytnik &czytnik, QFile &plik, const QString &nazwa, TTrojka &t, const Komunikat &komunikat)
{
    std::optional<QString> liniaKodu = czytnik.linia();
    if (!liniaKodu)
        return Odczyt::Koniec;
    const int nrKodu = czytnik.nr();
    if (liniaKodu->trimmed().isEmpty()) {
        std::optional<QString> l;
        while ((l = czytnik.linia()) && l->trimmed().isEmpty()) {
        }
        if (!l && !czytnik.blad())
            return Odczyt::Koniec;
    }
    const auto kod = kodZLinii(*liniaKodu);
    if (!kod) {
        komunikat(bladOdczytu(nazwa) + QStringLiteral("Wiersz ") + QString::number(nrKodu) +
                  QStringLiteral(" powinien zawierać kod faktu (liczbę całkowitą), a zawiera: \"") +
                  krotko(*liniaKodu) + QStringLiteral("\".") + DalszeNie);
        return Odczyt::Blad;
    }
    const std::optional<QString> wart = czytnik.linia();
    const std::optional<QString> liniaCF = wart ? czytnik.linia() : std::nullopt;
    if (!liniaCF) {
        if (czytnik.blad())
            komunikat(bladOdczytu(nazwa) + plik.errorString() + DalszeNie);
        else
            komunikat(bladOdczytu(nazwa) + QStringLiteral("Po kodzie faktu w wierszu ") + QString::number(nrKodu) +
                      QStringLiteral(" brak wiersza z ") +
                      (wart ? QStringLiteral("CF wartości faktu.") : QStringLiteral("wartością faktu.")) + DalszeNie);
        return Odczyt::Blad;
    }
    t = {*kod, *wart, *liniaCF};
    return Odczyt::Trojka;
}

// The checks of a triple before anything of it is written, in their order: the number of the
// message of the first that fails (1 no such fact, 2 a fact of another system, 3 not an input
// fact, 4 CF not a real number, 5 CF outside [0,1]), or 0.
int kontrolaTrojki(const std::optional<TRekFakt> &fakt, int kodSyst, const std::optional<double> &cf)
{
    if (!fakt)
        return 1;
    if (fakt->KodSyst != kodSyst)
        return 2;
    if (fakt->RodzFakt != slowa::Wprowadzany)
        return 3;
    if (!cf)
        return 4;
    if (*cf < 0.0 || *cf > 1.0)
        return 5;
    return 0;
}

// Writes the value of an enumerated fact: the value row read is marked "tak" with the CF; for
// a single-valued fact the other rows are marked "nie" with CF 1 and the fact's own value
// columns are written too. A value that is no row of the fact gives message 9 and writes
// nothing. Returns false when a read or write failed.
bool zapiszWartoscWyliczeniowa(Baza &baza, TRekFakt &f, const QString &wart, double cf, const Komunikat &komunikat,
                               const std::function<bool(const QString &)> &zapiszFakt)
{
    QList<TRekWartFaktWylicz> wiersze = dostep::wartosciFaktu(baza, f.IdFakt);
    if (baza.blad())
        return false;
    qsizetype znaleziony = -1;
    for (qsizetype i = 0; i < wiersze.size() && znaleziony < 0; ++i)
        if (wiersze[i].WartFaktWylicz == wart)
            znaleziony = i;
    if (znaleziony < 0) {
        komunikat(kom::CzytFakt(9, f.IdFakt));
        return true;
    }
    const bool jednowartosciowy = f.CzyWielWart == slowa::Nie;
    bool zapisane = true;
    for (qsizetype i = 0; i < wiersze.size(); ++i) {
        TRekWartFaktWylicz &w = wiersze[i];
        if (i == znaleziony) {
            w.CzyFaktMaWartAkt = slowa::Tak;
            w.CFWartFaktWyliczAkt = cf;
        } else if (jednowartosciowy) {
            w.CzyFaktMaWartAkt = slowa::Nie;
            w.CFWartFaktWyliczAkt = 1.0;
        } else {
            continue;
        }
        zapisane = zapisane && dostep::zapiszWartWylicz(baza, w);
    }
    if (jednowartosciowy && zapisane)
        zapisane = zapiszFakt(wart);
    return zapisane;
}

// Writes the value of a triple that passed its checks, by the fact's type; a value that is not
// of the type gives its message (6 to 9) and writes nothing. Returns false when a read or
// write failed.
bool zapiszTrojke(Baza &baza, TRekFakt f, const QString &wart, double cf, const Komunikat &komunikat)
{
    auto zapiszFakt = [&](const QString &w) {
        f.WartFakt = w;
        f.WartPoprzFakt = w;
        f.CFWartFakt = cf;
        f.CFWartPoprzFakt = cf;
        return dostep::zapiszWartFaktu(baza, f);
    };
    if (f.TypFakt == slowa::Logiczny) {
        const QString g = wart.toUpper();
        if (g == slowa::True || g == slowa::False)
            return zapiszFakt(g);
        komunikat(kom::CzytFakt(6, f.IdFakt));
    } else if (f.TypFakt == slowa::Calkowity) {
        if (tekstNaInt(wart))
            return zapiszFakt(wart);
        komunikat(kom::CzytFakt(7, f.IdFakt));
    } else if (f.TypFakt == slowa::Rzeczywisty) {
        if (tekstNaReal(wart))
            return zapiszFakt(wart);
        komunikat(kom::CzytFakt(8, f.IdFakt));
    } else if (f.TypFakt == slowa::Wyliczeniowy) {
        return zapiszWartoscWyliczeniowa(baza, f, wart, cf, komunikat, zapiszFakt);
    }
    return true;
}

} // namespace

WynikCzytFakt CzytajWartFaktPlik(Baza &baza, const QString &sciezka, int kodSyst, TSesjaWnios &sesja,
                                 const PokazKomunikat &pokaz, const std::function<void()> &przedKoncem)
{
    const Komunikat komunikat = [&](const QString &t) {
        if (pokaz)
            pokaz(t);
    };
    const QString nazwa = QDir::toNativeSeparators(sciezka);
    QFile plik(sciezka);
    bool utf8 = true;
    if (auto b = otworzPlikFaktow(plik, sciezka, nazwa); b || (b = sprawdzPlikFaktow(plik, nazwa, utf8))) {
        komunikat(*b);
        return WynikCzytFakt::Blad;
    }
    TCzytnik czytnik(plik, utf8);
    for (QString &opis : sesja.LinieOpisu)
        opis = czytnik.linia().value_or(QString());

    // Values are written triple by triple; a file that cannot be read to its end keeps what
    // was written before. A failed write or commit undoes the whole reading.
    Transakcja transakcja(baza);
    auto zakoncz = [&](WynikCzytFakt wynik) {
        if (const auto b = transakcja.zakoncz()) {
            komunikat(komunikatBleduBazy(*b, ogon::Opcja));
            return WynikCzytFakt::Blad;
        }
        return wynik;
    };
    if (!transakcja.ok() || !transakcja.zajmij({Tabela::Fakty, Tabela::WartFaktWylicz}))
        return zakoncz(WynikCzytFakt::Blad);

    TTrojka t;
    for (Odczyt o; (o = czytajTrojke(czytnik, plik, nazwa, t, komunikat)) != Odczyt::Koniec;) {
        if (o == Odczyt::Blad)
            return zakoncz(WynikCzytFakt::Blad);
        const auto fakt = dostep::fakt(baza, t.kod);
        if (baza.blad())
            return zakoncz(WynikCzytFakt::Blad);
        const auto cf = tekstNaReal(t.cf);
        if (const int nr = kontrolaTrojki(fakt, kodSyst, cf)) {
            komunikat(kom::CzytFakt(nr, t.kod));
            continue;
        }
        if (!zapiszTrojke(baza, *fakt, t.wartosc, *cf, komunikat))
            return zakoncz(WynikCzytFakt::Blad);
    }
    if (czytnik.blad()) {
        komunikat(bladOdczytu(nazwa) + plik.errorString() + DalszeNie);
        return zakoncz(WynikCzytFakt::Blad);
    }
    plik.close();
    // Only what is committed is reported as saved.
    if (zakoncz(WynikCzytFakt::Przeczytany) != WynikCzytFakt::Przeczytany)
        return WynikCzytFakt::Blad;
    if (przedKoncem)
        przedKoncem();
    komunikat(kom::FaktyZPlikuZapisane());
    return WynikCzytFakt::Przeczytany;
}

} // namespace tremida
