#pragma once

#include <QCoreApplication>

#include <QDialog>
#include <QString>

#include <vector>

class QLabel;

namespace tavolier {

// A message or a question in the table's own style: dark leather with a
// brass edge, the whole title painted inside the box (no window title bar
// to cut it), the text, and gold buttons. Enter takes the default choice and
// Esc the choice marked as the escape; the arrow and Tab keys move between
// the buttons.
class TableDialog : public QDialog {
    Q_DECLARE_TR_FUNCTIONS(TableDialog)

public:
    struct Choice {
        QString caption;
        int result = 0;
        bool isDefault = false;
        bool isEscape = false;
    };

    TableDialog(const QString& title, const QString& text, const std::vector<Choice>& choices,
        QWidget* parent);

    // Smaller text under the message (where and why an error happened).
    void setDetail(const QString& detail);
    // Shows the box modally; the chosen result (the escape's on Esc).
    int choose();

    // A message with "OK".
    static void inform(QWidget* parent, const QString& title, const QString& text,
        const QString& detail = QString());
    // A question with "Yes" and "No" (Enter and Esc): Yes must be chosen.
    static bool confirm(QWidget* parent, const QString& title, const QString& text);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    QLabel* m_detail = nullptr;
    int m_escape = 0;
};

} // namespace tavolier
