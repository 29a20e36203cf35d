#pragma once

#include <QPushButton>

namespace tavolier {

// A button of the table's two rows, lacquered like the felt's rim: a golden
// gradient, lighter under the pointer, flat when pressed, grey when barred,
// a blue ring when it has the focus. Painted here rather than by a style
// sheet, which would be parsed once per button while the first frame waits.
class TableButton : public QPushButton {
public:
    enum class Look {
        action, // the four actions under the table
        top, // the flatter tabs of the top row
    };
    TableButton(const QString& caption, Look look, QWidget* parent);

    // The caption's width with the padding, so that a caption too long for
    // its place shows as one.
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    Look m_look;
};

} // namespace tavolier
