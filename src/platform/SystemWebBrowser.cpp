#include "platform/SystemWebBrowser.h"

#include <QDesktopServices>
#include <QString>
#include <QUrl>

namespace sylvenor {

void SystemWebBrowser::open(const std::string& url) {
  QDesktopServices::openUrl(QUrl(QString::fromStdString(url)));
}

}  // namespace sylvenor
