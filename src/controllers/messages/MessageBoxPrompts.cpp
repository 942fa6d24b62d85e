#include "controllers/messages/MessageBoxPrompts.h"

#include <QApplication>

#include "controllers/messages/TFormMessageControler.h"

namespace vantaro {

bool MessageBoxPrompts::Ask(const std::string& caption, const std::string& text, MessageButtons buttons) {
    return TFormMessageControler::AskOnce(caption, text, QApplication::activeWindow(), buttons);
}

Answer MessageBoxPrompts::AskOrCancel(const std::string& caption, const std::string& text, MessageButtons buttons) {
    return TFormMessageControler::AskOrCancelOnce(caption, text, QApplication::activeWindow(), buttons);
}

}  // namespace vantaro
