#include "TFormOProgramie.h"

#include "Kolory.h"

#include <QFont>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace tremida::gui {

namespace {
// The program's icon: a small rule tree.
QPixmap ikonaProgramu()
{
    QPixmap p(64, 64);
    p.fill(Qt::transparent);
    QPainter m(&p);
    m.setRenderHint(QPainter::Antialiasing);
    m.setPen(QPen(QColor(0, 0, 128), 3));
    const QPointF korzen(32, 12), l(14, 36), r(50, 36), ll(8, 56), lr(22, 56), rr(54, 56);
    m.drawLine(korzen, l);
    m.drawLine(korzen, r);
    m.drawLine(l, ll);
    m.drawLine(l, lr);
    m.drawLine(r, rr);
    m.setBrush(QColor(200, 0, 0));
    for (const QPointF &w : {korzen, l, r, ll, lr, rr})
        m.drawEllipse(w, 6, 6);
    return p;
}
} // namespace

TFormOProgramie::TFormOProgramie(const TParKonfig &konfig, QWidget *rodzic) : QDialog(rodzic)
{
    setWindowTitle(QStringLiteral("O PROGRAMIE"));
    setObjectName(QStringLiteral("TFormOProgramie"));
    auto *ikona = new QLabel(this);
    ikona->setPixmap(ikonaProgramu());
    m_nazwa = new QLabel(QStringLiteral("TREMIDA"), this);
    QFont f = m_nazwa->font();
    f.setPointSize(f.pointSize() + 8);
    f.setBold(true);
    m_nazwa->setFont(f);
    m_wersja = new QLabel(QStringLiteral("Version: 4.0"), this);
    m_opis = new QLabel(QStringLiteral("Szkieletowy system ekspercki z regułową bazą wiedzy."), this);
    m_ok = new QPushButton(QStringLiteral("OK"), this);
    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);

    auto *teksty = new QVBoxLayout;
    teksty->addWidget(m_nazwa);
    teksty->addWidget(m_wersja);
    teksty->addWidget(m_opis);
    auto *gora = new QHBoxLayout;
    gora->addWidget(ikona, 0, Qt::AlignTop);
    gora->addSpacing(12);
    gora->addLayout(teksty);
    auto *uklad = new QVBoxLayout(this);
    uklad->addLayout(gora);
    uklad->addSpacing(12);
    uklad->addWidget(m_ok, 0, Qt::AlignHCenter);
    ZmiaKolFormOProgramie(konfig);
}

void TFormOProgramie::ZmiaKolFormOProgramie(const TParKonfig &konfig)
{
    zastosujKolory(konfig, Rola::Bierne, {m_nazwa, m_wersja, m_opis});
    zastosujKolory(konfig, Rola::Pomocnicze, {m_ok});
}

} // namespace tremida::gui
