#include "ui/handler_guard.h"

#include "settings/settings_store.h"
#include "ui/table_dialog.h"
#include "ui/table_texts.h"

#include <QCoreApplication>

#include <exception>

namespace tavolier {

std::optional<HandlerError> runCatching(const std::function<void()>& handler) {
    try {
        handler();
        return std::nullopt;
    } catch (const SettingsWriteError& e) {
        return HandlerError { tableText(e.what()), QString::fromStdString(e.detail()) };
    } catch (const std::exception& e) {
        return HandlerError { QString::fromUtf8(e.what()), QString() };
    } catch (...) {
        return HandlerError { QCoreApplication::translate("TableWindow", "Unexpected error"),
            QString() };
    }
}

void showHandlerError(QWidget* parent, const HandlerError& error, const ErrorHook& errorHook,
    const MessageHook& messageHook) {
    if (errorHook) {
        errorHook(error.text, error.detail);
        return;
    }
    if (messageHook) {
        messageHook(error.text, QStringLiteral("tavolier"));
        return;
    }
    TableDialog::inform(parent, QStringLiteral("Tavolier"), error.text, error.detail);
}

} // namespace tavolier
