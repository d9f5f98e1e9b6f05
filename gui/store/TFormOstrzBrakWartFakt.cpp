#include "TFormOstrzBrakWartFakt.h"

#include "app/Kolory.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace tremida::gui {

TFormOstrzBrakWartFakt::TFormOstrzBrakWartFakt(const TParKonfig &konfig, QWidget *rodzic) : QDialog(rodzic)
{
    setObjectName(QStringLiteral("TFormOstrzBrakWartFakt"));
    setWindowTitle(QStringLiteral("OSTRZEŻENIE"));
    setModal(true);
    auto *ikona = new QLabel(this);
    ikona->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxWarning).pixmap(48, 48));
    ikona->setAlignment(Qt::AlignTop);
    m_tekst = new QLabel(
        QStringLiteral("Nie wprowadziłeś wartości faktu wprowadzanego.\n"
                       "Jeśli wartość faktu jest Ci teraz nieznana, możesz ją pozostawić nieokreśloną (\"???\").\n"
                       "Wartość będzie można podać później: wczytać ją z pliku tekstowego wartości faktów\n"
                       "wprowadzanych albo wprowadzić na żądanie programu w trakcie procesu wnioskowania."),
        this);
    m_tekst->setTextFormat(Qt::PlainText);
    m_wprowadz = new QPushButton(QStringLiteral("Chcę wprowadzić wartość faktu"), this);
    m_nieznana = new QPushButton(QStringLiteral("Wartość faktu jest mi nieznana"), this);
    m_wprowadz->setDefault(true);
    connect(m_wprowadz, &QPushButton::clicked, this, &QDialog::reject);
    connect(m_nieznana, &QPushButton::clicked, this, &QDialog::accept);
    auto *gora = new QHBoxLayout;
    gora->addWidget(ikona);
    gora->addWidget(m_tekst, 1);
    auto *przyciski = new QHBoxLayout;
    przyciski->addStretch();
    przyciski->addWidget(m_wprowadz);
    przyciski->addWidget(m_nieznana);
    przyciski->addStretch();
    auto *uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addSpacing(12);
    uklad->addLayout(przyciski);
    ZmiaKolFormOstrzBrakWartFakt(konfig);
}

bool TFormOstrzBrakWartFakt::zapytaj() { return exec() == QDialog::Accepted; }

void TFormOstrzBrakWartFakt::ZmiaKolFormOstrzBrakWartFakt(const TParKonfig &konfig)
{
    zastosujKolory(konfig, Rola::Bierne, {m_tekst});
    zastosujKolory(konfig, Rola::Pomocnicze, {m_wprowadz, m_nieznana});
}

} // namespace tremida::gui
