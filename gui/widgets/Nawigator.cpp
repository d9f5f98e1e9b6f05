#include "Nawigator.h"

#include "Kontrolki.h"

#include <QHBoxLayout>
#include <QToolButton>

namespace tremida::gui {

namespace {

struct OpisPrzycisku {
    PrzyciskNaw p;
    const char *znak;
    const char *podpowiedz;
};

const OpisPrzycisku Opisy[] = {
    {PrzyciskNaw::Pierwszy, "|◀", "Pierwszy rekord"},  {PrzyciskNaw::Poprzedni, "◀", "Poprzedni rekord"},
    {PrzyciskNaw::Nastepny, "▶", "Następny rekord"},   {PrzyciskNaw::Ostatni, "▶|", "Ostatni rekord"},
    {PrzyciskNaw::Wstaw, "+", "Wstaw rekord"},          {PrzyciskNaw::Usun, "−", "Usuń rekord"},
    {PrzyciskNaw::Edytuj, "▲", "Edytuj rekord"},        {PrzyciskNaw::Zatwierdz, "✔", "Zatwierdź rekord"},
    {PrzyciskNaw::Anuluj, "✘", "Anuluj zmiany rekordu"}, {PrzyciskNaw::Odswiez, "↻", "Odśwież dane"},
};

} // namespace

std::vector<PrzyciskNaw> Nawigator::wszystkie()
{
    return {PrzyciskNaw::Pierwszy, PrzyciskNaw::Poprzedni, PrzyciskNaw::Nastepny, PrzyciskNaw::Ostatni,
            PrzyciskNaw::Wstaw,    PrzyciskNaw::Usun,      PrzyciskNaw::Edytuj,   PrzyciskNaw::Zatwierdz,
            PrzyciskNaw::Anuluj,   PrzyciskNaw::Odswiez};
}

std::vector<PrzyciskNaw> Nawigator::przemieszczanie()
{
    return {PrzyciskNaw::Pierwszy, PrzyciskNaw::Poprzedni, PrzyciskNaw::Nastepny, PrzyciskNaw::Ostatni};
}

Nawigator::Nawigator(ZbiorDanych *zbior, const std::vector<PrzyciskNaw> &przyciski, QWidget *rodzic)
    : QWidget(rodzic), m_zbior(zbior)
{
    auto *uklad = new QHBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->setSpacing(1);
    for (const auto &o : Opisy) {
        auto *b = new QToolButton(this);
        b->setText(QString::fromUtf8(o.znak));
        b->setToolTip(QString::fromUtf8(o.podpowiedz));
        b->setMinimumSize(30, 26);
        b->setFocusPolicy(Qt::TabFocus);
        const PrzyciskNaw p = o.p;
        connect(b, &QToolButton::clicked, this, [this, p] { kliknij(p); });
        uklad->addWidget(b);
        m_przyciski[p] = b;
    }
    uklad->addStretch();
    ustawPrzyciski(przyciski);
    connect(zbior, &ZbiorDanych::przewiniety, this, &Nawigator::odswiezDostepnosc);
    connect(zbior, &ZbiorDanych::stanZmieniony, this, &Nawigator::odswiezDostepnosc);
    connect(zbior, &QAbstractItemModel::modelReset, this, &Nawigator::odswiezDostepnosc);
    odswiezDostepnosc();
}

void Nawigator::ustawPrzyciski(const std::vector<PrzyciskNaw> &przyciski)
{
    for (auto &[p, b] : m_przyciski)
        b->setVisible(std::find(przyciski.begin(), przyciski.end(), p) != przyciski.end());
}

void Nawigator::odswiezDostepnosc()
{
    const bool otwarty = m_zbior->czyOtwarty();
    const bool edycja = m_zbior->czyEdycjaLubWstawianie();
    const bool jest = m_zbior->biezacy() >= 0;
    m_przyciski[PrzyciskNaw::Pierwszy]->setEnabled(otwarty && !m_zbior->naPoczatku());
    m_przyciski[PrzyciskNaw::Poprzedni]->setEnabled(otwarty && !m_zbior->naPoczatku());
    m_przyciski[PrzyciskNaw::Nastepny]->setEnabled(otwarty && !m_zbior->naKoncu());
    m_przyciski[PrzyciskNaw::Ostatni]->setEnabled(otwarty && !m_zbior->naKoncu());
    m_przyciski[PrzyciskNaw::Wstaw]->setEnabled(otwarty);
    m_przyciski[PrzyciskNaw::Usun]->setEnabled(otwarty && jest);
    m_przyciski[PrzyciskNaw::Edytuj]->setEnabled(otwarty && jest && !edycja);
    m_przyciski[PrzyciskNaw::Zatwierdz]->setEnabled(edycja);
    m_przyciski[PrzyciskNaw::Anuluj]->setEnabled(edycja);
    m_przyciski[PrzyciskNaw::Odswiez]->setEnabled(otwarty);
}

bool Nawigator::kliknij(PrzyciskNaw p)
{
    if (!m_przyciski.at(p)->isVisibleTo(this))
        return false;
    bool dalej = true;
    emit przedAkcja(p, &dalej);
    if (!dalej)
        return false;
    bool ok = false;
    switch (p) {
    case PrzyciskNaw::Pierwszy: ok = m_zbior->pierwszy(); break;
    case PrzyciskNaw::Poprzedni: ok = m_zbior->poprzedni(); break;
    case PrzyciskNaw::Nastepny: ok = m_zbior->nastepny(); break;
    case PrzyciskNaw::Ostatni: ok = m_zbior->ostatni(); break;
    case PrzyciskNaw::Wstaw: ok = m_zbior->wstaw(); break;
    case PrzyciskNaw::Usun:
        ok = m_zbior->biezacy() >= 0 && potwierdz(QStringLiteral("Usunąć bieżący rekord?"), this) && m_zbior->usun();
        break;
    case PrzyciskNaw::Edytuj: ok = m_zbior->edytuj(); break;
    case PrzyciskNaw::Zatwierdz: ok = m_zbior->czyEdycjaLubWstawianie() && m_zbior->zatwierdz(); break;
    case PrzyciskNaw::Anuluj:
        ok = m_zbior->czyEdycjaLubWstawianie();
        m_zbior->anuluj();
        break;
    case PrzyciskNaw::Odswiez: ok = m_zbior->odswiez(); break;
    }
    if (ok)
        emit poAkcji(p);
    return ok;
}

} // namespace tremida::gui
