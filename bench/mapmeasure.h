#pragma once

// The speed of the map viewer and of the property plot in a real main
// window, offscreen, with the floor of a map redraw measured in the same
// run. Each figure is the median of `runs` runs, in seconds, from the
// request to the new picture painted on screen.

#include <QSize>
#include <QStringList>

namespace kelvra::app {
class HostWindow;
}

struct MapFigures
{
    double first_picture; // from showing the objects to their first picture
    double redraw;        // a full new picture of the unchanged view (a new background)
    double zoom_step;     // one wheel notch at the centre
    double pan_step;      // one arrow key
    double plot_redraw;   // a replot of the selected object's current property
    // One pass over the first object's X, Y and current property writing
    // each vertex's colour into the pixels of an image of the map's size,
    // on one core: what any full redraw must at least cost.
    double floor;
};

// Shows the objects in the window's current viewer, sized so that the map
// picture is map_size, selects the first object for the plot, and measures.
// The window must hold the objects; it is shown if it is not.
MapFigures measure_map(kelvra::app::HostWindow &window, const QStringList &objects,
                       QSize map_size = QSize(1200, 800), int runs = 10);
