#pragma once

// A viewer that draws a 2-D map: the X and Y vertices of the objects it
// shows, one colour per object, seen from above (north up).

#include "host/ndarray.h"
#include "host/viewer.h"
#include "host/views/hostviews_export.h"
#include "host/views/maptransform.h"

#include <QColor>
#include <QString>
#include <QTransform>
#include <QVector>

#include <optional>
#include <vector>

class QAction;

namespace kelvra {

class HOSTVIEWS_EXPORT MapViewer : public AbstractViewer
{
    Q_OBJECT
public:
    explicit MapViewer(QWidget *parent = nullptr);

    // Shows an object's vertices, or replaces them when the object is shown
    // already; dpState lists the shown objects in the order they were first
    // shown. x and y must be float64 arrays of the same length (ValueError
    // otherwise). Vertices with a non-finite coordinate are not drawn.
    void show_object(const QString &name, const NdArray &x, const NdArray &y);
    // Stops showing one object; an object that is not shown changes nothing.
    void hide_object(const QString &name);
    // Stops showing every object and emits sig_hide_all.
    void hide_all();

    // Opens the aspect ratio dialog on the current setting; what it applies
    // goes to apply_aspect().
    void set_aspect() override;
    // Opens a colour chooser on the current background colour.
    void set_background_color() override;
    // Opens the canvas export dialog; what it asks for goes to export_to().
    void export_canvas() override;

    // Scales the axes: method "Auto", "Equal" or "Fixed" (ValueError for
    // any other text); ratio, the Y/X ratio, is used and kept for "Fixed"
    // only and must then be a positive number (ValueError otherwise).
    void apply_aspect(const QString &method, double ratio);
    AspectMethod aspect_method() const { return m_method; }
    double aspect_ratio() const { return m_ratio; }

    QColor background_color() const { return m_background; }
    void set_background(const QColor &color);

    // Writes the canvas as a PNG picture to file (whatever its ending), and
    // copies the picture to the clipboard first when clipboard is true.
    // Throws std::runtime_error naming the file when it cannot be written.
    void export_to(const QString &file, bool clipboard);

    // The mapping from map coordinates to pixels for the current size and
    // aspect setting; the identity while no vertex is shown.
    QTransform map_to_pixels() const;

    QAction *act_hide_all = nullptr;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    struct Item
    {
        QString name;
        QVector<QPointF> vertices; // finite ones only
    };

    std::optional<QRectF> map_bounds() const; // of the drawn vertices
    QRectF drawing_area() const;

    std::vector<Item> m_items;
    AspectMethod m_method = AspectMethod::Equal;
    double m_ratio = 1.0;
    QColor m_background = Qt::white;
    QString m_last_export; // offered again by the next export dialog
};

} // namespace kelvra
