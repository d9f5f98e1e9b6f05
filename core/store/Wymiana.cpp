#include "Wymiana.h"

#include "Baza.h"
#include "Rekordy.h"

#include <QBuffer>
#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <limits>

namespace tremida {

namespace {

QString kluczRekordu(const OpisTabeli &o, const QJsonObject &r)
{
    const QJsonValue k = r.value(o.kluczGlowny);
    if (k.isDouble())
        return QStringLiteral("%1=%2").arg(o.kluczGlowny).arg(k.toDouble(), 0, 'g', 17);
    if (k.isString())
        return QStringLiteral("%1=\"%2\"").arg(o.kluczGlowny, k.toString());
    return QStringLiteral("%1 (brak)").arg(o.kluczGlowny);
}

// Converts one JSON value to the column's value, or explains why it cannot.
bool wartoscKolumny(const OpisKolumny &k, const QJsonValue &v, QVariant *wynik, QString *powod)
{
    if (v.isNull() || v.isUndefined()) {
        if (k.wymagana) {
            *powod = QStringLiteral("brak wartości wymaganej kolumny %1").arg(k.nazwa);
            return false;
        }
        *wynik = QVariant();
        return true;
    }
    switch (k.typ) {
    case TypKol::Integer: {
        const double d = v.toDouble();
        if (!v.isDouble() || std::floor(d) != d || d < std::numeric_limits<int>::min()
            || d > std::numeric_limits<int>::max()) {
            *powod = QStringLiteral("kolumna %1 wymaga liczby całkowitej 32-bitowej").arg(k.nazwa);
            return false;
        }
        *wynik = static_cast<int>(d);
        return true;
    }
    case TypKol::Float:
        if (!v.isDouble()) {
            *powod = QStringLiteral("kolumna %1 wymaga liczby").arg(k.nazwa);
            return false;
        }
        *wynik = v.toDouble();
        return true;
    case TypKol::Text:
    case TypKol::Memo: {
        if (!v.isString()) {
            *powod = QStringLiteral("kolumna %1 wymaga tekstu").arg(k.nazwa);
            return false;
        }
        const QString s = v.toString();
        // The width counts characters, as the table's check does: a character outside the
        // Basic Multilingual Plane is one, though two UTF-16 units.
        if (k.typ == TypKol::Text && s.size() > k.szerokosc && s.toUcs4().size() > k.szerokosc) {
            *powod = QStringLiteral("tekst kolumny %1 dłuższy niż %2 znaków").arg(k.nazwa).arg(k.szerokosc);
            return false;
        }
        if (k.wymagana && s.isEmpty()) {
            *powod = QStringLiteral("brak wartości wymaganej kolumny %1").arg(k.nazwa);
            return false;
        }
        *wynik = s;
        return true;
    }
    }
    return false;
}

// JSON text of a string: quotes, backslashes and control characters escaped, every other
// character as UTF-8 (a character outside the Basic Multilingual Plane, a surrogate pair in
// the text, as one four-byte sequence). Half of a pair without its other half stands for no
// character; it is written as U+FFFD, as the engine reads a text that is not valid UTF-8.
void dopiszTekst(QByteArray &out, QStringView s)
{
    out += '"';
    qsizetype odcinek = 0; // start of the characters not yet written, which need no escape
    auto dopiszOdcinek = [&](qsizetype koniec) {
        if (koniec > odcinek)
            out += s.sliced(odcinek, koniec - odcinek).toUtf8();
    };
    for (qsizetype i = 0; i < s.size(); ++i) {
        const char16_t u = s[i].unicode();
        if (QChar::isHighSurrogate(u) && i + 1 < s.size() && QChar::isLowSurrogate(s[i + 1].unicode())) {
            ++i;
            continue;
        }
        const char *zamiana = nullptr;
        switch (u) {
        case u'"': zamiana = "\\\""; break;
        case u'\\': zamiana = "\\\\"; break;
        case u'\n': zamiana = "\\n"; break;
        case u'\r': zamiana = "\\r"; break;
        case u'\t': zamiana = "\\t"; break;
        case u'\b': zamiana = "\\b"; break;
        case u'\f': zamiana = "\\f"; break;
        default: break;
        }
        if (!zamiana && u >= 0x20 && !QChar::isSurrogate(u))
            continue;
        dopiszOdcinek(i);
        odcinek = i + 1;
        if (zamiana)
            out += zamiana;
        else if (QChar::isSurrogate(u))
            out += "\xEF\xBF\xBD";
        else
            out += QStringLiteral("\\u%1").arg(u, 4, 16, QLatin1Char('0')).toLatin1();
    }
    dopiszOdcinek(s.size());
    out += '"';
}

bool czyCalkowita(const QVariant &v)
{
    switch (v.metaType().id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong: return true;
    default: return false;
    }
}

// JSON text of a column's value. A value the column's type cannot hold (possible in a table
// another program created without strict types) or a real number JSON has no notation for
// is refused with the reason in *powod, rather than written as something else.
bool dopiszWartosc(QByteArray &out, const OpisKolumny &k, const QVariant &v, QString *powod)
{
    if (v.isNull()) {
        out += "null";
        return true;
    }
    switch (k.typ) {
    case TypKol::Integer:
        if (!czyCalkowita(v)) {
            *powod = QStringLiteral("kolumna %1 nie zawiera liczby całkowitej").arg(k.nazwa);
            return false;
        }
        out += QByteArray::number(v.toLongLong());
        return true;
    case TypKol::Float: {
        if (czyCalkowita(v)) {
            out += QByteArray::number(v.toLongLong());
            return true;
        }
        if (v.metaType().id() != QMetaType::Double) {
            *powod = QStringLiteral("kolumna %1 nie zawiera liczby").arg(k.nazwa);
            return false;
        }
        const double d = v.toDouble();
        if (!std::isfinite(d)) {
            *powod = QStringLiteral("kolumna %1 zawiera wartość nieskończoną, której nie można zapisać w pliku JSON")
                         .arg(k.nazwa);
            return false;
        }
        out += QByteArray::number(d, 'g', QLocale::FloatingPointShortest);
        return true;
    }
    case TypKol::Text:
    case TypKol::Memo:
        if (v.metaType().id() != QMetaType::QString) {
            *powod = QStringLiteral("kolumna %1 nie zawiera tekstu").arg(k.nazwa);
            return false;
        }
        dopiszTekst(out, v.toString());
        return true;
    }
    return false;
}

// The reason, for a message, why the engine could not read a table file.
QString powodBledu(const QSqlError &e)
{
    return przyczynaBleduBazy(e.nativeErrorCode().toInt(), e.databaseText().isEmpty() ? e.text() : e.databaseText());
}

struct KolumnaPliku {
    QString nazwa;
    bool niepusta; // NOT NULL
};

// The file's column of this name; the engine matches column names without regard to case.
const KolumnaPliku *kolumnaPliku(const std::vector<KolumnaPliku> &kolumny, const QString &nazwa)
{
    for (const auto &k : kolumny)
        if (k.nazwa.compare(nazwa, Qt::CaseInsensitive) == 0)
            return &k;
    return nullptr;
}

// The columns of the table as the file declares them, in the file's order. False, with the
// reason in *powod, when they cannot be read, the file has no table of that name, or a
// documented column is missing (a query naming it would fail, or read nothing from it).
bool czytajKolumny(QSqlQuery &q, const QString &schemat, const OpisTabeli &o, std::vector<KolumnaPliku> *kolumny,
                   QString *powod)
{
    kolumny->clear();
    if (!q.exec(QStringLiteral("PRAGMA %1.table_info(%2)").arg(schemat, o.nazwa))) {
        *powod = powodBledu(q.lastError());
        return false;
    }
    while (q.next())
        kolumny->push_back({q.value(1).toString(), q.value(3).toInt() != 0});
    if (q.lastError().isValid()) {
        *powod = powodBledu(q.lastError());
        return false;
    }
    q.finish();
    if (kolumny->empty()) {
        *powod = QStringLiteral("plik nie zawiera tabeli %1").arg(o.nazwa);
        return false;
    }
    QStringList brak;
    for (const auto &k : o.kolumny)
        if (!kolumnaPliku(*kolumny, k.nazwa))
            brak << k.nazwa;
    if (!brak.isEmpty()) {
        *powod = (brak.size() == 1 ? QStringLiteral("w tabeli %1 brak kolumny %2")
                                   : QStringLiteral("w tabeli %1 brak kolumn %2"))
                     .arg(o.nazwa, brak.join(QStringLiteral(", ")));
        return false;
    }
    return true;
}

// Why a table file the connection could not attach is not the table of its name, as found
// when it was attached.
QString powodNiedolaczenia(const Baza &baza, Tabela t)
{
    if (const auto przyczyna = baza.przyczynaProblemuPliku(t))
        return *przyczyna;
    return QStringLiteral("pliku nie można dołączyć do bazy danych");
}

// Whether the table's file exists and holds the table of its name with its documented
// columns; when it does, its columns as declared in the file, otherwise the reason.
bool plikTabeliCzytelny(Baza &baza, Tabela t, std::vector<KolumnaPliku> *kolumny,
                        QString *powod)
{
    const OpisTabeli &o = opisTabeli(t);
    if (!baza.plikIstnieje(t)) {
        *powod = QStringLiteral("brak pliku tabeli w folderze %1").arg(QDir::toNativeSeparators(baza.folder()));
        return false;
    }
    if (!baza.czyDolaczona(t)) {
        *powod = powodNiedolaczenia(baza, t);
        return false;
    }
    QSqlQuery q = baza.zapytanie();
    return czytajKolumny(q, o.nazwa, o, kolumny, powod);
}

// The WHERE part selecting a system's records in each table.
QString filtrSystemu(Tabela t)
{
    switch (t) {
    case Tabela::Systemy: return QStringLiteral(" WHERE IdSyst=:ParIdSyst");
    case Tabela::Fakty:
    case Tabela::Reguly:
    case Tabela::Stale:
    case Tabela::Trajektoria: return QStringLiteral(" WHERE KodSyst=:ParIdSyst");
    case Tabela::WartFaktWylicz:
        return QStringLiteral(" WHERE KodFakt IN (SELECT IdFakt FROM fakty WHERE KodSyst=:ParIdSyst)");
    case Tabela::PlikiMult:
        return QStringLiteral(" WHERE (CoPlikIlustr='fakt' AND KodElemIlustr IN "
                              "(SELECT IdFakt FROM fakty WHERE KodSyst=:ParIdSyst))"
                              " OR (CoPlikIlustr='regula' AND KodElemIlustr IN "
                              "(SELECT IdReg FROM reguly WHERE KodSyst=:ParIdSyst))");
    }
    return {};
}

// Number (from 1) of the character at byte `bajt` of a UTF-8 text, for messages.
qsizetype numerZnaku(const QByteArray &tekst, qsizetype bajt)
{
    qsizetype n = 1;
    for (qsizetype i = tekst.startsWith("\xEF\xBB\xBF") ? 3 : 0; i < bajt && i < tekst.size(); ++i)
        if ((static_cast<unsigned char>(tekst[i]) & 0xC0) != 0x80)
            ++n;
    return n;
}

QString powodParsowania(QJsonParseError::ParseError e)
{
    switch (e) {
    case QJsonParseError::NoError: break;
    case QJsonParseError::UnterminatedObject: return QStringLiteral("obiekt bez nawiasu zamykającego }");
    case QJsonParseError::MissingNameSeparator: return QStringLiteral("brak dwukropka po kluczu obiektu");
    case QJsonParseError::UnterminatedArray: return QStringLiteral("tablica bez nawiasu zamykającego ]");
    case QJsonParseError::MissingValueSeparator: return QStringLiteral("brak przecinka między wartościami");
    case QJsonParseError::IllegalValue: return QStringLiteral("niedozwolona wartość");
    case QJsonParseError::TerminationByNumber: return QStringLiteral("plik kończy się w środku liczby");
    case QJsonParseError::IllegalNumber: return QStringLiteral("niepoprawna liczba");
    case QJsonParseError::IllegalEscapeSequence: return QStringLiteral("niedozwolona sekwencja ze znakiem \\");
    case QJsonParseError::IllegalUTF8String: return QStringLiteral("tekst nie jest poprawnym tekstem UTF-8");
    case QJsonParseError::UnterminatedString: return QStringLiteral("tekst bez cudzysłowu zamykającego");
    case QJsonParseError::MissingObject: return QStringLiteral("brak klucza obiektu po przecinku");
    case QJsonParseError::DeepNesting: return QStringLiteral("zbyt głęboko zagnieżdżone obiekty lub tablice");
    case QJsonParseError::DocumentTooLarge: return QStringLiteral("plik jest zbyt duży");
    case QJsonParseError::GarbageAtEnd: return QStringLiteral("zbędne znaki po zamknięciu obiektu");
    }
    return QStringLiteral("błąd składni");
}

// What the JSON parser lets through without a word is checked on the text itself: a key
// given twice in one object (the parser keeps only one of the values) and a \u escape of
// one half of a UTF-16 surrogate pair without the other half (which stands for no
// character). The text has been parsed already, so its syntax is known to be valid.
class SprawdzenieJson {
public:
    explicit SprawdzenieJson(const QByteArray &json) : m_json(json) {}

    // False with a message saying where when a key repeats or an escape is half a pair.
    bool sprawdz(QString *blad)
    {
        qsizetype i = m_json.startsWith("\xEF\xBB\xBF") ? 3 : 0;
        const qsizetype n = m_json.size();
        while (i < n) {
            const char c = m_json[i];
            if (c == '{' || c == '[') {
                poczatekWartosci();
                m_stos.push_back({c == '{', {}, {}, false, -1});
                ++i;
            } else if (c == '}' || c == ']') {
                if (!m_stos.empty())
                    m_stos.pop_back();
                ++i;
            } else if (c == ',') {
                if (!m_stos.empty() && m_stos.back().obiekt)
                    m_stos.back().maKlucz = false;
                ++i;
            } else if (c == '"') {
                const bool klucz = !m_stos.empty() && m_stos.back().obiekt && !m_stos.back().maKlucz;
                if (!klucz)
                    poczatekWartosci();
                const qsizetype poczatek = i;
                QString tekst;
                if (!czytajNapis(&i, klucz ? &tekst : nullptr, blad))
                    return false;
                if (klucz) {
                    Poziom &p = m_stos.back();
                    if (p.klucze.contains(tekst)) {
                        *blad = QStringLiteral("%1: %2 (znak %3).")
                                    .arg(miejsce(), powtorzenie(tekst))
                                    .arg(numerZnaku(m_json, poczatek));
                        return false;
                    }
                    p.klucze.insert(tekst);
                    p.klucz = tekst;
                    p.maKlucz = true;
                }
            } else if (c == ':' || c == ' ' || c == '\t' || c == '\n' || c == '\r') {
                ++i;
            } else {
                // A number, true, false or null.
                poczatekWartosci();
                while (i < n && !QByteArrayView(",:[]{}\" \t\n\r").contains(m_json[i]))
                    ++i;
            }
        }
        return true;
    }

private:
    struct Poziom {
        bool obiekt;
        QSet<QString> klucze; // keys met so far (objects)
        QString klucz;        // key of the value being read (objects)
        bool maKlucz;         // false until the key of the next value has been read
        qsizetype indeks;     // index of the element being read (arrays)
    };

    void poczatekWartosci()
    {
        if (!m_stos.empty() && !m_stos.back().obiekt)
            ++m_stos.back().indeks;
    }

    // Where the scan is, in the words of the import's messages: the table, the record's
    // number and its column, then keys and elements of nested values.
    QString miejsce() const
    {
        QStringList czesci;
        for (size_t i = 0; i < m_stos.size(); ++i) {
            const Poziom &p = m_stos[i];
            if (p.obiekt && !p.maKlucz)
                break;
            if (!p.obiekt && p.indeks < 0)
                break;
            if (p.obiekt && i == 0)
                czesci << QStringLiteral("Tabela %1").arg(p.klucz);
            else if (p.obiekt && i == 2 && !m_stos[1].obiekt)
                czesci << QStringLiteral("kolumna %1").arg(p.klucz);
            else if (p.obiekt)
                czesci << QStringLiteral("klucz \"%1\"").arg(p.klucz);
            else if (i == 1)
                czesci << QStringLiteral("rekord nr %1").arg(p.indeks + 1);
            else
                czesci << QStringLiteral("element nr %1").arg(p.indeks + 1);
        }
        return czesci.isEmpty() ? QStringLiteral("Plik JSON") : czesci.join(QStringLiteral(", "));
    }

    // What repeats, named by the level of the object holding the key twice.
    QString powtorzenie(const QString &klucz) const
    {
        if (m_stos.size() == 1)
            return QStringLiteral("tabela \"%1\" występuje więcej niż raz").arg(klucz);
        if (m_stos.size() == 3 && !m_stos[1].obiekt)
            return QStringLiteral("kolumna \"%1\" występuje w rekordzie więcej niż raz").arg(klucz);
        return QStringLiteral("klucz \"%1\" występuje w obiekcie więcej niż raz").arg(klucz);
    }

    // The code unit of the four hexadecimal digits at byte `i`, or false.
    bool szesnastkowe(qsizetype i, char16_t *wynik) const
    {
        if (i + 4 > m_json.size())
            return false;
        char16_t u = 0;
        for (qsizetype k = i; k < i + 4; ++k) {
            const char c = m_json[k];
            int cyfra;
            if (c >= '0' && c <= '9')
                cyfra = c - '0';
            else if (c >= 'a' && c <= 'f')
                cyfra = c - 'a' + 10;
            else if (c >= 'A' && c <= 'F')
                cyfra = c - 'A' + 10;
            else
                return false;
            u = static_cast<char16_t>(u * 16 + cyfra);
        }
        *wynik = u;
        return true;
    }

    // Reads the string starting at the quote at *i, leaving *i after its closing quote;
    // decodes it into *tekst when given (keys are compared by the text they stand for).
    bool czytajNapis(qsizetype *i, QString *tekst, QString *blad)
    {
        const qsizetype n = m_json.size();
        qsizetype j = *i + 1;
        qsizetype odcinek = j; // start of the bytes not yet decoded
        auto dopiszOdcinek = [&] {
            if (tekst && j > odcinek)
                *tekst += QString::fromUtf8(m_json.constData() + odcinek, j - odcinek);
        };
        while (j < n && m_json[j] != '"') {
            if (m_json[j] != '\\') {
                ++j;
                continue;
            }
            dopiszOdcinek();
            const char e = j + 1 < n ? m_json[j + 1] : '\0';
            if (e != 'u') {
                if (tekst) {
                    switch (e) {
                    case 'b': *tekst += u'\b'; break;
                    case 'f': *tekst += u'\f'; break;
                    case 'n': *tekst += u'\n'; break;
                    case 'r': *tekst += u'\r'; break;
                    case 't': *tekst += u'\t'; break;
                    default: *tekst += QChar(static_cast<uchar>(e)); break; // " \ /
                    }
                }
                j += 2;
                odcinek = j;
                continue;
            }
            char16_t pierwsza = 0, druga = 0;
            if (!szesnastkowe(j + 2, &pierwsza)) {
                *blad = QStringLiteral("%1: niedozwolona sekwencja %2 (znak %3).")
                            .arg(miejsce(), QString::fromUtf8(m_json.mid(j, 6)))
                            .arg(numerZnaku(m_json, j));
                return false;
            }
            const bool para = QChar::isHighSurrogate(pierwsza) && j + 12 <= n && m_json[j + 6] == '\\'
                              && m_json[j + 7] == 'u' && szesnastkowe(j + 8, &druga)
                              && QChar::isLowSurrogate(druga);
            if (QChar::isSurrogate(pierwsza) && !para) {
                *blad = QStringLiteral("%1: sekwencja %2 to %3 połowa pary zastępczej UTF-16 bez %4 połowy "
                                       "(znak %5).")
                            .arg(miejsce(), QString::fromUtf8(m_json.mid(j, 6)),
                                 QChar::isHighSurrogate(pierwsza) ? QStringLiteral("pierwsza")
                                                                  : QStringLiteral("druga"),
                                 QChar::isHighSurrogate(pierwsza) ? QStringLiteral("drugiej")
                                                                  : QStringLiteral("pierwszej"))
                            .arg(numerZnaku(m_json, j));
                return false;
            }
            if (tekst) {
                *tekst += QChar(pierwsza);
                if (para)
                    *tekst += QChar(druga);
            }
            j += para ? 12 : 6;
            odcinek = j;
        }
        dopiszOdcinek();
        *i = j + 1;
        return true;
    }

    const QByteArray &m_json;
    std::vector<Poziom> m_stos;
};

} // namespace

bool importujJson(Baza &baza, const QByteArray &json, QString *blad, int *liczbaRekordow)
{
    auto porazka = [&](const QString &t) {
        if (blad)
            *blad = t;
        return false;
    };
    QJsonParseError bladParsowania;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &bladParsowania);
    if (bladParsowania.error != QJsonParseError::NoError)
        return porazka(QStringLiteral("Błędny plik JSON (znak %1): %2.")
                           .arg(numerZnaku(json, bladParsowania.offset))
                           .arg(powodParsowania(bladParsowania.error)));
    if (!doc.isObject())
        return porazka(QStringLiteral("Plik JSON musi zawierać jeden obiekt, którego klucze są nazwami tabel."));
    QString bladTekstu;
    if (!SprawdzenieJson(json).sprawdz(&bladTekstu))
        return porazka(bladTekstu);
    const QJsonObject korzen = doc.object();

    // Everything is checked before anything is written.
    struct Wstawienie {
        Tabela tabela;
        QString klucz;
        QVariantList wartosci;
    };
    std::vector<Wstawienie> wstawienia;
    for (auto it = korzen.begin(); it != korzen.end(); ++it) {
        Tabela t;
        if (!tabelaONazwie(it.key(), &t))
            return porazka(QStringLiteral("Nieznana tabela \"%1\".").arg(it.key()));
    }
    baza.synchronizuj();
    for (Tabela t : WszystkieTabele) {
        if (!korzen.contains(opisTabeli(t).nazwa))
            continue;
        const QJsonValue tablica = korzen.value(opisTabeli(t).nazwa);
        if (!tablica.isArray())
            return porazka(QStringLiteral("Tabela %1: wartością musi być tablica rekordów.").arg(opisTabeli(t).nazwa));
        const QJsonArray rekordy = tablica.toArray();
        if (rekordy.isEmpty())
            continue;
        if (!baza.plikIstnieje(t))
            return porazka(QStringLiteral("Tabela %1: brak pliku %2 w folderze %3.")
                               .arg(opisTabeli(t).nazwa, opisTabeli(t).plik(), baza.folder()));
        std::vector<KolumnaPliku> kolumnyPliku;
        QString powod;
        if (!plikTabeliCzytelny(baza, t, &kolumnyPliku, &powod))
            return porazka(QStringLiteral("Tabela %1: nie można odczytać pliku %2 (%3).")
                               .arg(opisTabeli(t).nazwa, opisTabeli(t).plik(), powod));
        // Which columns need a value is the file's own: a table created over an existing
        // file may differ from a new one (`stale` then takes records without DataRek).
        OpisTabeli o = opisTabeli(t);
        for (auto &k : o.kolumny)
            k.wymagana = k.nazwa == o.kluczGlowny || kolumnaPliku(kolumnyPliku, k.nazwa)->niepusta;
        for (qsizetype i = 0; i < rekordy.size(); ++i) {
            if (!rekordy[i].isObject())
                return porazka(QStringLiteral("Tabela %1, rekord nr %2: rekord musi być obiektem.").arg(o.nazwa).arg(i + 1));
            const QJsonObject r = rekordy[i].toObject();
            const QString klucz = kluczRekordu(o, r);
            for (auto k = r.begin(); k != r.end(); ++k)
                if (!o.kolumna(k.key()))
                    return porazka(QStringLiteral("Tabela %1, rekord %2: nieznana kolumna \"%3\".")
                                       .arg(o.nazwa, klucz, k.key()));
            Wstawienie w{t, klucz, {}};
            for (const auto &k : o.kolumny) {
                QVariant v;
                QString powodWartosci;
                if (!wartoscKolumny(k, r.value(k.nazwa), &v, &powodWartosci))
                    return porazka(QStringLiteral("Tabela %1, rekord %2: %3.").arg(o.nazwa, klucz, powodWartosci));
                w.wartosci << v;
            }
            wstawienia.push_back(std::move(w));
        }
    }

    Transakcja tr(baza);
    if (!tr.ok())
        return porazka(QStringLiteral("Nie można rozpocząć zapisu do bazy danych."));
    // Every table written is locked before the first record goes in.
    for (Tabela t : WszystkieTabele) {
        const bool pisana = std::any_of(wstawienia.cbegin(), wstawienia.cend(),
                                        [t](const Wstawienie &w) { return w.tabela == t; });
        if (pisana && !baza.zajmijDoZapisu(t))
            return porazka(baza.blad()->tekst());
    }
    for (const auto &w : wstawienia) {
        QString bladWstawienia;
        if (!wstawRekord(baza, w.tabela, w.wartosci, &bladWstawienia))
            return porazka(QStringLiteral("Tabela %1, rekord %2: %3.")
                               .arg(opisTabeli(w.tabela).nazwa, w.klucz, bladWstawienia));
    }
    QString bladZatwierdzenia;
    if (!tr.zatwierdz(&bladZatwierdzenia))
        return porazka(bladZatwierdzenia);
    if (liczbaRekordow)
        *liczbaRekordow = static_cast<int>(wstawienia.size());
    return true;
}

WynikEksportu eksportujJson(Baza &baza, std::optional<int> kodSyst, QIODevice &wyjscie, QString *blad)
{
    auto porazka = [&](const OpisTabeli &o, const QString &powod) {
        if (blad)
            *blad = QStringLiteral("Nie można odczytać tabeli %1: %2.").arg(o.plik(), powod);
        return WynikEksportu::BladOdczytu;
    };
    // Every table is checked before any is read: a system's records span them all, and the
    // filters of the enumerated values and multimedia files read the facts and the rules.
    baza.synchronizuj();
    for (Tabela t : WszystkieTabele) {
        const OpisTabeli &o = opisTabeli(t);
        std::vector<KolumnaPliku> kolumny;
        QString powod;
        if (!plikTabeliCzytelny(baza, t, &kolumny, &powod))
            return porazka(o, powod);
        // A column the table has beyond its own would be left out of the export.
        for (const auto &k : kolumny) {
            bool znana = false;
            for (const auto &d : o.kolumny)
                znana = znana || d.nazwa.compare(k.nazwa, Qt::CaseInsensitive) == 0;
            if (!znana)
                return porazka(o, QStringLiteral("tabela %1 ma nieznaną kolumnę %2").arg(o.nazwa, k.nazwa));
        }
    }

    // The text is made in pieces and handed over whenever a piece is large enough, so the
    // memory used does not grow with the tables.
    constexpr qsizetype Porcja = 1 << 20;
    QByteArray out;
    out.reserve(Porcja + 64 * 1024);
    auto oddaj = [&]() {
        const bool ok = out.isEmpty() || wyjscie.write(out) == out.size();
        out.clear();
        return ok;
    };
    out += "{";
    bool pierwszaTabela = true;
    for (Tabela t : WszystkieTabele) {
        const OpisTabeli &o = opisTabeli(t);
        QSqlQuery q = baza.zapytanie();
        q.setForwardOnly(true);
        QString sql = QStringLiteral("SELECT * FROM ") + o.nazwa;
        if (kodSyst)
            sql += filtrSystemu(t);
        sql += QStringLiteral(" ORDER BY ") + o.kluczGlowny;
        q.prepare(sql);
        if (kodSyst)
            q.bindValue(QStringLiteral(":ParIdSyst"), *kodSyst);
        if (!q.exec())
            return porazka(o, powodBledu(q.lastError()));
        out += pierwszaTabela ? "\n  " : ",\n  ";
        pierwszaTabela = false;
        dopiszTekst(out, o.nazwa);
        out += ": [";
        // The columns by their place in the result, found once; the names, written in every
        // record, once as JSON text.
        std::vector<int> pozycje;
        std::vector<QByteArray> nazwy;
        bool pierwszyRekord = true;
        while (q.next()) {
            if (pozycje.empty()) {
                const QSqlRecord r = q.record();
                for (const OpisKolumny &k : o.kolumny) {
                    pozycje.push_back(r.indexOf(k.nazwa));
                    QByteArray n;
                    dopiszTekst(n, k.nazwa);
                    nazwy.push_back(n + ": ");
                }
            }
            out += pierwszyRekord ? "\n    {" : ",\n    {";
            pierwszyRekord = false;
            for (size_t i = 0; i < o.kolumny.size(); ++i) {
                if (i)
                    out += ", ";
                out += nazwy[i];
                QString powod;
                const QVariant v = pozycje[i] >= 0 ? q.value(pozycje[i]) : QVariant();
                if (!dopiszWartosc(out, o.kolumny[i], v, &powod)) {
                    const int klucz = o.indeksKolumny(o.kluczGlowny);
                    return porazka(o, QStringLiteral("w rekordzie %1=%2 %3")
                                          .arg(o.kluczGlowny, q.value(pozycje[size_t(klucz)]).toString(), powod));
                }
            }
            out += "}";
            if (out.size() >= Porcja && !oddaj())
                return WynikEksportu::BladZapisu;
        }
        // The rows end early when the engine fails part-way through the table.
        if (q.lastError().isValid())
            return porazka(o, powodBledu(q.lastError()));
        out += pierwszyRekord ? "]" : "\n  ]";
    }
    out += "\n}\n";
    return oddaj() ? WynikEksportu::Zapisany : WynikEksportu::BladZapisu;
}

bool eksportujJson(Baza &baza, std::optional<int> kodSyst, QByteArray *json, QString *blad)
{
    QByteArray tekst;
    QBuffer bufor(&tekst);
    bufor.open(QIODevice::WriteOnly);
    if (eksportujJson(baza, kodSyst, bufor, blad) != WynikEksportu::Zapisany)
        return false;
    bufor.close();
    *json = tekst;
    return true;
}

} // namespace tremida
