#pragma once

#include <QCoreApplication>

#include "ui/assets.h"

#include <QDialog>

class QLabel;

namespace tavolier {

// RulesDialog: the rules page, built once beside the main window and shown
// modally by "About". Its picture is decoded when the dialog is first shown,
// or ahead of that on a worker thread (prefetchPicture).
class RulesDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(RulesDialog)

public:
    RulesDialog(const AssetFinder& finder, qreal scale, QWidget* parent);
    ~RulesDialog() override;

    std::shared_future<void> prefetchPicture(std::shared_future<void> after = {}) {
        return m_picture.prefetch(std::move(after));
    }

protected:
    void showEvent(QShowEvent* event) override;

private:
    LazyPicture m_picture;
    QLabel* m_image = nullptr;
};

} // namespace tavolier
