#pragma once

#include <QString>

#include <functional>
#include <optional>

class QWidget;

namespace tavolier {

// What ended a handler: its message, and where and why as the detail (a
// refused settings write names the file and the system's reason).
struct HandlerError {
    QString text;
    QString detail;
};

// Runs a handler of the window and catches whatever it throws, so that
// nothing crosses the event loop; the error that ended it, if one did.
[[nodiscard]] std::optional<HandlerError> runCatching(const std::function<void()>& handler);

// Where the window's messages go instead of its boxes when set (tests).
using ErrorHook = std::function<void(const QString& text, const QString& detail)>;
using MessageHook = std::function<void(const QString& text, const QString& caption)>;

// Tells of an error that ended a handler: to errorHook, else to messageHook,
// else in the table's own box over parent, with the detail under the text.
void showHandlerError(QWidget* parent, const HandlerError& error, const ErrorHook& errorHook,
    const MessageHook& messageHook);

} // namespace tavolier
