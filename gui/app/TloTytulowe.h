#pragma once
// The title picture of the main window, stretched over its client area: a night sky of
// knowledge, nodes of a rule network joined by lines.

#include <QPixmap>
#include <QWidget>

namespace tremida::gui {

class TloTytulowe : public QWidget {
    Q_OBJECT
public:
    explicit TloTytulowe(QWidget *rodzic = nullptr);

protected:
    void paintEvent(QPaintEvent *) override;

private:
    QPixmap m_obraz; // drawn once, stretched when painted
};

} // namespace tremida::gui
