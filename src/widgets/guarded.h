// Handlers run guarded: an error raised inside one (a hex text that is not a number, say) is
// shown to the user in a message box and the program keeps running. Errors must never unwind
// through Qt's own frames, so every connected handler catches its own.
#pragma once

#include <exception>
#include <functional>

#include <QObject>
#include <QString>

namespace tintora {

// Where guarded handlers report; the main window installs a message box here.
void SetHandlerErrorReporter(std::function<void(const QString&)> reporter);
void ReportHandlerError(const QString& message);

template <typename Fn>
void Guarded(Fn&& fn) {
  try {
    fn();
  } catch (const std::exception& e) {
    ReportHandlerError(QString::fromUtf8(e.what()));
  } catch (...) {
    ReportHandlerError(QStringLiteral("Unexpected error"));
  }
}

// connect() whose handler runs guarded. The handler takes the signal's arguments.
template <typename Sender, typename Signal, typename Handler>
QMetaObject::Connection Link(Sender* sender, Signal signal, const QObject* context, Handler handler) {
  return QObject::connect(sender, signal, context, [handler = std::move(handler)](auto... args) {
    Guarded([&] { handler(args...); });
  });
}

}  // namespace tintora
