#pragma once

#include <QObject>
#include <QUrl>

#include <string>
#include <vector>

namespace velmora::linux_ui {

// Stands in for the desktop's browser as Qt's handler of a URL scheme: notes
// every address Qt would open.
class BrowserStandIn : public QObject {
  Q_OBJECT

 public slots:
  void Open(const QUrl& url) { opened.push_back(url.toString().toStdString()); }

 public:
  std::vector<std::string> opened;
};

}  // namespace velmora::linux_ui
