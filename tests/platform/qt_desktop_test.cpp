// The time of day and the document opener.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QFileInfo>
#include <QObject>
#include <QTemporaryDir>
#include <QTime>
#include <QUrl>
#include <cmath>

#include "platform/qt_dayclock.h"
#include "platform/qt_opener.h"
#include "qt_app_env.h"

namespace sumdart {
namespace {

TEST(QtDayClock, SecondsSinceMidnightWithTheMilliseconds) {
  const double before = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
  const double s = QtDayClock().secondsSinceMidnight();
  EXPECT_TRUE((s >= before && s < before + 1) || before > 86399) << s << " read after " << before;
  EXPECT_EQ(std::round(s * 1000) / 1000, s);
}

// Stands in for the desktop: records the documents it is asked to open.
class DesktopRecorder : public QObject {
  Q_OBJECT
 public:
  QList<QUrl> opened;
 public slots:
  void open(const QUrl& url) { opened.push_back(url); }
};

TEST(Opener, OpensAnExistingDocumentAndRefusesWhatIsNotAFile) {
  QTemporaryDir tmp;
  DesktopRecorder desktop;
  QDesktopServices::setUrlHandler("file", &desktop, "open");
  const DocumentOpener open = defaultDocumentOpener();
  EXPECT_FALSE(open(tmp.filePath("Sumdart Rules.doc")));
  EXPECT_FALSE(open(tmp.path()));
  EXPECT_FALSE(open(QString()));
  EXPECT_TRUE(desktop.opened.isEmpty());
  const QString doc = test::writeFile(tmp.filePath("Sumdart Rules.doc"), "{\\rtf1 rules}");
  EXPECT_TRUE(open(doc));
  QDesktopServices::unsetUrlHandler("file");
  EXPECT_EQ(desktop.opened, QList<QUrl>{QUrl::fromLocalFile(doc)});
}

}  // namespace
}  // namespace sumdart

#include "qt_desktop_test.moc"
