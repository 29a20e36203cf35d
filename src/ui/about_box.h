#pragma once

#include "ui/assets.h"

#include <QDialog>

namespace tavolier {

// TAboutBox: the rules page, built once beside the main window and shown
// modally by "About".
class TAboutBox : public QDialog {
public:
    TAboutBox(const AssetFinder& finder, qreal scale, QWidget* parent);
};

} // namespace tavolier
