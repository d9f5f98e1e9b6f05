#include "Wymiana.h"

#include "Baza.h"
#include "Rekordy.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

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

void dopiszWartosc(QByteArray &out, const OpisKolumny &k, const QVariant &v)
{
    if (v.isNull()) {
        out += "null";
        return;
    }
    switch (k.typ) {
    case TypKol::Integer: out += QByteArray::number(v.toLongLong()); break;
    case TypKol::Float: {
        const double d = v.toDouble();
        out += std::isfinite(d) ? QByteArray::number(d, 'g', QLocale::FloatingPointShortest) : QByteArray("null");
        break;
    }
    case TypKol::Text:
    case TypKol::Memo: dopiszTekst(out, v.toString()); break;
    }
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
        return porazka(QStringLiteral("Błędny plik JSON (znak %1): %2")
                           .arg(bladParsowania.offset)
                           .arg(bladParsowania.errorString()));
    if (!doc.isObject())
        return porazka(QStringLiteral("Plik JSON musi zawierać jeden obiekt, którego klucze są nazwami tabel."));
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
        const OpisTabeli &o = opisTabeli(t);
        if (!korzen.contains(o.nazwa))
            continue;
        const QJsonValue tablica = korzen.value(o.nazwa);
        if (!tablica.isArray())
            return porazka(QStringLiteral("Tabela %1: wartością musi być tablica rekordów.").arg(o.nazwa));
        const QJsonArray rekordy = tablica.toArray();
        if (rekordy.isEmpty())
            continue;
        if (!baza.czyDolaczona(t))
            return porazka(QStringLiteral("Tabela %1: brak pliku %2 w folderze %3.").arg(o.nazwa, o.plik(), baza.folder()));
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
                QString powod;
                if (!wartoscKolumny(k, r.value(k.nazwa), &v, &powod))
                    return porazka(QStringLiteral("Tabela %1, rekord %2: %3.").arg(o.nazwa, klucz, powod));
                w.wartosci << v;
            }
            wstawienia.push_back(std::move(w));
        }
    }

    Transakcja tr(baza);
    if (!tr.ok())
        return porazka(QStringLiteral("Nie można rozpocząć zapisu do bazy danych."));
    for (const auto &w : wstawienia) {
        QString bladWstawienia;
        if (!wstawRekord(baza, w.tabela, w.wartosci, &bladWstawienia))
            return porazka(QStringLiteral("Tabela %1, rekord %2: %3.")
                               .arg(opisTabeli(w.tabela).nazwa, w.klucz, bladWstawienia));
    }
    if (!tr.zatwierdz())
        return porazka(QStringLiteral("Nie można zapisać rekordów w bazie danych: %1")
                           .arg(baza.polaczenie().lastError().text()));
    if (liczbaRekordow)
        *liczbaRekordow = static_cast<int>(wstawienia.size());
    return true;
}

bool eksportujJson(Baza &baza, std::optional<int> kodSyst, QByteArray *json, QString *blad)
{
    baza.synchronizuj();
    QByteArray out = "{";
    bool pierwszaTabela = true;
    for (Tabela t : WszystkieTabele) {
        if (!baza.czyDolaczona(t))
            continue;
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
        if (!q.exec()) {
            if (blad)
                *blad = QStringLiteral("Tabela %1: %2").arg(o.nazwa, bladZapytania(q));
            return false;
        }
        out += pierwszaTabela ? "\n  " : ",\n  ";
        pierwszaTabela = false;
        dopiszTekst(out, o.nazwa);
        out += ": [";
        bool pierwszyRekord = true;
        while (q.next()) {
            const QSqlRecord r = q.record();
            out += pierwszyRekord ? "\n    {" : ",\n    {";
            pierwszyRekord = false;
            for (size_t i = 0; i < o.kolumny.size(); ++i) {
                if (i)
                    out += ", ";
                dopiszTekst(out, o.kolumny[i].nazwa);
                out += ": ";
                dopiszWartosc(out, o.kolumny[i], r.value(o.kolumny[i].nazwa));
            }
            out += "}";
        }
        out += pierwszyRekord ? "]" : "\n  ]";
    }
    out += "\n}\n";
    *json = out;
    return true;
}

} // namespace tremida
