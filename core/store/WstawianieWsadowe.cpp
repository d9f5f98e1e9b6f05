#include "WstawianieWsadowe.h"

#include "Baza.h"

#include <QSqlQuery>
#include <QVariant>

#include <sqlite3.h>

#include <algorithm>

namespace tremida {

namespace {

// Rows per statement, largest first; a batch is written with as few statements as these allow.
// A statement of more rows would gain little, and its named parameters cost the square of
// their number to prepare.
constexpr int RozmiaryPolecen[] = {64, 8, 1};
constexpr int LiczbaRozmiarow = 3;

} // namespace

WstawianieWsadowe::WstawianieWsadowe(Baza &baza, Tabela t, QStringList kolumny)
    : m_baza(baza), m_tabela(t), m_kolumny(std::move(kolumny)), m_ostatnieTeksty(size_t(m_kolumny.size()), -1)
{
}

WstawianieWsadowe::~WstawianieWsadowe() { zwolnijPolecenia(); }

void WstawianieWsadowe::zwolnijPolecenia()
{
    for (sqlite3_stmt *&s : m_polecenia) {
        sqlite3_finalize(s);
        s = nullptr;
    }
    zapomnijZwiazane();
}

void WstawianieWsadowe::zapomnijZwiazane()
{
    for (std::vector<Pole> &z : m_zwiazane)
        z.clear();
}

void WstawianieWsadowe::ustawPojemnosc(int wiersze) { m_pojemnosc = std::max(1, wiersze); }

int WstawianieWsadowe::indeksTekstu(const QString &t, int kolumna)
{
    // The same characters in the same place are the same text: a kept text holds its
    // characters, so they can be neither freed nor changed while it is kept. A column
    // mostly holds the text it held in the row before.
    int &ostatni = m_ostatnieTeksty[size_t(kolumna)];
    if (ostatni >= 0 && size_t(ostatni) < m_teksty.size()) {
        const QString &k = m_teksty[size_t(ostatni)].tekst;
        if (k.constData() == t.constData() && k.size() == t.size())
            return ostatni;
    }
    ostatni = indeksTekstu(t);
    return ostatni;
}

int WstawianieWsadowe::indeksTekstu(const QString &t)
{
    const qsizetype n = qsizetype(m_teksty.size());
    for (qsizetype i = n - 1; i >= 0; --i) {
        const QString &k = m_teksty[size_t(i)].tekst;
        if (k.constData() == t.constData() && k.size() == t.size())
            return int(i);
    }
    for (qsizetype i = n - 1; i >= 0; --i)
        if (m_teksty[size_t(i)].tekst == t)
            return int(i);
    const QByteArray utf8 = t.toUtf8();
    m_teksty.push_back({t, utf8, utf8.contains('\0')});
    return int(n);
}

bool WstawianieWsadowe::dodaj(std::initializer_list<Wartosc> wiersz)
{
    if (m_baza.zapisWstrzymany())
        return false;
    Q_ASSERT(wiersz.size() == size_t(m_kolumny.size()));
    if (m_pola.empty())
        m_pola.reserve(size_t(std::min(m_pojemnosc, 1024)) * wiersz.size());
    int kolumna = 0;
    for (const Wartosc &w : wiersz) {
        Pole p;
        p.typ = w.m_typ;
        p.calk = 0; // the whole value, so that values are compared whole (see wykonaj)
        switch (w.m_typ) {
        case Wartosc::Typ::Brak: break;
        case Wartosc::Typ::Calk: p.calk = w.m_calk; break;
        case Wartosc::Typ::Real: p.real = w.m_real; break;
        case Wartosc::Typ::Tekst: p.tekst = indeksTekstu(*w.m_tekst, kolumna); break;
        }
        m_pola.push_back(p);
        ++kolumna;
    }
    ++m_liczbaWierszy;
    // Outside a transaction every statement is a work of its own: the row is written at once.
    return (m_liczbaWierszy < m_pojemnosc && m_baza.czyWTransakcji()) || zapisz();
}

void WstawianieWsadowe::porzuc()
{
    m_pola.clear();
    m_liczbaWierszy = 0;
    m_teksty.clear();
    std::fill(m_ostatnieTeksty.begin(), m_ostatnieTeksty.end(), -1);
    zapomnijZwiazane();
}

sqlite3_stmt *WstawianieWsadowe::polecenie(int wiersze)
{
    int i = 0;
    while (RozmiaryPolecen[i] != wiersze)
        ++i;
    if (m_polecenia[i])
        return m_polecenia[i];
    auto *uchwyt = static_cast<sqlite3 *>(m_baza.uchwyt());
    // Every value has a parameter of its column's name, numbered by row in statements of
    // many rows; values are bound by position. A statement of many rows that fails keeps the
    // rows it wrote before the failure (OR FAIL) instead of taking them back itself: that would
    // copy every page it changes aside first, and a failure ends the whole work with a
    // rollback anyway.
    QString sql = QStringLiteral("INSERT %1INTO %2 (%3) VALUES ")
                      .arg(wiersze > 1 ? QStringLiteral("OR FAIL ") : QString(), opisTabeli(m_tabela).nazwa,
                           m_kolumny.join(u", "));
    for (int w = 1; w <= wiersze; ++w) {
        sql += w == 1 ? u"(" : u", (";
        for (qsizetype k = 0; k < m_kolumny.size(); ++k) {
            if (k)
                sql += u", ";
            sql += QStringLiteral(":Par") + m_kolumny[k];
            if (wiersze > 1)
                sql += QString::number(w);
        }
        sql += u')';
    }
    const QByteArray utf8 = sql.toUtf8();
    if (sqlite3_prepare_v3(uchwyt, utf8.constData(), int(utf8.size()), SQLITE_PREPARE_PERSISTENT, &m_polecenia[i],
                           nullptr) != SQLITE_OK) {
        zglosBlad(sqlite3_errcode(uchwyt), QString::fromUtf8(sqlite3_errmsg(uchwyt)));
        sqlite3_finalize(m_polecenia[i]);
        m_polecenia[i] = nullptr;
    }
    return m_polecenia[i];
}

bool WstawianieWsadowe::wykonaj(int nr, const Pole *pola, int wiersze)
{
    sqlite3_stmt *stmt = m_polecenia[nr];
    const int n = wiersze * int(m_kolumny.size());
    std::vector<Pole> &zwiazane = m_zwiazane[nr];
    const bool sprawdzaj = zwiazane.size() == size_t(n);
    if (!sprawdzaj)
        zwiazane.assign(pola, pola + n);
    for (int i = 0; i < n; ++i) {
        const Pole &p = pola[i];
        if (sprawdzaj) {
            Pole &z = zwiazane[size_t(i)];
            // Compared whole: a real number by its bits (0.0 and -0.0 stay apart), a text by
            // its place among the kept texts.
            if (z.typ == p.typ && z.calk == p.calk)
                continue;
            z = p;
        }
        switch (p.typ) {
        case Wartosc::Typ::Brak: sqlite3_bind_null(stmt, i + 1); break;
        case Wartosc::Typ::Calk: sqlite3_bind_int64(stmt, i + 1, p.calk); break;
        case Wartosc::Typ::Real: sqlite3_bind_double(stmt, i + 1, p.real); break;
        case Wartosc::Typ::Tekst: {
            // Read in place: the text stays kept until the rows are written. Bound with its
            // terminating zero, the checks on its length read it without copying it first.
            const Tekst &t = m_teksty[size_t(p.tekst)];
            sqlite3_bind_text(stmt, i + 1, t.utf8.constData(), t.zZerem ? int(t.utf8.size()) : -1, SQLITE_STATIC);
            break;
        }
        }
    }
    const int wynik = sqlite3_step(stmt);
    const bool ok = wynik == SQLITE_DONE;
    if (ok)
        m_baza.policzWstawione(sqlite3_changes64(sqlite3_db_handle(stmt)));
    else
        zglosBlad(wynik, QString::fromUtf8(sqlite3_errmsg(sqlite3_db_handle(stmt))));
    sqlite3_reset(stmt);
    return ok;
}

void WstawianieWsadowe::zglosBlad(int kod, const QString &tekst)
{
    TBladBazy b;
    b.rodzaj = RodzajBleduBazy::Zapis;
    b.tabela = m_tabela;
    b.kod = kod;
    b.tekstSilnika = tekst;
    m_baza.zglosBlad(b);
}

bool WstawianieWsadowe::zapiszPojedynczo(const std::vector<Pole> &pola, int liczba)
{
    // Without access to the engine itself the rows go one by one through the Qt driver.
    QString sql = QStringLiteral("INSERT INTO %1 (%2) VALUES (").arg(opisTabeli(m_tabela).nazwa, m_kolumny.join(u", "));
    for (qsizetype k = 0; k < m_kolumny.size(); ++k)
        sql += (k ? QStringLiteral(", :Par") : QStringLiteral(":Par")) + m_kolumny[k];
    sql += u')';
    QSqlQuery &q = m_baza.przygotowane(sql);
    const qsizetype kolumny = m_kolumny.size();
    for (int w = 0; w < liczba; ++w) {
        for (qsizetype k = 0; k < kolumny; ++k) {
            const Pole &p = pola[size_t(w * kolumny + k)];
            QVariant v;
            switch (p.typ) {
            case Wartosc::Typ::Brak: break;
            case Wartosc::Typ::Calk: v = p.calk; break;
            case Wartosc::Typ::Real: v = p.real; break;
            case Wartosc::Typ::Tekst: v = m_teksty[size_t(p.tekst)].tekst; break;
            }
            q.bindValue(int(k), v);
        }
        if (!m_baza.zapisz(q, m_tabela))
            return false;
    }
    return true;
}

bool WstawianieWsadowe::zapisz()
{
    if (m_liczbaWierszy == 0)
        return true;
    bool ok = !m_baza.zapisWstrzymany();
    if (ok && !m_baza.uchwyt()) {
        // The rows leave the batch first: Baza::zapisz writes what is kept before it writes.
        const std::vector<Pole> pola = std::move(m_pola);
        const int liczba = m_liczbaWierszy;
        m_pola.clear();
        m_liczbaWierszy = 0;
        ok = zapiszPojedynczo(pola, liczba);
    } else if (ok) {
        const qsizetype kolumny = m_kolumny.size();
        int zrobione = 0;
        for (int r = 0; ok && r < LiczbaRozmiarow; ++r) {
            const int rozmiar = RozmiaryPolecen[r];
            while (ok && m_liczbaWierszy - zrobione >= rozmiar) {
                ok = polecenie(rozmiar) && wykonaj(r, m_pola.data() + size_t(zrobione) * size_t(kolumny), rozmiar);
                zrobione += rozmiar;
            }
        }
    }
    m_pola.clear();
    m_liczbaWierszy = 0;
    // The texts are kept between batches (they are few); a writer of many texts starts afresh.
    if (m_teksty.size() > 64) {
        m_teksty.clear();
        std::fill(m_ostatnieTeksty.begin(), m_ostatnieTeksty.end(), -1);
        zapomnijZwiazane();
    }
    return ok;
}

} // namespace tremida
