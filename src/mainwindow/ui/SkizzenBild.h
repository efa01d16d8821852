#pragma once
// The sketch image imgAnsicht: a bitmap of the widget's size into which the sketches
// draw in logical pixels, at the screen's device pixel ratio, shown as it is. A mouse
// press opens the sketch pop-up menu.

#include <QImage>
#include <QWidget>

namespace vsk {

class TSkizzenBild final : public QWidget {
    Q_OBJECT
public:
    explicit TSkizzenBild(QWidget* parent = nullptr);

    // The bitmap, resized to the widget's client size at the screen's pixel ratio
    // (contents kept only when neither changed).
    QImage& Bitmap();
    const QImage& Bild() const { return bild_; }

signals:
    void menueAngefordert(const QPoint& global);
    // The widget's size changed: the sketch has to be drawn anew at the new size.
    void groesseGeaendert();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage bild_;
};

} // namespace vsk
