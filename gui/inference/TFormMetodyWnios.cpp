#include "TFormMetodyWnios.h"

#include "app/Kolory.h"
#include "app/KontekstAplikacji.h"
#include "manual/Instrukcja.h"

#include "widgets/Ekran.h"

#include <QCloseEvent>
#include <QFrame>
#include <QListWidget>
#include <QVBoxLayout>

namespace tremida::gui {

namespace {
const QString Anulowanie = QStringLiteral("Anulowanie opcji. Powrót do wyboru rodzaju wnioskowania. ");
const QString ProszeCzekac = QStringLiteral("Proszę czekać");
} // namespace

TFormMetodyWnios::TFormMetodyWnios(KontekstAplikacji &kontekst, const TTekstyMetody &t, QWidget *rodzic)
    : OknoKontekstu(kontekst, t.nazwaObiektu, t.tytulOkna, rodzic)
{
    m_naglSyst = new QLabel(t.naglowekSystemu);
    m_naglSyst->setWordWrap(true);
    m_naglHip = new QLabel(t.naglowekHipotezy);
    m_naglHip->setWordWrap(true);
    m_etHip = new QLabel(QStringLiteral("Hipoteza główna"));
    m_hipoteza = new QLineEdit;
    m_hipoteza->setReadOnly(true);
    m_instrukcja = new QLabel(t.instrukcja);
    m_instrukcja->setWordWrap(true);
    m_lista = new QListWidget;
    m_lista->setSelectionMode(t.wieleZaznaczen ? QAbstractItemView::ExtendedSelection
                                               : QAbstractItemView::SingleSelection);
    m_naglSyst->setVisible(!t.naglowekSystemu.isEmpty());

    m_anuluj = new QPushButton(Anulowanie);
    m_przerwij = new QPushButton(t.przyciskPrzerwij);
    m_start = new QPushButton(t.przyciskStart);
    m_pomoc = new QPushButton(QStringLiteral("Pomoc"));
    m_ok = new QPushButton(QStringLiteral("OK"));

    auto *uklad = ukladPrzewijany(this);
    uklad->addWidget(m_naglSyst);
    uklad->addLayout(m_pola.utworz());
    uklad->addSpacing(8);
    uklad->addWidget(m_naglHip);
    auto *hip = new QHBoxLayout;
    hip->addWidget(m_etHip);
    hip->addWidget(m_hipoteza, 1);
    uklad->addLayout(hip);
    uklad->addWidget(m_instrukcja);
    uklad->addWidget(m_lista, 1);
    if (!t.uwagaListy.isEmpty()) {
        m_uwagaListy = new QLabel(t.uwagaListy);
        m_uwagaListy->setWordWrap(true);
        uklad->addWidget(m_uwagaListy);
    }
    for (const QStringList &linie : t.uwagi) {
        auto *ramka = new QFrame;
        ramka->setFrameShape(QFrame::Box);
        auto *u = new QVBoxLayout(ramka);
        for (const QString &l : linie) {
            auto *et = new QLabel(l);
            et->setAlignment(Qt::AlignCenter);
            QFont f = et->font();
            f.setBold(true);
            et->setFont(f);
            et->setStyleSheet(QStringLiteral("color: red;"));
            u->addWidget(et);
        }
        ramka->hide();
        m_uwagi.append(ramka);
        uklad->addWidget(ramka);
    }
    auto *przyciski = new QHBoxLayout;
    przyciski->addWidget(m_anuluj);
    przyciski->addWidget(m_przerwij);
    przyciski->addWidget(m_start);
    przyciski->addStretch(1);
    przyciski->addWidget(m_pomoc);
    przyciski->addWidget(m_ok);
    uklad->addLayout(przyciski);
    resize(900, 520);

    if (!t.wieleZaznaczen) {
        connect(m_lista, &QListWidget::itemClicked, this,
                [this](QListWidgetItem *i) { m_hipoteza->setText(i->text()); });
        connect(m_lista, &QListWidget::currentTextChanged, this, [this](const QString &s) {
            if (!s.isEmpty())
                m_hipoteza->setText(s);
        });
    }
    connect(m_start, &QPushButton::clicked, this, [this] { if (start) start(); });
    connect(m_przerwij, &QPushButton::clicked, this, [this] { if (przerwij) przerwij(); });
    connect(m_anuluj, &QPushButton::clicked, this, [this] { if (anuluj) anuluj(); });
    connect(m_ok, &QPushButton::clicked, this, [this] { if (ok) ok(); });
    const QString strona = QString::fromLatin1(t.stronaPomocy);
    connect(m_pomoc, &QPushButton::clicked, this, [this, strona] {
        if (m_kontekst.pokazStroneInstrukcji)
            m_kontekst.pokazStroneInstrukcji(strona);
    });
    kolorujZawsze(&TFormMetodyWnios::ZmiaKolFormMetodyWnios);
}

void TFormMetodyWnios::ZmiaKolFormMetodyWnios()
{
    const TParKonfig &k = m_kontekst.konfig;
    zastosujKolory(k, Rola::Bierne, {m_naglSyst, m_pola.etKod, m_pola.kod, m_pola.etNazwa, m_pola.nazwa});
    zastosujKolory(k, Rola::Czynne, {m_etHip, m_hipoteza, m_lista});
    zastosujKolory(k, Rola::Pomocnicze, {m_naglHip, m_instrukcja, m_anuluj, m_przerwij, m_start, m_pomoc, m_ok});
    if (m_uwagaListy)
        zastosujKolory(k, Rola::Pomocnicze, {m_uwagaListy});
}

void TFormMetodyWnios::ustawKonkluzje(int kodSyst, const QString &nazSyst, const QStringList &konkluzje)
{
    m_pola.ustaw(kodSyst, nazSyst);
    m_lista->blockSignals(true);
    m_lista->clear();
    m_lista->addItems(konkluzje);
    m_lista->setCurrentRow(-1);
    m_lista->clearSelection();
    m_lista->blockSignals(false);
    m_hipoteza->clear();
}

void TFormMetodyWnios::closeEvent(QCloseEvent *e)
{
    e->accept();
    if (zamknieto && isVisible())
        zamknieto();
}

QString TFormMetodyWnios::hipoteza() const { return m_hipoteza->text(); }

void TFormMetodyWnios::pokazUwage(int nr)
{
    for (int i = 0; i < m_uwagi.size(); ++i)
        if (i != nr)
            m_uwagi[i]->hide();
    if (nr >= 0 && nr < m_uwagi.size())
        pokazTeraz(m_uwagi[nr], true);
}

int TFormMetodyWnios::widocznaUwaga() const
{
    for (int i = 0; i < m_uwagi.size(); ++i)
        if (!m_uwagi[i]->isHidden())
            return i;
    return -1;
}

void TFormMetodyWnios::pokazStartIOk(bool widoczne)
{
    m_start->setVisible(widoczne);
    m_ok->setVisible(widoczne);
}

TFormWniosWPrzod::TFormWniosWPrzod(KontekstAplikacji &kontekst, QWidget *rodzic)
    : TFormMetodyWnios(kontekst,
                       {QStringLiteral("TFormWniosWPrzod"), QStringLiteral("WNIOSKOWANIE W PRZÓD"),
                        QStringLiteral("SYSTEM EKSPERCKI (BAZA WIEDZY), W RAMACH KTÓREGO REALIZOWANY JEST PROCES "
                                       "WNIOSKOWANIA W PRZÓD"),
                        QStringLiteral("POSTAWIENIE HIPOTEZY GŁÓWNEJ (uwaga: przy wnioskowaniu w przód postawienie "
                                       "hipotezy głównej jest opcjonalne)"),
                        QStringLiteral("Z poniższej listy konkluzji reguł wybierz konkluzję, którą stawiasz jako "
                                       "hipotezę główną, tj. konkluzję, której prawdziwość chcesz udowodnić: "),
                        QStringLiteral("Start procesu wnioskowania w przód"),
                        QStringLiteral("Przerwanie procesu wnioskowania w przód"),
                        {{QStringLiteral("Proces wnioskowania w przód w toku"), ProszeCzekac}},
                        pomoc::WniosWPrzod},
                       rodzic)
{
}

TFormWniosWstecz::TFormWniosWstecz(KontekstAplikacji &kontekst, QWidget *rodzic)
    : TFormMetodyWnios(kontekst,
                       {QStringLiteral("TFormWniosWstecz"), QStringLiteral("WNIOSKOWANIE WSTECZ"),
                        QStringLiteral("SYSTEM EKSPERCKI (BAZA WIEDZY), W RAMACH KTÓREGO REALIZOWANY JEST PROCES "
                                       "WNIOSKOWANIA WSTECZ"),
                        QStringLiteral("POSTAWIENIE HIPOTEZY GŁÓWNEJ"),
                        QStringLiteral("Z poniższej listy konkluzji reguł wybierz konkluzję, którą stawiasz jako "
                                       "hipotezę główną, tj. konkluzję, której prawdziwość chcesz udowodnić: "),
                        QStringLiteral("Start procesu wnioskowania wstecz"),
                        QStringLiteral("Przerwanie procesu wnioskowania wstecz"),
                        {{QStringLiteral("Proces wnioskowania wstecz w toku"), ProszeCzekac}},
                        pomoc::WniosWstecz},
                       rodzic)
{
}

TFormWniosMiesz::TFormWniosMiesz(KontekstAplikacji &kontekst, QWidget *rodzic)
    : TFormMetodyWnios(
          kontekst,
          {QStringLiteral("TFormWniosMiesz"), QStringLiteral("WNIOSKOWANIE MIESZANE"),
           QStringLiteral("SYSTEM EKSPERCKI (BAZA WIEDZY), W RAMACH KTÓREGO REALIZOWANY JEST PROCES WNIOSKOWANIA "
                          "MIESZANEGO"),
           QStringLiteral("POSTAWIENIE HIPOTEZY GŁÓWNEJ"),
           QStringLiteral("Z poniższej listy konkluzji reguł wybierz konkluzję, którą stawiasz jako hipotezę główną, "
                          "tj. konkluzję, której prawdziwość chcesz udowodnić lub sfalsyfikować (uznać za "
                          "nieprawdziwą): "),
           QStringLiteral("Start procesu wnioskowania mieszanego"),
           QStringLiteral("Przerwanie procesu wnioskowania mieszanego"),
           {{QStringLiteral("Proces wnioskowania mieszanego"),
             QStringLiteral("Faza pierwszego przebiegu procesu wnioskowania wstecz w toku"), ProszeCzekac},
            {QStringLiteral("Proces wnioskowania mieszanego"), QStringLiteral("Faza procesu wnioskowania w przód w toku"),
             ProszeCzekac},
            {QStringLiteral("Proces wnioskowania mieszanego"),
             QStringLiteral("Faza drugiego przebiegu procesu wnioskowania wstecz w toku"), ProszeCzekac}},
           pomoc::WniosMiesz},
          rodzic)
{
}

} // namespace tremida::gui
