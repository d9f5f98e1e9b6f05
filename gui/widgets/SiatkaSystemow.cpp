#include "SiatkaSystemow.h"

#include "store/Baza.h"
#include "store/NaglowkiKolumn.h"
#include "store/Rekordy.h"

#include <QHeaderView>
#include <QLocale>
#include <QSqlQueryModel>
#include <QTableView>
#include <algorithm>

namespace tremida::gui {

SiatkaSystemow::SiatkaSystemow(QObject *rodzic) : QObject(rodzic)
{
    m_model = new QSqlQueryModel(this);
    m_widok = new QTableView;
    m_widok->setModel(m_model);
    // Codes are shown as the system writes them ("1234"), not with the desktop's digit groups.
    m_widok->setLocale(QLocale::c());
    m_widok->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_widok->setSelectionMode(QAbstractItemView::SingleSelection);
    m_widok->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_widok->verticalHeader()->hide();
    m_widok->horizontalHeader()->setStretchLastSection(true);
    connect(m_widok->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
            &SiatkaSystemow::biezacyZmieniony);
}

void SiatkaSystemow::czytaj(Baza &baza)
{
    m_model->setQuery(odczytSystemow(baza));
    while (m_model->canFetchMore())
        m_model->fetchMore();
    const QStringList naglowki = naglowkiKolumnSyst();
    for (int i = 0; i < 3; ++i)
        m_model->setHeaderData(i, Qt::Horizontal, naglowki.at(i));
    m_widok->setColumnWidth(0, 90);
    m_widok->setColumnWidth(1, 320);
}

void SiatkaSystemow::wyczysc() { m_model->clear(); }

int SiatkaSystemow::liczbaWierszy() const { return m_model->rowCount(); }

void SiatkaSystemow::przesun(int wiersz)
{
    if (m_model->rowCount() == 0)
        return;
    wiersz = std::clamp(wiersz, 0, m_model->rowCount() - 1);
    m_widok->setCurrentIndex(m_model->index(wiersz, 0));
    m_widok->selectRow(wiersz);
}

int SiatkaSystemow::biezacyWiersz() const
{
    const QModelIndex i = m_widok->currentIndex();
    return i.isValid() ? i.row() : -1;
}

int SiatkaSystemow::kodBiezacy() const { return kodBiezacyTekst().toInt(); }

QString SiatkaSystemow::kodBiezacyTekst() const
{
    const int w = biezacyWiersz();
    return w >= 0 ? m_model->index(w, 0).data().toString() : QString();
}

QString SiatkaSystemow::nazwaBiezaca() const
{
    const int w = biezacyWiersz();
    return w >= 0 ? m_model->index(w, 1).data().toString() : QString();
}

} // namespace tremida::gui
