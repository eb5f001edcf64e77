// The time of day, the document opener and the saved-game file.
#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QDir>
#include <csignal>

#include <QDesktopServices>
#include <QFileInfo>
#include <QObject>
#include <QTemporaryDir>
#include <QTime>
#include <QUrl>
#include <cmath>

#include "platform/qt_dayclock.h"
#include "platform/qt_desktop.h"
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

// A write that fails part-way (here: a file-size limit) keeps the saved game
// there was; a missing file reads as nothing.
TEST(QtSaveFile, AFailedWriteKeepsTheSavedGameThereWas) {
  QTemporaryDir tmp;
  const QString old = QDir::currentPath();
  QDir::setCurrent(tmp.path());
  QtSaveFile file;
  EXPECT_FALSE(file.read());
  ASSERT_TRUE(file.write("2\r\n0\r\n"));
  rlimit limit{};
  getrlimit(RLIMIT_FSIZE, &limit);
  const rlimit small{8, limit.rlim_max};
  const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
  setrlimit(RLIMIT_FSIZE, &small);
  const bool written = file.write(std::string(200, '7'));
  setrlimit(RLIMIT_FSIZE, &limit);
  std::signal(SIGXFSZ, oldHandler);
  EXPECT_FALSE(written);
  EXPECT_EQ(file.read(), "2\r\n0\r\n");
  EXPECT_EQ(QDir(tmp.path()).entryList(QDir::Files), QStringList{"lastgame.inf"}) << "no temporary file left";
  QDir::setCurrent(old);
}

}  // namespace
}  // namespace sumdart

#include "qt_desktop_test.moc"
