#include "widgets/guarded.h"

#include <QDebug>

namespace tintora {

namespace {
std::function<void(const QString&)>& Reporter() {
  static std::function<void(const QString&)> reporter;
  return reporter;
}
}  // namespace

void SetHandlerErrorReporter(std::function<void(const QString&)> reporter) {
  Reporter() = std::move(reporter);
}

void ReportHandlerError(const QString& message) {
  if (Reporter()) {
    Reporter()(message);
  } else {
    qWarning().noquote() << message;
  }
}

}  // namespace tintora
