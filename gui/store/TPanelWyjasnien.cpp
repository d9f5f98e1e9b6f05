#include "TPanelWyjasnien.h"

#include "app/Kolory.h"
#include "app/Komunikat.h"
#include "explain/ModelWyjasnien.h"
#include "explain/Wyjasnienia.h"
#include "report/DrukRaportu.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTreeView>
#include <QVBoxLayout>

namespace tremida::gui {

TPanelWyjasnien::TPanelWyjasnien(KontekstAplikacji &k, QWidget *rodzic) : QWidget(rodzic), m_k(k)
{
    setObjectName(QStringLiteral("wyjasnienia"));
    m_modelJak = new TModelWyjasnien(this);
    m_modelDlaczego = new TModelWyjasnien(this);

    m_naglowek = new QLabel(QStringLiteral("WYJAŚNIENIA OSTATNIEGO PRZEBIEGU WNIOSKOWANIA"), this);
    QFont f = m_naglowek->font();
    f.setBold(true);
    m_naglowek->setFont(f);

    auto *jak = new QWidget(this);
    m_lKonkluzje = new QLabel(QStringLiteral("Konkluzja ostatniego przebiegu:"), jak);
    m_konkluzje = new QComboBox(jak);
    m_konkluzje->setObjectName(QStringLiteral("konkluzje"));
    m_konkluzje->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_konkluzje->setMinimumContentsLength(20);
    m_drzewoJak = drzewo(m_modelJak);
    m_drzewoJak->setObjectName(QStringLiteral("drzewoJak"));
    {
        auto *u = new QVBoxLayout(jak);
        u->addWidget(m_lKonkluzje);
        u->addWidget(m_konkluzje);
        u->addWidget(m_drzewoJak, 1);
    }
    connect(m_konkluzje, &QComboBox::activated, this, &TPanelWyjasnien::wybierzKonkluzje);

    auto *dlaczego = new QWidget(this);
    m_lDlaczego = new QLabel(QStringLiteral("Konkluzja [fakt]=[wartość], do której nie doszło wnioskowanie:"), dlaczego);
    m_lDlaczego->setWordWrap(true);
    m_tekstDlaczego = new QLineEdit(dlaczego);
    m_tekstDlaczego->setObjectName(QStringLiteral("tekstDlaczego"));
    m_wyjasnij = new QPushButton(QStringLiteral("Wyjaśnij"), dlaczego);
    m_wyjasnij->setObjectName(QStringLiteral("wyjasnij"));
    m_drzewoDlaczego = drzewo(m_modelDlaczego);
    m_drzewoDlaczego->setObjectName(QStringLiteral("drzewoDlaczego"));
    {
        auto *u = new QVBoxLayout(dlaczego);
        u->addWidget(m_lDlaczego);
        auto *w = new QHBoxLayout;
        w->addWidget(m_tekstDlaczego, 1);
        w->addWidget(m_wyjasnij);
        u->addLayout(w);
        u->addWidget(m_drzewoDlaczego, 1);
    }
    connect(m_wyjasnij, &QPushButton::clicked, this, &TPanelWyjasnien::dlaczegoNie);
    connect(m_tekstDlaczego, &QLineEdit::returnPressed, this, &TPanelWyjasnien::dlaczegoNie);

    m_zakladki = new QTabWidget(this);
    m_zakladki->addTab(jak, QStringLiteral("Drzewo \"odpalonych\" reguł"));
    m_zakladki->addTab(dlaczego, QStringLiteral("Dlaczego nie?"));
    connect(m_zakladki, &QTabWidget::currentChanged, this, &TPanelWyjasnien::wczytajKonkluzje);

    m_raport = new QPushButton(QStringLiteral("Drukuj raport z konsultacji..."), this);
    m_raport->setObjectName(QStringLiteral("drukujRaport"));
    connect(m_raport, &QPushButton::clicked, this, &TPanelWyjasnien::drukujRaport);

    auto *uklad = new QVBoxLayout(this);
    uklad->setContentsMargins(0, 0, 0, 0);
    uklad->addWidget(m_naglowek);
    uklad->addWidget(m_zakladki, 1);
    uklad->addWidget(m_raport);
    setMinimumWidth(320);
}

QTreeView *TPanelWyjasnien::drzewo(TModelWyjasnien *model)
{
    auto *w = new QTreeView(this);
    w->setModel(model);
    w->setHeaderHidden(true);
    w->setEditTriggers(QAbstractItemView::NoEditTriggers);
    w->setSelectionMode(QAbstractItemView::SingleSelection);
    w->setWordWrap(true);
    w->setMinimumHeight(160);
    w->header()->setStretchLastSection(false);
    w->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    connect(w->selectionModel(), &QItemSelectionModel::currentChanged, this, [this](const QModelIndex &i) {
        const QVariant krok = i.data(TModelWyjasnien::RolaKroku);
        if (krok.isValid())
            emit krokWybrany(krok.toInt());
    });
    return w;
}

void TPanelWyjasnien::ustawSystem(int kodSyst)
{
    m_kodSyst = kodSyst;
    m_konkluzje->clear();
    m_modelJak->wyczysc();
    m_modelDlaczego->wyczysc();
    m_konkluzjeWczytane = kodSyst <= 0;
    wczytajKonkluzje();
}

void TPanelWyjasnien::showEvent(QShowEvent *e)
{
    QWidget::showEvent(e);
    wczytajKonkluzje();
}

void TPanelWyjasnien::wczytajKonkluzje()
{
    if (m_konkluzjeWczytane || !isVisible() || m_zakladki->currentIndex() != 0)
        return;
    m_konkluzjeWczytane = true;
    m_konkluzje->addItems(wyjasnienia::konkluzjePrzebiegu(m_k.baza, m_kodSyst));
    if (m_konkluzje->count() > 0)
        wybierzKonkluzje(0);
}

void TPanelWyjasnien::wybierzKonkluzje(int indeks)
{
    m_modelJak->wyczysc();
    if (indeks < 0 || indeks >= m_konkluzje->count())
        return;
    m_konkluzje->setCurrentIndex(indeks);
    pokaz(wyjasnienia::jak(m_k.baza, m_k.konfig, m_kodSyst, m_konkluzje->itemText(indeks), TZakresKrokow::Odpalenia),
          m_modelJak, m_drzewoJak);
}

void TPanelWyjasnien::pokaz(const TWynikWyjasnienia &w, TModelWyjasnien *model, QTreeView *widok)
{
    if (w.blad) {
        pokazKomunikat(*w.blad, this);
        return;
    }
    model->ustaw(w.drzewa);
    widok->expandAll();
}

void TPanelWyjasnien::dlaczegoNie()
{
    m_modelDlaczego->wyczysc();
    if (m_kodSyst <= 0)
        return;
    pokaz(wyjasnienia::dlaczegoNie(m_k.baza, m_k.konfig, m_kodSyst, m_tekstDlaczego->text()), m_modelDlaczego,
          m_drzewoDlaczego);
}

void TPanelWyjasnien::drukujRaport()
{
    if (m_kodSyst > 0)
        drukujRaportKonsultacji(m_k, m_kodSyst, this);
}

void TPanelWyjasnien::ZmiaKolPanelWyjasnien(const TParKonfig &k)
{
    zastosujKolory(k, Rola::Bierne, {m_naglowek, m_lKonkluzje, m_konkluzje, m_drzewoJak, m_drzewoDlaczego});
    zastosujKolory(k, Rola::Pomocnicze, {m_lDlaczego, m_tekstDlaczego, m_wyjasnij, m_raport});
}

} // namespace tremida::gui
