#pragma once

#include <thread>

// Start-up work that Qt would do on the main thread, begun on a second core so
// that the main window is up sooner. Each returns the thread doing it.

// fontconfig reading its configuration and font cache, about a third of the
// instructions of a start: begin before QApplication, which meanwhile connects
// to the display, and join right after it, so that Qt never starts the same
// reading at once.
std::jthread PrecargarFuentes();

// Qt's image plugins, which Qt loads at the first paint of a frame box since
// the box's border is one of its pictures: begin once QApplication exists,
// while the main window is built. Qt guards its plugin loader with a lock, so
// the first paint waits only if the thread has not finished, and the thread
// may run on.
std::jthread PrecargarImagenes();
