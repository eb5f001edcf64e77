// The asset resolver on real folders.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/paths.h"

namespace sumdart {
namespace {

class PathsTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_TRUE(tmp.isValid()); }

  // Creates the file (and its folders) under the temporary folder; returns its absolute path.
  QString make(const QString& relative, const QByteArray& content = "x") {
    const QString path = tmp.filePath(relative);
    EXPECT_TRUE(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(content);
    return QFileInfo(path).absoluteFilePath();
  }

  QString resolve(const QString& name, const QString& under = {}) {
    return resolveAsset(name, {under.isEmpty() ? tmp.path() : tmp.filePath(under)});
  }

  QTemporaryDir tmp;
};

TEST_F(PathsTest, BackslashesSeparateTheParts) {
  const QString click = make("wav/click1.wav");
  EXPECT_EQ(resolve("wav\\click1.wav"), click);
  EXPECT_EQ(resolve("wav/click1.wav"), click);
  EXPECT_EQ(resolve(".\\wav\\click1.wav"), click);
  EXPECT_EQ(resolve("wav\\\\click1.wav"), click);
}

TEST_F(PathsTest, NamesMatchWhateverTheirCase) {
  const QString target = make("Images/target2.bmp");
  const QString start = make("Images/start.jpg");
  EXPECT_EQ(resolve("Images\\target2.bmp"), target);
  EXPECT_EQ(resolve("images\\target2.bmp"), target);
  EXPECT_EQ(resolve("images\\start.jpg"), start);
  EXPECT_EQ(resolve("IMAGES\\START.JPG"), start);
  const QString click = make("WAV/Click1.WAV");
  EXPECT_EQ(resolve("wav\\click1.wav"), click);
}

TEST_F(PathsTest, NamesWithBlanks) {
  const QString doc = make("Sumdart Rules.doc");
  EXPECT_EQ(resolve("Sumdart Rules.doc"), doc);
  EXPECT_EQ(resolve("sumdart rules.DOC"), doc);
  EXPECT_EQ(resolve("SumdartRules.doc"), QString());
}

TEST_F(PathsTest, AnExactMatchIsPreferred) {
  const QString upper = make("Images/logo2.jpg", "upper");
  const QString lower = make("images/logo2.jpg", "lower");
  EXPECT_EQ(resolve("Images\\logo2.jpg"), upper);
  EXPECT_EQ(resolve("images\\logo2.jpg"), lower);
  // No exact spelling: one of the two, always the same.
  const QString either = resolve("IMAGES\\logo2.jpg");
  EXPECT_TRUE(either == upper || either == lower) << either.toStdString();
  EXPECT_EQ(resolve("IMAGES\\logo2.jpg"), either);

  const QString a = make("wav/Gong.wav", "a");
  const QString b = make("wav/gong.wav", "b");
  EXPECT_EQ(resolve("wav\\Gong.wav"), a);
  EXPECT_EQ(resolve("wav\\gong.wav"), b);
}

TEST_F(PathsTest, TwoSpellingsOfAFolderAreSearchedAsOne) {
  make("Images/target2.bmp");
  const QString board = make("images/board.jpg");
  EXPECT_EQ(resolve("Images\\board.jpg"), board);
  const QString only = make("Images/targetmd.bmp");
  EXPECT_EQ(resolve("images\\targetmd.bmp"), only);
}

TEST_F(PathsTest, CurrentFolderComesBeforeTheProgramFolder) {
  const QString inCurrent = make("current/wav/click1.wav");
  make("program/wav/click1.wav");
  const QString onlyInProgram = make("program/wav/gong.wav");
  const QStringList dirs{tmp.filePath("current"), tmp.filePath("program")};
  EXPECT_EQ(resolveAsset("wav\\click1.wav", dirs), inCurrent);
  EXPECT_EQ(resolveAsset("wav\\gong.wav", dirs), onlyInProgram);
  EXPECT_EQ(resolveAsset("wav\\arrow.wav", dirs), QString());
}

TEST_F(PathsTest, FoldersThatDoNotExistAreSkipped) {
  const QString click = make("wav/click1.wav");
  EXPECT_EQ(resolveAsset("wav\\click1.wav", {tmp.filePath("nowhere"), QString(), tmp.path()}), click);
  EXPECT_EQ(resolveAsset("wav\\click1.wav", {}), QString());
}

TEST_F(PathsTest, MissingFilesFindNothing) {
  make("wav/click1.wav");
  make("Images/sub/deep.bmp");
  for (const char* name : {"wav\\click2.wav", "wave\\click1.wav", "click1.wav", "wav", "wav\\", "Images\\sub",
                           "Images\\deep.bmp", "wav\\click1.wav\\more", "", "\\", "."}) {
    EXPECT_EQ(resolve(name), QString()) << name;
  }
}

TEST_F(PathsTest, NamesThatLeaveTheFolderFindNothing) {
  make("secret.wav");
  make("game/wav/click1.wav");
  const QString outside = make("outside.doc");
  for (const char* name : {"..\\secret.wav", "../secret.wav", "wav\\..\\..\\secret.wav", "wav\\..\\click1.wav",
                           "..", "\\secret.wav", "/secret.wav", "C:\\secret.wav", "c:secret.wav"}) {
    EXPECT_EQ(resolve(name, "game"), QString()) << name;
  }
  EXPECT_EQ(resolve(outside, "game"), QString());
  EXPECT_EQ(resolve(QString("wav\\click1.wav") + QChar(u'\0') + "x", "game"), QString());
}

// Changes the current folder for one test.
class CurrentFolder {
 public:
  explicit CurrentFolder(const QString& dir) : old_(QDir::currentPath()) { QDir::setCurrent(dir); }
  ~CurrentFolder() { QDir::setCurrent(old_); }
  CurrentFolder(const CurrentFolder&) = delete;
  CurrentFolder& operator=(const CurrentFolder&) = delete;

 private:
  QString old_;
};

TEST_F(PathsTest, DefaultFoldersAreTheCurrentThenTheProgramFolder) {
  CurrentFolder cd(tmp.path());
  const QStringList dirs = defaultSearchDirs();
  ASSERT_EQ(dirs.size(), 2);
  EXPECT_EQ(QFileInfo(dirs[0]).canonicalFilePath(), QFileInfo(tmp.path()).canonicalFilePath());
  EXPECT_EQ(dirs[1], QCoreApplication::applicationDirPath());
}

TEST_F(PathsTest, DefaultFoldersNameTheProgramFolderOnceWhenItIsCurrent) {
  CurrentFolder cd(QCoreApplication::applicationDirPath());
  EXPECT_EQ(defaultSearchDirs().size(), 1);
}

TEST_F(PathsTest, DefaultResolverLooksInTheCurrentFolder) {
  const QString click = make("wav/click1.wav");
  CurrentFolder cd(tmp.path());
  EXPECT_EQ(QFileInfo(resolveAsset("WAV\\click1.wav")).canonicalFilePath(), QFileInfo(click).canonicalFilePath());
  EXPECT_EQ(resolveAsset("wav\\no such sound.wav"), QString());
}

}  // namespace
}  // namespace sumdart
