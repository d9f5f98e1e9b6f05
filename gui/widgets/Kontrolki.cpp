#include "Kontrolki.h"

#include "app/KontekstAplikacji.h"
#include "store/Konwersje.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>

namespace tremida::gui {

// ---------------------------------------------------------------------------------------
// GrupaRadiowa

GrupaRadiowa::GrupaRadiowa(const QString &tytul, const QStringList &pozycje, int kolumny, QWidget *rodzic)
    : QGroupBox(tytul, rodzic), m_pozycje(pozycje), m_grupa(new QButtonGroup(this))
{
    auto *uklad = new QGridLayout(this);
    uklad->setContentsMargins(6, 4, 6, 4);
    uklad->setVerticalSpacing(2);
    kolumny = std::max(kolumny, 1);
    for (int i = 0; i < pozycje.size(); ++i) {
        auto *p = new QRadioButton(pozycje[i], this);
        m_grupa->addButton(p, i);
        uklad->addWidget(p, i / kolumny, i % kolumny);
    }
    connect(m_grupa, &QButtonGroup::idClicked, this, [this](int id) {
        if (m_tylkoDoOdczytu) {
            ustawWybor(m_wartosc);
            return;
        }
        m_wartosc = m_pozycje.value(id);
        emit wybrano(m_wartosc);
    });
}

QString GrupaRadiowa::wybor() const { return m_pozycje.value(m_grupa->checkedId()); }

int GrupaRadiowa::indeksWyboru() const { return m_grupa->checkedId(); }

QRadioButton *GrupaRadiowa::przycisk(int i) const { return qobject_cast<QRadioButton *>(m_grupa->button(i)); }

void GrupaRadiowa::ustawWybor(const QString &slowo)
{
    m_wartosc = slowo;
    zaznaczJeden(m_grupa, m_pozycje.indexOf(slowo));
}

void zaznaczJeden(QButtonGroup *grupa, int id)
{
    if (QAbstractButton *b = grupa->button(id)) {
        b->setChecked(true);
        return;
    }
    grupa->setExclusive(false);
    for (QAbstractButton *b : grupa->buttons())
        b->setChecked(false);
    grupa->setExclusive(true);
}

void GrupaRadiowa::kliknij(const QString &slowo)
{
    const int i = m_pozycje.indexOf(slowo);
    if (i >= 0)
        m_grupa->button(i)->click();
}

// ---------------------------------------------------------------------------------------
// Bindings

namespace {

// Keeps one control in step with one column of the current record.
class Powiazanie : public QObject {
public:
    Powiazanie(QWidget *w, ZbiorDanych *z, const QString &k, bool tylkoDoOdczytu)
        : QObject(w), m_widget(w), m_zbior(z), m_kolumna(k), m_tylkoDoOdczytu(tylkoDoOdczytu)
    {
        connect(z, &ZbiorDanych::przewiniety, this, [this] {
            m_zmienione = false;
            wczytaj();
        });
        connect(z, &ZbiorDanych::stanZmieniony, this, [this] {
            if (!m_zmienione)
                wczytaj();
        });
        connect(z, &ZbiorDanych::wartoscZmieniona, this, [this](const QString &kol) {
            if (kol == m_kolumna && !m_zapisuje) {
                m_zmienione = false;
                wczytaj();
            }
        });
        connect(z, &ZbiorDanych::przedZatwierdzeniem, this, [this](bool *ok) {
            if (*ok && !zapisz())
                *ok = false;
        });
    }

    // Shows the column's value.
    virtual void pokaz(const QString &tekst) = 0;
    virtual QString wpisane() const = 0;
    virtual void ustawEdytowalnosc(bool edytowalne) = 0;

    void wczytaj()
    {
        m_wczytuje = true;
        pokaz(m_zbior->tekst(m_kolumna));
        m_wczytuje = false;
        ustawEdytowalnosc(!m_tylkoDoOdczytu && m_zbior->czyOtwarty() && m_zbior->biezacy() >= 0);
    }

    // The user typed: the record goes into edit.
    void edytowano()
    {
        if (m_wczytuje || m_tylkoDoOdczytu)
            return;
        m_zmienione = true;
        if (!m_zbior->czyEdycjaLubWstawianie() && !m_zbior->edytuj()) {
            m_zmienione = false;
            wczytaj();
        }
    }

    // Stores what was typed into the buffer; false (message shown) when it does not convert.
    bool zapisz()
    {
        if (!m_zmienione || m_tylkoDoOdczytu || !m_zbior->czyEdycjaLubWstawianie())
            return true;
        m_zapisuje = true;
        const bool ok = m_zbior->ustawTekst(m_kolumna, wpisane());
        m_zapisuje = false;
        if (ok)
            m_zmienione = false;
        return ok;
    }

protected:
    QWidget *m_widget;
    ZbiorDanych *m_zbior;
    QString m_kolumna;
    bool m_tylkoDoOdczytu;
    bool m_zmienione = false;
    bool m_wczytuje = false;
    bool m_zapisuje = false;
};

class PowiazaniePola : public Powiazanie {
public:
    PowiazaniePola(QLineEdit *p, ZbiorDanych *z, const QString &k, bool ro) : Powiazanie(p, z, k, ro), m_pole(p)
    {
        if (const OpisKolumny *o = z->opis().kolumna(k); o && o->typ == TypKol::Text)
            p->setMaxLength(o->szerokosc);
        p->setReadOnly(ro);
        connect(p, &QLineEdit::textEdited, this, [this] { edytowano(); });
        connect(p, &QLineEdit::editingFinished, this, [this] {
            if (!zapisz())
                m_pole->setFocus();
        });
        wczytaj();
    }
    void pokaz(const QString &t) override
    {
        if (m_pole->text() != t)
            m_pole->setText(t);
        m_pole->setCursorPosition(0);
    }
    QString wpisane() const override { return m_pole->text(); }
    void ustawEdytowalnosc(bool e) override { m_pole->setReadOnly(!e); }

private:
    QLineEdit *m_pole;
};

class PowiazanieMemo : public Powiazanie {
public:
    PowiazanieMemo(QPlainTextEdit *m, ZbiorDanych *z, const QString &k, bool ro) : Powiazanie(m, z, k, ro), m_memo(m)
    {
        m->setReadOnly(ro);
        connect(m, &QPlainTextEdit::textChanged, this, [this] { edytowano(); });
        wczytaj();
    }
    void pokaz(const QString &t) override
    {
        if (m_memo->toPlainText() != t)
            m_memo->setPlainText(t);
    }
    QString wpisane() const override { return m_memo->toPlainText(); }
    void ustawEdytowalnosc(bool e) override { m_memo->setReadOnly(!e); }

private:
    QPlainTextEdit *m_memo;
};

} // namespace

void powiaz(QLineEdit *pole, ZbiorDanych *zbior, const QString &kolumna, bool tylkoDoOdczytu)
{
    new PowiazaniePola(pole, zbior, kolumna, tylkoDoOdczytu);
}

void powiaz(QPlainTextEdit *memo, ZbiorDanych *zbior, const QString &kolumna, bool tylkoDoOdczytu)
{
    new PowiazanieMemo(memo, zbior, kolumna, tylkoDoOdczytu);
}

void powiaz(GrupaRadiowa *grupa, ZbiorDanych *zbior, const QString &kolumna)
{
    auto wczytaj = [grupa, zbior, kolumna] {
        grupa->ustawWybor(zbior->wartosc(kolumna).toString());
        grupa->setEnabled(zbior->czyOtwarty() && zbior->biezacy() >= 0);
    };
    QObject::connect(zbior, &ZbiorDanych::przewiniety, grupa, wczytaj);
    QObject::connect(zbior, &ZbiorDanych::stanZmieniony, grupa, wczytaj);
    QObject::connect(zbior, &ZbiorDanych::wartoscZmieniona, grupa, [wczytaj, kolumna](const QString &k) {
        if (k == kolumna)
            wczytaj();
    });
    QObject::connect(grupa, &GrupaRadiowa::wybrano, zbior, [grupa, zbior, kolumna](const QString &slowo) {
        if (!zbior->ustawWartosc(kolumna, slowo))
            grupa->ustawWybor(zbior->wartosc(kolumna).toString());
    });
    wczytaj();
}

// ---------------------------------------------------------------------------------------
// Siatka

Siatka::Siatka(ZbiorDanych *zbior, QWidget *rodzic) : QTableView(rodzic), m_zbior(zbior)
{
    setModel(zbior);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setAlternatingRowColors(false);
    verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 6);
    verticalHeader()->setFixedWidth(18);
    horizontalHeader()->setDefaultSectionSize(140);
    horizontalHeader()->setHighlightSections(false);
    setWordWrap(false);
    connect(zbior, &ZbiorDanych::przewiniety, this, &Siatka::pokazBiezacy);
    connect(zbior, &QAbstractItemModel::modelReset, this, &Siatka::pokazBiezacy);
    connect(zbior, &QAbstractItemModel::rowsInserted, this, &Siatka::pokazBiezacy);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &i) {
        if (i.row() != m_zbior->biezacy())
            m_zbior->przejdzDo(i.row());
        pokazBiezacy();
        emit klikniecie();
    });
    connect(horizontalHeader(), &QHeaderView::sectionClicked, this, [this] { emit klikniecie(); });
    connect(zbior, &QAbstractItemModel::modelReset, this, &Siatka::dopasujKolumny);
    connect(zbior, &QAbstractItemModel::headerDataChanged, this, &Siatka::dopasujKolumny);
}

void Siatka::ukryjKolumne(const QString &nazwa)
{
    m_ukryte << nazwa;
    dopasujKolumny();
}

void Siatka::dopasujKolumny()
{
    // Every column title is shown whole; long texts are cut to a sensible width.
    for (int i = 0; i < m_zbior->columnCount(); ++i)
        setColumnWidth(i, std::max(horizontalHeader()->sectionSizeHint(i), std::min(sizeHintForColumn(i), 300)));
    for (const QString &n : std::as_const(m_ukryte))
        setColumnHidden(opisTabeli(m_zbior->tabela()).indeksKolumny(n), true);
}

void Siatka::pokazBiezacy()
{
    const int w = m_zbior->biezacy();
    if (w < 0) {
        clearSelection();
        return;
    }
    const QModelIndex i = m_zbior->index(w, std::max(currentIndex().column(), 0));
    selectionModel()->setCurrentIndex(i, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    scrollTo(i);
}

// ---------------------------------------------------------------------------------------
// Confirmations

bool potwierdz(const QString &pytanie, QWidget *rodzic)
{
    return KontekstAplikacji::dialogiAplikacji().potwierdzenie(pytanie, rodzic);
}

} // namespace tremida::gui
