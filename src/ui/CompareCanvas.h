#pragma once

// The two pictures of a comparison, the original and one result, painted over each other with a
// divider the user drags (split), or beside each other (side by side). Both sides always show the same
// part of the picture at the same zoom: there is one zoom and one center, in the original's pixels, and
// a result of another size (a resized one) is laid over the original's extent.
//
// A side shows its screen-sized preview at once and its full picture once decoded; at each zoom it paints
// from the smallest of its pictures that has enough pixels, so a step of zoom or pan costs what the
// screen holds, not what the photo holds. Above 100 % pixels are shown as squares, for inspecting.
//
// Keys: + and − zoom, 0 fits, 1 and 2 show 100 % and 200 %, the arrow keys move the picture, and with
// Shift the divider. The wheel zooms about the pointer; dragging moves the picture, or the divider.

#include <QImage>
#include <QList>
#include <QPointF>
#include <QRectF>
#include <QSize>
#include <QWidget>

#include <array>

class CompareCanvas : public QWidget
{
    Q_OBJECT

public:
    enum class Side
    {
        original,
        result,
    };
    enum class Mode
    {
        split,
        sideBySide,
    };

    static constexpr double maxZoom = 16;
    static constexpr double zoomStep = 1.25;

    explicit CompareCanvas(QWidget* parent = nullptr);

    // A picture standing for the whole of `size` (its size in pixels) until the full one comes.
    void setPreview(Side side, const QImage& preview, QSize size);
    // The full picture and its halves, largest first.
    void setLevels(Side side, QList<QImage> levels);
    void clear(Side side);
    bool hasPicture(Side side) const;
    // The largest picture a side has: its full size once decoded.
    QSize pictureSize(Side side) const;
    void setLabels(const QString& original, const QString& result);

    Mode mode() const { return m_mode; }
    void setMode(Mode mode);
    // Device pixels per pixel of the original.
    double zoom() const { return m_zoom; }
    // Whether the zoom follows the canvas's size, fitting the picture in.
    bool isFit() const { return m_fit; }
    double fitZoom() const;
    void zoomToFit();
    // About `anchor` (canvas coordinates), which keeps what is under it; the center without one.
    void setZoom(double zoom);
    void setZoom(double zoom, QPointF anchor);
    void zoomIn();
    void zoomOut();
    // Moves the picture by so many canvas pixels.
    void panBy(QPointF delta);
    QPointF center() const { return m_center; }
    // Where the divider stands, from 0 (left edge) to 1 (right edge).
    double divider() const { return m_divider; }
    void setDivider(double position);

    // The part of the original's extent each side shows, in the original's pixels.
    QRectF shownRect(Side side) const;
    // The canvas's rectangle of each side, and for the split the part left or right of the divider.
    QRect viewport(Side side) const;
    QRect shownArea(Side side) const;
    // The picture of a side painted at the current zoom, for tests: the one drawn from.
    QImage pictureShown(Side side) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

Q_SIGNALS:
    // Zoom, center, mode or divider changed.
    void viewChanged();
    // Both sides have been on screen for the first time since they were set.
    void picturesShown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    struct Picture
    {
        QImage preview;
        QList<QImage> levels;
        QSize size;
    };

    const Picture& picture(Side side) const { return m_pictures.at(std::size_t(side)); }
    Picture& picture(Side side) { return m_pictures.at(std::size_t(side)); }
    // The extent both sides are laid over: the original's size, the result's until the original's is known.
    QSize extent() const;
    // The canvas rectangle the whole extent covers on a side, at the current zoom and center.
    QRectF extentRect(Side side) const;
    const QImage* source(Side side) const;
    int dividerX() const;
    bool nearDivider(QPointF point) const;
    void keepCenterInside();
    void changed();
    void paintSide(class QPainter& painter, Side side) const;
    void paintLabel(class QPainter& painter, Side side, const QString& text) const;
    void paintDivider(class QPainter& painter) const;
    void describe();

    std::array<Picture, 2> m_pictures;
    std::array<QString, 2> m_labels;
    Mode m_mode = Mode::split;
    double m_zoom = 1;
    bool m_fit = true;
    QPointF m_center;
    double m_divider = 0.5;
    enum class Drag
    {
        none,
        picture,
        divider,
    };
    Drag m_drag = Drag::none;
    // While the user zooms and moves, pictures are scaled by their nearest pixels, a few times faster than
    // smoothly; a moment after the last step they are painted smoothly again.
    bool m_quick = false;
    class QTimer* m_settle;
    QPointF m_dragFrom;
    bool m_shown = false;
};
