#pragma once

// Pictures of the running program without a display: the main window, and a
// tour that opens every dialog in turn and saves its picture.

#include <QString>

namespace kelvra::app {

class HostWindow;

// Shows the sample objects, renders the window into a PNG file and returns
// whether it was written.
bool save_window_picture(HostWindow &window, const QString &file);

// Saves one PNG per dialog into folder; returns the number written.
int save_dialog_tour(HostWindow &window, const QString &folder);

} // namespace kelvra::app
