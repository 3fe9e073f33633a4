// Painting text, into a PDF as into a picture, needs a GUI application for its fonts; zak-cli
// runs where there is no display, so it paints off screen unless QT_QPA_PLATFORM says otherwise.
#pragma once

#include <QGuiApplication>
#include <memory>

namespace zak::cli {

std::unique_ptr<QGuiApplication> PaintingApplication();

}  // namespace zak::cli
