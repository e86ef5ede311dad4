#include "platform/SystemSession.h"

#include <QCoreApplication>
#include <QProcess>

namespace sylvenor {

void SystemSession::quitProgram() { QCoreApplication::exit(0); }

void SystemSession::powerOff() { QProcess::startDetached("systemctl", {"poweroff"}); }

void SystemSession::reboot() { QProcess::startDetached("systemctl", {"reboot"}); }

}  // namespace sylvenor
