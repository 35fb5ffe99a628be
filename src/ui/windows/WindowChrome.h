#pragma once

// The common dress of the program's windows: no system title bar, a title
// strip of their own that moves the window when dragged, close and minimise
// pictures that light up under the mouse, and skinned buttons.
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace Chrome {
// Positions and sizes of the window designs are in twips, 15 to the pixel.
constexpr int twips(int value) { return value / 15; }

void makeFrameless(QWidget *window);
// Dragging handle with the left button moves its window.
void makeDragHandle(QWidget *handle);

enum class Picture { Close, Minimise, Maximise, Restore };
QPixmap picture(Picture which, bool highlighted);
// The little block of the loading window's progress bar.
QPixmap progressBlock();
} // namespace Chrome

// A picture that swaps to its highlighted look under the mouse and reports
// clicks. The window may also set either look itself; a disabled picture
// keeps the look it has.
class HoverPicture : public QLabel {
    Q_OBJECT
public:
    HoverPicture(Chrome::Picture which, QWidget *parent);
    HoverPicture(const QPixmap &normal, const QPixmap &highlighted, QWidget *parent);

    void setHighlighted(bool highlighted);
    // Another pair of pictures (a button that changes its meaning).
    void setPictures(const QPixmap &normal, const QPixmap &highlighted);
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

// The skinned push button of the program's windows.
class SkinnedButton : public QPushButton {
    Q_OBJECT
public:
    SkinnedButton(const QString &caption, QWidget *parent);
    // The main search button has an armed look (ready to search) and an idle one.
    void setArmedLook(bool armed);
    bool armedLook() const { return m_armed; }

private:
    bool m_armed = false;
};
