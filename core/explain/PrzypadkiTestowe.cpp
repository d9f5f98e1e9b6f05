#include "PrzypadkiTestowe.h"

#include "inference/DostepWnios.h"
#include "store/Konwersje.h"
#include "store/Slowa.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QXmlStreamWriter>
#include <cmath>

namespace tremida {

namespace {

// ---- Reading the file ----

// Reads the objects of a test file, remembering where it is for its messages.
class TCzytnikTestow {
public:
    explicit TCzytnikTestow(const QString &plik) : m_plik(QDir::toNativeSeparators(plik)) {}

    QString blad;
    QString miejsce; // "przypadek „x”: " or empty

    bool zle(const QString &tekst)
    {
        if (blad.isEmpty())
            blad = QStringLiteral("Plik testów %1: %2%3").arg(m_plik, miejsce, tekst);
        return false;
    }
    // Every key of `o` must be one of `znane`.
    bool klucze(const QJsonObject &o, const QStringList &znane, const QString &gdzie = QString())
    {
        for (const QString &k : o.keys())
            if (!znane.contains(k))
                return zle(QStringLiteral("nieznany klucz \"%1\"%2.").arg(k, gdzie));
        return true;
    }
    bool tekst(const QJsonObject &o, const QString &klucz, QString &cel, bool wymagany = false)
    {
        const QJsonValue v = o.value(klucz);
        if (v.isUndefined())
            return !wymagany || zle(QStringLiteral("brak klucza \"%1\".").arg(klucz));
        if (!v.isString())
            return zle(QStringLiteral("wartością klucza \"%1\" musi być tekst.").arg(klucz));
        cel = v.toString();
        return true;
    }
    bool logiczna(const QJsonObject &o, const QString &klucz, bool &cel)
    {
        const QJsonValue v = o.value(klucz);
        if (v.isUndefined())
            return true;
        if (!v.isBool())
            return zle(QStringLiteral("wartością klucza \"%1\" musi być true albo false.").arg(klucz));
        cel = v.toBool();
        return true;
    }
    bool liczba(const QJsonValue &v, const QString &klucz, double &cel)
    {
        if (!v.isDouble())
            return zle(QStringLiteral("wartością klucza \"%1\" musi być liczba.").arg(klucz));
        cel = v.toDouble();
        return true;
    }
    bool calkowita(const QJsonValue &v, const QString &klucz, int &cel)
    {
        const double d = v.toDouble(-1.0);
        if (!v.isDouble() || d != std::floor(d) || d < 0 || d > 2147483647.0)
            return zle(QStringLiteral("wartością klucza \"%1\" musi być liczba całkowita nieujemna.").arg(klucz));
        cel = int(d);
        return true;
    }
    bool teksty(const QJsonObject &o, const QString &klucz, QStringList &cel)
    {
        const QJsonValue v = o.value(klucz);
        if (v.isUndefined())
            return true;
        if (!v.isArray())
            return zle(QStringLiteral("wartością klucza \"%1\" musi być lista tekstów.").arg(klucz));
        for (const QJsonValue &e : v.toArray()) {
            if (!e.isString())
                return zle(QStringLiteral("wartością klucza \"%1\" musi być lista tekstów.").arg(klucz));
            cel << e.toString();
        }
        return true;
    }
    // A fact named by its code or its name.
    bool fakt(const QJsonObject &o, int &id, QString &nazwa)
    {
        const QJsonValue v = o.value(QStringLiteral("fact"));
        if (v.isString() && !v.toString().isEmpty()) {
            nazwa = v.toString();
            return true;
        }
        if (v.isDouble() && v.toDouble() >= 1 && calkowita(v, QStringLiteral("fact"), id))
            return true;
        return zle(QStringLiteral("wartością klucza \"fact\" musi być kod faktu albo jego nazwa."));
    }

private:
    QString m_plik;
};

bool czytajKonkluzje(TCzytnikTestow &c, const QJsonValue &v, QList<TOczekiwanaKonkluzja> &lista)
{
    if (!v.isArray())
        return c.zle(QStringLiteral("wartością klucza \"conclusions\" musi być lista konkluzji."));
    for (const QJsonValue &e : v.toArray()) {
        const QJsonObject o = e.toObject();
        if (!e.isObject())
            return c.zle(QStringLiteral("konkluzja musi być obiektem."));
        if (!c.klucze(o, {QStringLiteral("conclusion"), QStringLiteral("rule"), QStringLiteral("cf"),
                          QStringLiteral("aggregatedCf")},
                      QStringLiteral(" w konkluzji")))
            return false;
        TOczekiwanaKonkluzja k;
        if (!c.tekst(o, QStringLiteral("conclusion"), k.konkluzja, true))
            return false;
        if (o.contains(u"rule")) {
            int r = 0;
            if (!c.calkowita(o.value(u"rule"), QStringLiteral("rule"), r))
                return false;
            k.regula = r;
        }
        double d = 0.0;
        if (o.contains(u"cf")) {
            if (!c.liczba(o.value(u"cf"), QStringLiteral("cf"), d))
                return false;
            k.cf = d;
        }
        if (o.contains(u"aggregatedCf")) {
            if (!c.liczba(o.value(u"aggregatedCf"), QStringLiteral("aggregatedCf"), d))
                return false;
            k.cfZagreg = d;
        }
        lista << k;
    }
    return true;
}

bool czytajFakty(TCzytnikTestow &c, const QJsonValue &v, QList<TOczekiwanyFakt> &lista)
{
    if (!v.isArray())
        return c.zle(QStringLiteral("wartością klucza \"facts\" w \"expect\" musi być lista faktów."));
    for (const QJsonValue &e : v.toArray()) {
        const QJsonObject o = e.toObject();
        if (!e.isObject())
            return c.zle(QStringLiteral("fakt w \"expect\" musi być obiektem."));
        if (!c.klucze(o, {QStringLiteral("fact"), QStringLiteral("value"), QStringLiteral("cf"), QStringLiteral("values")},
                      QStringLiteral(" w fakcie")))
            return false;
        TOczekiwanyFakt f;
        if (!c.fakt(o, f.idFakt, f.nazwa))
            return false;
        if (o.contains(u"values")) {
            if (o.contains(u"value") || o.contains(u"cf"))
                return c.zle(QStringLiteral("fakt wyliczeniowy ma klucz \"values\" zamiast \"value\" i \"cf\"."));
            if (!o.value(u"values").isObject())
                return c.zle(QStringLiteral("wartością klucza \"values\" musi być obiekt: wartość faktu -> CF."));
            QList<QPair<QString, double>> wartosci;
            const QJsonObject w = o.value(u"values").toObject();
            for (auto it = w.begin(); it != w.end(); ++it) {
                double d = 0.0;
                if (!c.liczba(it.value(), it.key(), d))
                    return false;
                wartosci.append({it.key(), d});
            }
            f.wartosci = wartosci;
        } else {
            QString w;
            if (!c.tekst(o, QStringLiteral("value"), w, true))
                return false;
            f.wartosc = w;
            if (o.contains(u"cf")) {
                double d = 0.0;
                if (!c.liczba(o.value(u"cf"), QStringLiteral("cf"), d))
                    return false;
                f.cf = d;
            }
        }
        lista << f;
    }
    return true;
}

bool czytajOczekiwania(TCzytnikTestow &c, const QJsonValue &v, TOczekiwania &w)
{
    if (!v.isObject())
        return c.zle(QStringLiteral("wartością klucza \"expect\" musi być obiekt."));
    const QJsonObject o = v.toObject();
    if (!c.klucze(o,
                  {QStringLiteral("completed"), QStringLiteral("proven"), QStringLiteral("order"),
                   QStringLiteral("conclusions"), QStringLiteral("finalMessage"), QStringLiteral("messages"),
                   QStringLiteral("absentMessages"), QStringLiteral("facts")},
                  QStringLiteral(" w \"expect\"")))
        return false;
    bool b = false;
    if (o.contains(u"completed")) {
        if (!c.logiczna(o, QStringLiteral("completed"), b))
            return false;
        w.zakonczony = b;
    }
    if (o.contains(u"proven")) {
        if (!c.logiczna(o, QStringLiteral("proven"), b))
            return false;
        w.udowodniona = b;
    }
    QString kolejnosc = QStringLiteral("sequence");
    if (!c.tekst(o, QStringLiteral("order"), kolejnosc))
        return false;
    if (kolejnosc != u"sequence" && kolejnosc != u"set")
        return c.zle(QStringLiteral("wartością klucza \"order\" musi być \"sequence\" albo \"set\"."));
    w.wKolejnosci = kolejnosc == u"sequence";
    if (o.contains(u"conclusions")) {
        QList<TOczekiwanaKonkluzja> lista;
        if (!czytajKonkluzje(c, o.value(u"conclusions"), lista))
            return false;
        w.konkluzje = lista;
    }
    if (o.contains(u"finalMessage")) {
        QString t;
        if (!c.tekst(o, QStringLiteral("finalMessage"), t))
            return false;
        w.komunikatKoncowy = t;
    }
    return c.teksty(o, QStringLiteral("messages"), w.komunikaty) &&
           c.teksty(o, QStringLiteral("absentMessages"), w.bezKomunikatow) &&
           (!o.contains(u"facts") || czytajFakty(c, o.value(u"facts"), w.fakty));
}

bool czytajOdpowiedziWPliku(TCzytnikTestow &c, const QJsonArray &a, QList<TOdpowiedzWPliku> &lista)
{
    for (const QJsonValue &e : a) {
        const QJsonObject o = e.toObject();
        if (!e.isObject())
            return c.zle(QStringLiteral("odpowiedź musi być obiektem."));
        if (!c.klucze(o, {QStringLiteral("fact"), QStringLiteral("value"), QStringLiteral("cf")},
                      QStringLiteral(" w odpowiedzi")))
            return false;
        TOdpowiedzWPliku odp;
        if (!o.value(u"fact").isDouble() || !c.calkowita(o.value(u"fact"), QStringLiteral("fact"), odp.idFakt))
            return c.zle(QStringLiteral("wartością klucza \"fact\" odpowiedzi musi być kod faktu."));
        if (!c.tekst(o, QStringLiteral("value"), odp.wartosc, true))
            return false;
        odp.cf = o.value(u"cf");
        if (!odp.cf.isUndefined() && !odp.cf.isDouble() && !odp.cf.isString())
            return c.zle(QStringLiteral("wartością klucza \"cf\" odpowiedzi musi być liczba albo tekst."));
        lista << odp;
    }
    return true;
}

bool czytajPrzypadek(TCzytnikTestow &c, const QJsonObject &o, TPrzypadekTestowy &p)
{
    if (!c.klucze(o, {QStringLiteral("name"), QStringLiteral("description"), QStringLiteral("method"),
                      QStringLiteral("hypothesis"), QStringLiteral("answers"), QStringLiteral("facts"),
                      QStringLiteral("set"), QStringLiteral("falsify"), QStringLiteral("falsifyAll"),
                      QStringLiteral("closeAfter"), QStringLiteral("verify"), QStringLiteral("expect")}))
        return false;
    if (!c.tekst(o, QStringLiteral("description"), p.opis) || !c.tekst(o, QStringLiteral("method"), p.metoda, true) ||
        !c.tekst(o, QStringLiteral("hypothesis"), p.hipoteza) || !c.tekst(o, QStringLiteral("facts"), p.plikFaktow) ||
        !c.teksty(o, QStringLiteral("set"), p.ustawienia) || !c.teksty(o, QStringLiteral("falsify"), p.falsyfikujace) ||
        !c.logiczna(o, QStringLiteral("falsifyAll"), p.falsyfikujWszystkie) ||
        !c.logiczna(o, QStringLiteral("verify"), p.weryfikacja))
        return false;
    const auto metoda = metodaONazwie(p.metoda);
    if (!metoda)
        return c.zle(QStringLiteral("wartością klucza \"method\" musi być \"forward\", \"backward\" albo \"mixed\"."));
    if (*metoda != MetodaWnios::WPrzod && p.hipoteza.isEmpty())
        return c.zle(QStringLiteral("metoda %1 wymaga klucza \"hypothesis\".").arg(p.metoda));
    if (o.contains(u"closeAfter") && (!c.calkowita(o.value(u"closeAfter"), QStringLiteral("closeAfter"), p.zamknijPo) ||
                                      p.zamknijPo < 1))
        return c.zle(QStringLiteral("wartością klucza \"closeAfter\" musi być liczba całkowita dodatnia."));
    const QJsonValue odp = o.value(u"answers");
    if (odp.isString()) {
        p.plikOdpowiedzi = odp.toString();
    } else if (odp.isArray()) {
        QList<TOdpowiedzWPliku> lista;
        if (!czytajOdpowiedziWPliku(c, odp.toArray(), lista))
            return false;
        p.odpowiedzi = lista;
    } else if (!odp.isUndefined()) {
        return c.zle(QStringLiteral("wartością klucza \"answers\" musi być nazwa pliku odpowiedzi albo lista "
                                    "odpowiedzi."));
    }
    TParKonfig proba;
    for (const QString &u : std::as_const(p.ustawienia))
        if (const auto b = ustawParametr(proba, u))
            return c.zle(QStringLiteral("\"set\": %1").arg(tekstDoWyswietlenia(*b).replace(u'\n', u' ')));
    if (o.contains(u"expect") && !czytajOczekiwania(c, o.value(u"expect"), p.oczekiwane))
        return false;
    if (p.oczekiwane.udowodniona && p.hipoteza.isEmpty())
        return c.zle(QStringLiteral("oczekiwanie \"proven\" wymaga klucza \"hypothesis\"."));
    return true;
}

// ---- Writing the file ----

QByteArray js(const QString &s)
{
    const QByteArray a = QJsonDocument(QJsonArray{s}).toJson(QJsonDocument::Compact);
    return a.mid(1, a.size() - 2);
}

// A CF as recorded: the engine's arithmetic leaves digits far below any tolerance.
double zaokraglij(double d) { return std::round(d * 1e10) / 1e10; }

QByteArray jn(double d)
{
    const QByteArray a = QJsonDocument(QJsonArray{zaokraglij(d)}).toJson(QJsonDocument::Compact);
    return a.mid(1, a.size() - 2);
}

QByteArray jv(const QJsonValue &v)
{
    const QByteArray a = QJsonDocument(QJsonArray{v}).toJson(QJsonDocument::Compact);
    return a.mid(1, a.size() - 2);
}

QByteArray listaTekstow(const QStringList &l)
{
    QByteArray b = "[";
    for (qsizetype i = 0; i < l.size(); ++i)
        b += (i ? ", " : "") + js(l[i]);
    return b + "]";
}

// Lines of an object at `wciecie`: `pola` are "key": value pairs already written.
QByteArray obiekt(const QList<QByteArray> &pola, const QByteArray &wciecie)
{
    QByteArray b = "{\n";
    for (qsizetype i = 0; i < pola.size(); ++i)
        b += wciecie + "  " + pola[i] + (i + 1 < pola.size() ? ",\n" : "\n");
    return b + wciecie + "}";
}

QByteArray lista(const QList<QByteArray> &elementy, const QByteArray &wciecie)
{
    if (elementy.isEmpty())
        return "[]";
    QByteArray b = "[\n";
    for (qsizetype i = 0; i < elementy.size(); ++i)
        b += wciecie + "  " + elementy[i] + (i + 1 < elementy.size() ? ",\n" : "\n");
    return b + wciecie + "]";
}

QByteArray faktJson(const TOczekiwanyFakt &f)
{
    QByteArray b = "{\"fact\": " + (f.idFakt ? QByteArray::number(f.idFakt) : js(f.nazwa));
    if (f.wartosci) {
        b += ", \"values\": {";
        for (qsizetype i = 0; i < f.wartosci->size(); ++i)
            b += (i ? ", " : "") + js(f.wartosci->at(i).first) + ": " + jn(f.wartosci->at(i).second);
        b += "}";
    } else {
        b += ", \"value\": " + js(f.wartosc.value_or(QString()));
        if (f.cf)
            b += ", \"cf\": " + jn(*f.cf);
    }
    return b + "}";
}

QByteArray oczekiwaniaJson(const TOczekiwania &w, const QByteArray &wciecie)
{
    QList<QByteArray> pola;
    if (w.zakonczony)
        pola << "\"completed\": " + QByteArray(*w.zakonczony ? "true" : "false");
    if (w.udowodniona)
        pola << "\"proven\": " + QByteArray(*w.udowodniona ? "true" : "false");
    if (!w.wKolejnosci)
        pola << "\"order\": \"set\"";
    if (w.konkluzje) {
        QList<QByteArray> el;
        for (const TOczekiwanaKonkluzja &k : *w.konkluzje) {
            QByteArray b = "{";
            if (k.regula)
                b += "\"rule\": " + QByteArray::number(*k.regula) + ", ";
            b += "\"conclusion\": " + js(k.konkluzja);
            if (k.cf)
                b += ", \"cf\": " + jn(*k.cf);
            if (k.cfZagreg)
                b += ", \"aggregatedCf\": " + jn(*k.cfZagreg);
            el << b + "}";
        }
        pola << "\"conclusions\": " + lista(el, wciecie + "  ");
    }
    if (w.komunikatKoncowy)
        pola << "\"finalMessage\": " + js(*w.komunikatKoncowy);
    if (!w.komunikaty.isEmpty())
        pola << "\"messages\": " + listaTekstow(w.komunikaty);
    if (!w.bezKomunikatow.isEmpty())
        pola << "\"absentMessages\": " + listaTekstow(w.bezKomunikatow);
    if (!w.fakty.isEmpty()) {
        QList<QByteArray> el;
        for (const TOczekiwanyFakt &f : w.fakty)
            el << faktJson(f);
        pola << "\"facts\": " + lista(el, wciecie + "  ");
    }
    return obiekt(pola, wciecie);
}

QByteArray przypadekJson(const TPrzypadekTestowy &p, const QByteArray &wciecie)
{
    QList<QByteArray> pola{"\"name\": " + js(p.nazwa)};
    if (!p.opis.isEmpty())
        pola << "\"description\": " + js(p.opis);
    pola << "\"method\": " + js(p.metoda);
    if (!p.hipoteza.isEmpty())
        pola << "\"hypothesis\": " + js(p.hipoteza);
    if (p.plikOdpowiedzi)
        pola << "\"answers\": " + js(*p.plikOdpowiedzi);
    if (p.odpowiedzi) {
        QList<QByteArray> el;
        for (const TOdpowiedzWPliku &o : *p.odpowiedzi)
            el << "{\"fact\": " + QByteArray::number(o.idFakt) + ", \"value\": " + js(o.wartosc) +
                      (o.cf.isUndefined() ? QByteArray() : ", \"cf\": " + jv(o.cf)) + "}";
        pola << "\"answers\": " + lista(el, wciecie + "  ");
    }
    if (!p.plikFaktow.isEmpty())
        pola << "\"facts\": " + js(p.plikFaktow);
    if (!p.ustawienia.isEmpty())
        pola << "\"set\": " + listaTekstow(p.ustawienia);
    if (!p.weryfikacja)
        pola << "\"verify\": false";
    if (!p.falsyfikujace.isEmpty())
        pola << "\"falsify\": " + listaTekstow(p.falsyfikujace);
    if (p.falsyfikujWszystkie)
        pola << "\"falsifyAll\": true";
    if (p.zamknijPo > 0)
        pola << "\"closeAfter\": " + QByteArray::number(p.zamknijPo);
    pola << "\"expect\": " + oczekiwaniaJson(p.oczekiwane, wciecie + "  ");
    return obiekt(pola, wciecie);
}

// ---- Running a case ----

QString cfTekst(double d) { return realNaTekst(zaokraglij(d)); }

bool poza(double oczekiwany, double otrzymany, double tolerancja)
{
    return std::abs(oczekiwany - otrzymany) > tolerancja + 1e-12;
}

QString opisKonkluzji(const QString &konkluzja, const std::optional<int> &regula)
{
    return regula ? QStringLiteral("%1 (reguła %2)").arg(konkluzja).arg(*regula) : konkluzja;
}

void porownajKonkluzje(const TOczekiwania &w, const TWynikProby &proba, double tol, QStringList &r)
{
    const QList<TOczekiwanaKonkluzja> &oczekiwane = *w.konkluzje;
    const QList<TKonkluzjaProby> &otrzymane = proba.konkluzje;
    QList<bool> uzyta(otrzymane.size(), false);
    QList<qsizetype> pary; // the display matched by each expected conclusion, -1: none
    for (const TOczekiwanaKonkluzja &e : oczekiwane) {
        qsizetype znaleziona = -1;
        for (qsizetype i = 0; i < otrzymane.size() && znaleziona < 0; ++i)
            if (!uzyta[i] && otrzymane[i].konkluzja == e.konkluzja && (!e.regula || *e.regula == otrzymane[i].regula))
                znaleziona = i;
        pary << znaleziona;
        const QString opis = opisKonkluzji(e.konkluzja, e.regula);
        if (znaleziona < 0) {
            r << (e.cf ? QStringLiteral("oczekiwano %1 z CF %2, nie otrzymano tej konkluzji").arg(opis, cfTekst(*e.cf))
                       : QStringLiteral("oczekiwano %1, nie otrzymano tej konkluzji").arg(opis));
            continue;
        }
        uzyta[znaleziona] = true;
        const TKonkluzjaProby &a = otrzymane[znaleziona];
        if (e.cf && poza(*e.cf, a.cf, tol))
            r << QStringLiteral("oczekiwano %1 z CF %2, otrzymano CF %3").arg(e.konkluzja, cfTekst(*e.cf), cfTekst(a.cf));
        if (e.cfZagreg && poza(*e.cfZagreg, a.cfZagreg, tol))
            r << QStringLiteral("oczekiwano %1 z zagregowanym CF %2, otrzymano zagregowany CF %3")
                     .arg(e.konkluzja, cfTekst(*e.cfZagreg), cfTekst(a.cfZagreg));
    }
    for (qsizetype i = 0; i < otrzymane.size(); ++i)
        if (!uzyta[i])
            r << QStringLiteral("nieoczekiwana konkluzja %1 z CF %2")
                     .arg(opisKonkluzji(otrzymane[i].konkluzja, otrzymane[i].regula), cfTekst(otrzymane[i].cf));
    if (!w.wKolejnosci)
        return;
    qsizetype poprzednia = -1;
    bool wKolejnosci = true;
    for (qsizetype p : std::as_const(pary)) {
        if (p < 0)
            continue;
        wKolejnosci = wKolejnosci && p > poprzednia;
        poprzednia = p;
    }
    if (!wKolejnosci) {
        QStringList oczekiwana, otrzymana;
        for (const TOczekiwanaKonkluzja &e : oczekiwane)
            oczekiwana << e.konkluzja;
        for (const TKonkluzjaProby &a : otrzymane)
            otrzymana << a.konkluzja;
        r << QStringLiteral("oczekiwano konkluzji w kolejności %1, otrzymano w kolejności %2")
                 .arg(oczekiwana.join(QStringLiteral("; ")), otrzymana.join(QStringLiteral("; ")));
    }
}

QString opisWartosci(const QList<QPair<QString, double>> &w)
{
    if (w.isEmpty())
        return QStringLiteral("żadnej wartości");
    QStringList l;
    for (const auto &[wart, cf] : w)
        l << QStringLiteral("%1 z CF %2").arg(wart, cfTekst(cf));
    return l.join(QStringLiteral(", "));
}

QString nazwaFaktu(const TOczekiwanyFakt &f) { return f.idFakt ? QString::number(f.idFakt) : QStringLiteral("[%1]").arg(f.nazwa); }

// Reads the fact as it is after the run into the form of the expectation `e`.
std::optional<TOczekiwanyFakt> faktPoPrzebiegu(Baza &baza, int kodSyst, const TOczekiwanyFakt &e)
{
    const auto f = e.idFakt ? dostep::fakt(baza, e.idFakt) : dostep::faktONazwie(baza, kodSyst, e.nazwa);
    if (!f)
        return std::nullopt;
    TOczekiwanyFakt w = e;
    if (f->TypFakt == slowa::Wyliczeniowy) {
        QList<QPair<QString, double>> wartosci;
        for (const TRekWartFaktWylicz &r : dostep::wartosciFaktu(baza, f->IdFakt))
            if (r.CzyFaktMaWartAkt == slowa::Tak)
                wartosci.append({r.WartFaktWylicz, r.CFWartFaktWyliczAkt.value_or(0.0)});
        w.wartosci = wartosci;
        w.wartosc.reset();
        w.cf.reset();
    } else {
        w.wartosc = f->WartFakt;
        w.cf = f->CFWartFakt.value_or(0.0);
        w.wartosci.reset();
    }
    return w;
}

void porownajFakt(const TOczekiwanyFakt &e, const std::optional<TOczekiwanyFakt> &a, double tol, QStringList &r)
{
    const QString nazwa = nazwaFaktu(e);
    if (!a) {
        r << QStringLiteral("faktu %1 nie ma w tabeli faktów systemu").arg(nazwa);
        return;
    }
    if (e.wartosci || a->wartosci) {
        const auto oczekiwane = e.wartosci.value_or(QList<QPair<QString, double>>());
        const auto otrzymane = a->wartosci.value_or(QList<QPair<QString, double>>());
        bool zgodne = e.wartosci.has_value() == a->wartosci.has_value() && oczekiwane.size() == otrzymane.size();
        for (const auto &[wart, cf] : oczekiwane) {
            bool jest = false;
            for (const auto &[w2, cf2] : otrzymane)
                jest = jest || (w2 == wart && !poza(cf, cf2, tol));
            zgodne = zgodne && jest;
        }
        if (!zgodne)
            r << QStringLiteral("fakt %1: oczekiwano %2, otrzymano %3")
                     .arg(nazwa,
                          e.wartosci ? opisWartosci(oczekiwane) : QStringLiteral("wartości %1").arg(e.wartosc.value_or(QString())),
                          a->wartosci ? opisWartosci(otrzymane) : QStringLiteral("wartości %1").arg(a->wartosc.value_or(QString())));
        return;
    }
    const bool wartoscInna = e.wartosc != a->wartosc;
    const bool cfInny = e.cf && poza(*e.cf, a->cf.value_or(0.0), tol);
    if (wartoscInna || cfInny)
        r << (e.cf ? QStringLiteral("fakt %1: oczekiwano wartości %2 z CF %3, otrzymano %4 z CF %5")
                         .arg(nazwa, *e.wartosc, cfTekst(*e.cf), *a->wartosc, cfTekst(a->cf.value_or(0.0)))
                   : QStringLiteral("fakt %1: oczekiwano wartości %2, otrzymano %3").arg(nazwa, *e.wartosc, *a->wartosc));
}

QString sciezkaWzgledna(const TPlikTestow &plik, const QString &nazwa)
{
    return QDir(plik.folder).filePath(nazwa);
}

} // namespace

QString komunikatWJednejLinii(const QString &tekst)
{
    return QString(tekst).replace(QStringLiteral("\n\r"), QStringLiteral("\\n\\r"));
}

bool wczytajPlikTestow(const QString &sciezka, TPlikTestow &plik, QString *blad)
{
    TCzytnikTestow c(sciezka);
    const QString nazwa = QDir::toNativeSeparators(sciezka);
    QFile f(sciezka);
    if (!QFileInfo(sciezka).isFile() || !f.open(QIODevice::ReadOnly)) {
        *blad = QStringLiteral("Nie można odczytać pliku testów %1%2.")
                    .arg(nazwa, QFileInfo::exists(sciezka) && !QFileInfo(sciezka).isFile()
                                    ? QStringLiteral(": to nie jest zwykły plik")
                                    : QStringLiteral(": ") + f.errorString());
        return false;
    }
    QJsonParseError e{};
    const QJsonDocument d = QJsonDocument::fromJson(f.readAll(), &e);
    if (e.error != QJsonParseError::NoError) {
        *blad = QStringLiteral("Plik testów %1 nie jest poprawnym plikiem JSON (znak %2: %3).")
                    .arg(nazwa)
                    .arg(e.offset)
                    .arg(e.errorString());
        return false;
    }
    plik = TPlikTestow();
    plik.folder = QFileInfo(sciezka).absolutePath();
    const QJsonObject o = d.object();
    auto wynik = [&](bool ok) {
        if (!ok)
            *blad = c.blad;
        return ok;
    };
    if (!d.isObject())
        return wynik(c.zle(QStringLiteral("plik musi zawierać obiekt JSON.")));
    if (!c.klucze(o, {QStringLiteral("system"), QStringLiteral("tolerance"), QStringLiteral("description"),
                      QStringLiteral("cases")}) ||
        !c.tekst(o, QStringLiteral("description"), plik.opis))
        return wynik(false);
    if (!o.contains(u"system"))
        return wynik(c.zle(QStringLiteral("brak klucza \"system\".")));
    if (!c.calkowita(o.value(u"system"), QStringLiteral("system"), plik.system))
        return wynik(false);
    if (o.contains(u"tolerance") &&
        (!c.liczba(o.value(u"tolerance"), QStringLiteral("tolerance"), plik.tolerancja) || plik.tolerancja < 0))
        return wynik(c.zle(QStringLiteral("wartością klucza \"tolerance\" musi być liczba nieujemna.")));
    if (!o.value(u"cases").isArray())
        return wynik(c.zle(QStringLiteral("wartością klucza \"cases\" musi być lista przypadków.")));
    QStringList nazwy;
    int nr = 0;
    for (const QJsonValue &v : o.value(u"cases").toArray()) {
        ++nr;
        c.miejsce = QStringLiteral("przypadek nr %1: ").arg(nr);
        if (!v.isObject())
            return wynik(c.zle(QStringLiteral("przypadek musi być obiektem.")));
        TPrzypadekTestowy p;
        if (!c.tekst(v.toObject(), QStringLiteral("name"), p.nazwa, true))
            return wynik(false);
        if (p.nazwa.isEmpty())
            return wynik(c.zle(QStringLiteral("nazwa przypadku nie może być pusta.")));
        c.miejsce = QStringLiteral("przypadek „%1”: ").arg(p.nazwa);
        if (nazwy.contains(p.nazwa))
            return wynik(c.zle(QStringLiteral("ta nazwa przypadku powtarza się.")));
        nazwy << p.nazwa;
        if (!czytajPrzypadek(c, v.toObject(), p))
            return wynik(false);
        plik.przypadki << p;
    }
    return wynik(true);
}

QByteArray tekstPlikuTestow(const TPlikTestow &plik)
{
    QList<QByteArray> pola{"\"system\": " + QByteArray::number(plik.system)};
    if (!plik.opis.isEmpty())
        pola << "\"description\": " + js(plik.opis);
    pola << "\"tolerance\": " + jn(plik.tolerancja);
    QList<QByteArray> przypadki;
    for (const TPrzypadekTestowy &p : plik.przypadki)
        przypadki << przypadekJson(p, "    ");
    pola << "\"cases\": " + lista(przypadki, "  ");
    return obiekt(pola, "") + "\n";
}

TWynikPrzypadku uruchomPrzypadek(const TKopiaRobocza &kopia, const TParKonfig &konfig, const TPlikTestow &plik,
                                 const TPrzypadekTestowy &p)
{
    QElapsedTimer zegar;
    zegar.start();
    TWynikPrzypadku w;
    w.nazwa = p.nazwa;
    TParKonfig konfigPrzypadku = konfig;
    for (const QString &u : p.ustawienia)
        if (const auto b = ustawParametr(konfigPrzypadku, u)) {
            w.blad = tekstDoWyswietlenia(*b);
            return w;
        }
    TOdpowiedzi odpowiedzi;
    if (p.plikOdpowiedzi && !wczytajOdpowiedzi(sciezkaWzgledna(plik, *p.plikOdpowiedzi), odpowiedzi, &w.blad))
        return w;
    if (p.odpowiedzi)
        for (const TOdpowiedzWPliku &o : *p.odpowiedzi)
            odpowiedzi[o.idFakt].append({o.wartosc, o.cf.isDouble() ? realNaTekst(o.cf.toDouble()) : o.cf.toString()});
    TSkryptPrzebiegu skrypt;
    skrypt.kodSyst = plik.system;
    skrypt.metoda = metodaONazwie(p.metoda).value_or(MetodaWnios::WPrzod);
    skrypt.hipoteza = p.hipoteza;
    skrypt.plikFaktow = p.plikFaktow.isEmpty() ? QString() : sciezkaWzgledna(plik, p.plikFaktow);
    skrypt.weryfikacja = p.weryfikacja;
    skrypt.falsyfikujace = p.falsyfikujace;
    skrypt.falsyfikujWszystkie = p.falsyfikujWszystkie;
    skrypt.zamknijPo = p.zamknijPo;

    QList<std::optional<TOczekiwanyFakt>> fakty;
    w.proba = PrzeprowadzProbe(kopia, konfigPrzypadku, skrypt, odpowiedzi, {}, [&](Baza &baza) {
        for (const TOczekiwanyFakt &e : p.oczekiwane.fakty)
            fakty << faktPoPrzebiegu(baza, plik.system, e);
    });
    w.czas = double(zegar.elapsed()) / 1000.0;
    if (!w.proba.wykonana) {
        w.blad = w.proba.blad;
        return w;
    }
    w.wykonany = true;

    const TOczekiwania &e = p.oczekiwane;
    const double tol = plik.tolerancja;
    const TWynikPrzebiegu &przebieg = w.proba.przebieg;
    const bool zakonczony = przebieg.koniec == KoniecPrzebiegu::Zakonczony;
    if (e.zakonczony && *e.zakonczony != zakonczony)
        w.roznice << (zakonczony ? QStringLiteral("oczekiwano przerwania przebiegu, przebieg się zakończył")
                                 : QStringLiteral("oczekiwano zakończenia przebiegu, przerwał go komunikat \"%1\"")
                                       .arg(komunikatWJednejLinii(w.proba.ostatniKomunikat())));
    if (e.udowodniona && *e.udowodniona != przebieg.udowodniona)
        w.roznice << (*e.udowodniona ? QStringLiteral("oczekiwano udowodnienia hipotezy głównej, hipoteza nie została "
                                                      "udowodniona")
                                     : QStringLiteral("oczekiwano, że hipoteza główna nie zostanie udowodniona, została "
                                                      "udowodniona"));
    if (e.konkluzje)
        porownajKonkluzje(e, w.proba, tol, w.roznice);
    for (const QString &k : e.komunikaty) {
        bool jest = false;
        for (const QString &m : std::as_const(w.proba.komunikaty))
            jest = jest || m.contains(k);
        if (!jest)
            w.roznice << QStringLiteral("brak komunikatu \"%1\"").arg(komunikatWJednejLinii(k));
    }
    for (const QString &k : e.bezKomunikatow)
        for (const QString &m : std::as_const(w.proba.komunikaty))
            if (m.contains(k)) {
                w.roznice << QStringLiteral("wystąpił komunikat \"%1\"").arg(komunikatWJednejLinii(m));
                break;
            }
    if (e.komunikatKoncowy && *e.komunikatKoncowy != w.proba.ostatniKomunikat())
        w.roznice << QStringLiteral("oczekiwano komunikatu końcowego \"%1\", otrzymano \"%2\"")
                         .arg(komunikatWJednejLinii(*e.komunikatKoncowy), komunikatWJednejLinii(w.proba.ostatniKomunikat()));
    for (qsizetype i = 0; i < e.fakty.size(); ++i) {
        porownajFakt(e.fakty[i], fakty.value(i), tol, w.roznice);
        if (fakty.value(i))
            w.fakty << *fakty.value(i);
        else
            w.fakty << e.fakty[i];
    }
    return w;
}

void zapiszJakoOczekiwane(TPrzypadekTestowy &p, const TWynikPrzypadku &w)
{
    TOczekiwania &e = p.oczekiwane;
    e.zakonczony = w.proba.przebieg.koniec == KoniecPrzebiegu::Zakonczony;
    if (!p.hipoteza.isEmpty())
        e.udowodniona = w.proba.przebieg.udowodniona;
    QList<TOczekiwanaKonkluzja> konkluzje;
    for (const TKonkluzjaProby &k : w.proba.konkluzje)
        konkluzje << TOczekiwanaKonkluzja{k.konkluzja, k.regula, zaokraglij(k.cf), zaokraglij(k.cfZagreg)};
    e.konkluzje = konkluzje;
    e.komunikatKoncowy = w.proba.ostatniKomunikat();
    e.fakty = w.fakty;
}

QByteArray raportJUnit(const QString &nazwa, int system, const QList<TWynikPrzypadku> &wyniki)
{
    int bledy = 0, niezgodne = 0;
    double czas = 0.0;
    for (const TWynikPrzypadku &w : wyniki) {
        bledy += !w.wykonany;
        niezgodne += w.wykonany && !w.zgodny();
        czas += w.czas;
    }
    auto sekundy = [](double s) { return QString::number(s, 'f', 3); };
    QByteArray xml;
    QXmlStreamWriter x(&xml);
    x.setAutoFormatting(true);
    x.writeStartDocument();
    x.writeStartElement(QStringLiteral("testsuites"));
    x.writeAttribute(QStringLiteral("name"), nazwa);
    x.writeAttribute(QStringLiteral("tests"), QString::number(wyniki.size()));
    x.writeAttribute(QStringLiteral("failures"), QString::number(niezgodne));
    x.writeAttribute(QStringLiteral("errors"), QString::number(bledy));
    x.writeAttribute(QStringLiteral("time"), sekundy(czas));
    x.writeStartElement(QStringLiteral("testsuite"));
    x.writeAttribute(QStringLiteral("name"), nazwa);
    x.writeAttribute(QStringLiteral("tests"), QString::number(wyniki.size()));
    x.writeAttribute(QStringLiteral("failures"), QString::number(niezgodne));
    x.writeAttribute(QStringLiteral("errors"), QString::number(bledy));
    x.writeAttribute(QStringLiteral("skipped"), QStringLiteral("0"));
    x.writeAttribute(QStringLiteral("time"), sekundy(czas));
    for (const TWynikPrzypadku &w : wyniki) {
        x.writeStartElement(QStringLiteral("testcase"));
        x.writeAttribute(QStringLiteral("name"), w.nazwa);
        x.writeAttribute(QStringLiteral("classname"), QStringLiteral("system %1").arg(system));
        x.writeAttribute(QStringLiteral("time"), sekundy(w.czas));
        if (!w.wykonany) {
            x.writeStartElement(QStringLiteral("error"));
            x.writeAttribute(QStringLiteral("message"), tekstDoWyswietlenia(w.blad));
            x.writeCharacters(tekstDoWyswietlenia(w.blad));
            x.writeEndElement();
        } else if (!w.roznice.isEmpty()) {
            x.writeStartElement(QStringLiteral("failure"));
            x.writeAttribute(QStringLiteral("message"), w.roznice.first());
            x.writeAttribute(QStringLiteral("type"), QStringLiteral("niezgodność"));
            x.writeCharacters(w.roznice.join(u'\n'));
            x.writeEndElement();
            QStringList komunikaty;
            for (const QString &k : w.proba.komunikaty)
                komunikaty << tekstDoWyswietlenia(k);
            x.writeTextElement(QStringLiteral("system-out"), komunikaty.join(u'\n'));
        }
        x.writeEndElement();
    }
    x.writeEndElement();
    x.writeEndElement();
    x.writeEndDocument();
    return xml;
}

} // namespace tremida
