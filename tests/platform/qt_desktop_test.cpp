// The time of day and the document opener.
#include <gtest/gtest.h>

#include <QDesktopServices>
#include <QFile>
#include <QFileInfo>
#include <QObject>
#include <QTemporaryDir>
#include <QTime>
#include <QUrl>
#include <cmath>

#include "platform/qt_dayclock.h"
#include "platform/qt_opener.h"

namespace sumdart {
namespace {

TEST(QtDayClock, SecondsSinceMidnight) {
  QtDayClock clock;
  const double before = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
  const double s = clock.secondsSinceMidnight();
  const double after = QTime::currentTime().msecsSinceStartOfDay() / 1000.0;
  EXPECT_GE(s, 0.0);
  EXPECT_LT(s, 86400.0);
  if (after >= before) {  // not across midnight
    EXPECT_GE(s, before);
    EXPECT_LE(s, after);
  }
  // Milliseconds are kept as a fraction.
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

class OpenerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(tmp.isValid());
    QDesktopServices::setUrlHandler("file", &desktop, "open");
  }
  void TearDown() override { QDesktopServices::unsetUrlHandler("file"); }

  QTemporaryDir tmp;
  DesktopRecorder desktop;
};

TEST_F(OpenerTest, OpensAnExistingDocument) {
  const QString doc = tmp.filePath("Sumdart Rules.doc");
  QFile f(doc);
  ASSERT_TRUE(f.open(QIODevice::WriteOnly));
  f.write("{\\rtf1 rules}");
  f.close();
  const DocumentOpener open = defaultDocumentOpener();
  EXPECT_TRUE(open(doc));
  ASSERT_EQ(desktop.opened.size(), 1);
  EXPECT_EQ(desktop.opened[0], QUrl::fromLocalFile(QFileInfo(doc).absoluteFilePath()));
}

TEST_F(OpenerTest, RefusesWhatIsNotAFile) {
  const DocumentOpener open = defaultDocumentOpener();
  EXPECT_FALSE(open(tmp.filePath("Sumdart Rules.doc")));
  EXPECT_FALSE(open(tmp.path()));
  EXPECT_FALSE(open(QString()));
  EXPECT_TRUE(desktop.opened.isEmpty());
}

}  // namespace
}  // namespace sumdart

#include "qt_desktop_test.moc"
