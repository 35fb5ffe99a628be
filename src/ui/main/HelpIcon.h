#pragma once

// A "Plus d'info" icon: lights up under the mouse and reports clicks. The
// window may also set either look itself (all highlighted while searching).
#include <QLabel>
#include <QPixmap>

class HelpIcon : public QLabel {
    Q_OBJECT
public:
    explicit HelpIcon(QWidget *parent);

    void setHighlighted(bool highlighted);
    bool highlighted() const { return m_highlighted; }

signals:
    void clicked();

protected:
    void enterEvent(QEnterEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QPixmap m_normal;
    QPixmap m_lit;
    bool m_highlighted = false;
};
