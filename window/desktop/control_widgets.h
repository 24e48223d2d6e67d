#pragma once

#include <QWidget>

namespace rt {
class PictureBox;
}

namespace desktop {

class PictureCache;

// A picture box: a 2 px sunken border and, inside it, the copied picture at natural size from the
// top-left corner, cut at the edges.
class PictureBoxWidget : public QWidget {
public:
    PictureBoxWidget(const rt::PictureBox& box, PictureCache& pictures, QWidget* parent);

    static constexpr int kBorder = 2;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    const rt::PictureBox& box_;
    PictureCache& pictures_;
};

// Draws the outline of a drag on top of everything else in the window.
class DragOutline : public QWidget {
public:
    explicit DragOutline(QWidget* parent);
    void setOutline(const QRect& outline);
    QRect outline() const { return outline_; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QRect outline_;
};

} // namespace desktop
