#pragma once
// The read-only code and name of the knowledge base shown at the top of the inference and
// verification windows ("Kod systemu:", "Nazwa systemu:"), and small helpers shared by them.

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <QWidget>

namespace tremida::gui {

struct TPolaSystemu {
    QLabel *etKod = nullptr;
    QLabel *etNazwa = nullptr;
    QLineEdit *kod = nullptr;
    QLineEdit *nazwa = nullptr;

    // Builds the two labelled read-only fields in one row; the code field is at most
    // `szerokoscKodu` pixels wide.
    QHBoxLayout *utworz(int szerokoscKodu = 110)
    {
        etKod = new QLabel(QStringLiteral("Kod systemu:"));
        etNazwa = new QLabel(QStringLiteral("Nazwa systemu:"));
        kod = new QLineEdit;
        kod->setReadOnly(true);
        kod->setMaximumWidth(szerokoscKodu);
        nazwa = new QLineEdit;
        nazwa->setReadOnly(true);
        auto *u = new QHBoxLayout;
        u->addWidget(etKod);
        u->addWidget(kod);
        u->addSpacing(16);
        u->addWidget(etNazwa);
        u->addWidget(nazwa, 1);
        return u;
    }

    void ustaw(int kodSyst, const QString &nazSyst)
    {
        kod->setText(kodSyst > 0 ? QString::number(kodSyst) : QString());
        nazwa->setText(nazSyst);
    }
};

// The first push button of `okno` whose caption is exactly `tekst`, or null.
inline QPushButton *przyciskOTekscie(const QWidget *okno, const QString &tekst)
{
    for (QPushButton *p : okno->findChildren<QPushButton *>())
        if (p->text() == tekst)
            return p;
    return nullptr;
}

// Shows a notice and paints it at once: the run that follows blocks the event loop.
inline void pokazTeraz(QWidget *w, bool widoczny)
{
    w->setVisible(widoczny);
    if (widoczny && w->window()->isVisible())
        w->repaint();
}

} // namespace tremida::gui
