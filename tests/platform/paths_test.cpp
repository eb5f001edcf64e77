// The asset resolver on real folders.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include "platform/paths.h"
#include "qt_app_env.h"

namespace sumdart {
namespace {

using test::writeFile;

TEST(Paths, ResolvesProgramNames) {
  QTemporaryDir tmp;
  ASSERT_TRUE(tmp.isValid());
  const QString game = tmp.filePath("game");
  writeFile(tmp.filePath("secret.wav"));  // beside the game folder, never reachable from it
  for (const char* file : {"wav/click1.wav", "wav/Gong.wav", "wav/gong.wav", "Images/target2.bmp", "Images/start.jpg",
                           "Images/logo2.jpg", "images/logo2.jpg", "images/board.jpg", "Images/sub/deep.bmp",
                           "Sumdart Rules.doc"})
    writeFile(game + "/" + file);
  // {name, the file it finds under game/}; two spellings of a folder are searched as one, an exact spelling wins.
  const std::pair<const char*, const char*> found[] = {
      {"wav\\click1.wav", "wav/click1.wav"},         {"wav/click1.wav", "wav/click1.wav"},
      {".\\wav\\click1.wav", "wav/click1.wav"},      {"wav\\\\click1.wav", "wav/click1.wav"},
      {"images\\target2.bmp", "Images/target2.bmp"}, {"IMAGES\\START.JPG", "Images/start.jpg"},
      {"sumdart rules.DOC", "Sumdart Rules.doc"},    {"Images\\board.jpg", "images/board.jpg"},
      {"Images\\logo2.jpg", "Images/logo2.jpg"},     {"images\\logo2.jpg", "images/logo2.jpg"},
      {"wav\\Gong.wav", "wav/Gong.wav"},             {"wav\\gong.wav", "wav/gong.wav"}};
  for (const auto& [name, file] : found)
    EXPECT_EQ(resolveAsset(name, {game}), QFileInfo(game + "/" + file).absoluteFilePath()) << name;
  // Missing files, and names that could leave the folder.
  const QString nothing[] = {
      "wav\\click2.wav", "wave\\click1.wav", "click1.wav", "wav", "wav\\", "Images\\sub", "Images\\deep.bmp",
      "wav\\click1.wav\\more", "SumdartRules.doc", "", "\\", ".", "..\\secret.wav", "../secret.wav",
      "wav\\..\\..\\secret.wav", "wav\\..\\wav\\click1.wav", "..", "\\secret.wav", "/secret.wav", "C:\\secret.wav",
      "c:secret.wav", tmp.filePath("secret.wav"), QString("wav\\click1.wav") + QChar(u'\0') + "x"};
  for (const QString& name : nothing) EXPECT_EQ(resolveAsset(name, {game}), QString()) << name.toStdString();
  // No exact spelling of two: one of them, always the same.
  const QString either = resolveAsset("IMAGES\\logo2.jpg", {game});
  EXPECT_TRUE(either.endsWith("mages/logo2.jpg")) << either.toStdString();
  EXPECT_EQ(resolveAsset("IMAGES\\logo2.jpg", {game}), either);
}

TEST(Paths, FoldersAreSearchedInOrderAndMissingOnesSkipped) {
  QTemporaryDir tmp;
  const QString current = writeFile(tmp.filePath("current/wav/click1.wav"));
  writeFile(tmp.filePath("program/wav/click1.wav"));
  const QString program = writeFile(tmp.filePath("program/wav/gong.wav"));
  const QStringList dirs{tmp.filePath("nowhere"), QString(), tmp.filePath("current"), tmp.filePath("program")};
  EXPECT_EQ(resolveAsset("wav\\click1.wav", dirs), current);
  EXPECT_EQ(resolveAsset("wav\\gong.wav", dirs), program);
  EXPECT_EQ(resolveAsset("wav\\arrow.wav", dirs), QString());
  EXPECT_EQ(resolveAsset("wav\\click1.wav", {}), QString());
}

// The current folder, then the program's; changed back when the test ends.
TEST(Paths, DefaultFoldersAreTheCurrentThenTheProgramFolder) {
  QTemporaryDir tmp;
  const QString click = writeFile(tmp.filePath("wav/click1.wav"));
  const QString old = QDir::currentPath();
  const auto canonical = [](const QString& p) { return QFileInfo(p).canonicalFilePath(); };
  QDir::setCurrent(tmp.path());
  const QStringList dirs = defaultSearchDirs();
  EXPECT_EQ(canonical(resolveAsset("WAV\\click1.wav")), canonical(click));
  QDir::setCurrent(QCoreApplication::applicationDirPath());
  const qsizetype whenTheSame = defaultSearchDirs().size();
  QDir::setCurrent(old);
  ASSERT_EQ(dirs.size(), 2);
  EXPECT_EQ(canonical(dirs[0]), canonical(tmp.path()));
  EXPECT_EQ(dirs[1], QCoreApplication::applicationDirPath());
  EXPECT_EQ(whenTheSame, 1);
}

}  // namespace
}  // namespace sumdart
