// A settings file that cannot be read safely, or a choice that cannot be saved: vesk starts with
// the defaults and leaves the file alone, and a choice made in the window holds for this run and is
// said, in the window and on standard error, not dropped without a word.
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QTemporaryDir>

#include "test_dialog_support.h"

#include "field_demo_dialog.h"
#include "language.h"
#include "preferences.h"
#include "resource.h"

namespace {

// What a path is on disk, enough to see that nothing replaced or changed it.
std::string Describe(const QString& path) {
    struct stat st {};
    if (::lstat(path.toLocal8Bit(), &st) != 0) return "none";
    std::string kind = S_ISREG(st.st_mode)    ? "file"
                       : S_ISDIR(st.st_mode)  ? "directory"
                       : S_ISFIFO(st.st_mode) ? "fifo"
                       : S_ISLNK(st.st_mode)  ? "link"
                                              : "other";
    return kind + " " + std::to_string(st.st_ino) + " " + std::to_string(st.st_size) + " " +
           std::to_string(st.st_mtim.tv_sec) + "." + std::to_string(st.st_mtim.tv_nsec);
}

struct TroubleCase {
    const char* name;
    // Makes $XDG_CONFIG_HOME/vesk (`dir`) and vesk.conf in it as the case has them; false when
    // this machine cannot (the reason in `skip`).
    bool (*make)(const QString& dir, std::string& skip);
    bool read;           // whether the file is read at start (it asks for English at 150 %)
    const char* reason;  // in English, in the window's message and on standard error
    friend void PrintTo(const TroubleCase& row, std::ostream* os) { *os << row.name; }
};

// A vesk.conf that asks for English at 150 %, followed by `padding` bytes of comment.
bool WriteConf(const QString& path, qint64 padding = 0) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) return false;
    file.write("[General]\nlanguage=en\nscale=1.5\n");
    const QByteArray line = "; " + QByteArray(97, 'x') + "\n";
    for (qint64 n = 0; n < padding; n += line.size()) file.write(line);
    return true;
}

const TroubleCase kCases[] = {
    {"ConfIsADirectory",
     [](const QString& dir, std::string&) {
         return QDir().mkpath(dir) && QDir(dir).mkdir("vesk.conf");
     },
     false, "not a regular file"},
    {"ConfIsAFifo",
     [](const QString& dir, std::string&) {
         return QDir().mkpath(dir) && ::mkfifo((dir + "/vesk.conf").toLocal8Bit(), 0644) == 0;
     },
     false, "not a regular file"},
    {"ConfIsADanglingLink",
     [](const QString& dir, std::string&) {
         return QDir().mkpath(dir) && QFile::link(dir + "/nowhere/vesk.conf", dir + "/vesk.conf");
     },
     false, "a link to a file that does not exist"},
    {"ConfIsLargerThanOneMegabyte",
     [](const QString& dir, std::string&) {
         return QDir().mkpath(dir) && WriteConf(dir + "/vesk.conf", 1 << 20);
     },
     false, "larger than 1 MB"},
    // The directory's place is taken by a file: nothing can be written, even by root.
    {"DirectoryIsAFile",
     [](const QString& dir, std::string&) {
         QFile file(dir);
         return QDir().mkpath(QFileInfo(dir).path()) && file.open(QIODevice::WriteOnly);
     },
     false, "Not a directory"},
    // A read-only file system stops root too.
    {"ReadOnlyMount",
     [](const QString& dir, std::string& skip) {
         if (!QDir().mkpath(dir) || !WriteConf(dir + "/vesk.conf")) return false;
         if (::mount(dir.toLocal8Bit(), dir.toLocal8Bit(), nullptr, MS_BIND, nullptr) != 0 ||
             ::mount(nullptr, dir.toLocal8Bit(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY,
                     nullptr) != 0) {
             skip = "a read-only bind mount needs root; run the suite as root for this row";
             return false;
         }
         return true;
     },
     true, "Read-only file system"},
    // A directory without write permission stops everyone but root.
    {"DirectoryNotWritable",
     [](const QString& dir, std::string& skip) {
         if (::geteuid() == 0) {
             skip = "root writes into any directory; this row is for other users";
             return false;
         }
         return QDir().mkpath(dir) && WriteConf(dir + "/vesk.conf") &&
                ::chmod(dir.toLocal8Bit(), 0555) == 0;
     },
     true, "Permission denied"},
};

class SettingsTrouble : public ::testing::TestWithParam<TroubleCase> {
  protected:
    void SetUp() override {
        m_oldHome = qgetenv("XDG_CONFIG_HOME");
        qputenv("XDG_CONFIG_HOME", m_home.path().toLocal8Bit());
    }
    void TearDown() override {
        ::umount(Dir().toLocal8Bit());  // the read-only row's; nothing is mounted otherwise
        ::chmod(Dir().toLocal8Bit(), 0755);
        qputenv("XDG_CONFIG_HOME", m_oldHome);
        SetLanguage(Language::Chinese);
    }
    QString Dir() const { return m_home.path() + "/vesk"; }
    QString Conf() const { return Dir() + "/vesk.conf"; }

  private:
    QTemporaryDir m_home;
    QByteArray m_oldHome;
};

TEST_P(SettingsTrouble, StartsWithDefaultsSaysWhyAndLeavesTheFileAlone) {
    const TroubleCase& c = GetParam();
    std::string skip;
    if (!c.make(Dir(), skip)) {
        if (!skip.empty()) GTEST_SKIP() << skip;
        FAIL() << "could not set the case up";
    }
    const std::string before = Describe(Conf()) + " | " + Describe(Dir());

    testing::internal::CaptureStderr();
    EXPECT_EQ(RememberedLanguage(), c.read ? Language::English : Language::Chinese);
    EXPECT_EQ(RememberedScale(), c.read ? 1.5 : 1.0);

    // English is chosen: the window is in English at once, and says in English that it could not
    // be kept, naming the file and the reason.
    QString told;
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        WhenOpen(
            []() -> QWidget* {
                return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            },
            [&](QWidget* box) {
                told = qobject_cast<QMessageBox*>(box)->text();
                qobject_cast<QDialog*>(box)->accept();
            });
        dialog.SendMessage(WM_SYSCOMMAND, IDM_LANGUAGE_EN);
        QCoreApplication::sendPostedEvents();
        EXPECT_EQ(CurrentLanguage(), Language::English) << "the choice holds for this run";
    });
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(told.contains(Conf())) << told.toStdString();
    EXPECT_TRUE(told.contains(c.reason, Qt::CaseInsensitive)) << told.toStdString();
    // Standard error: the choice that was not saved, and, for a file not read, why it was not.
    const std::string saved = "vesk: cannot save the choice in " + Conf().toStdString() + ": ";
    EXPECT_NE(err.find(saved), std::string::npos) << err;
    const bool notRead = Describe(Conf()) != "none" && !c.read;
    // (Qt's offscreen platform adds notes of its own.)
    int ours = 0;
    for (const QString& line : QString::fromStdString(err).split('\n'))
        ours += line.startsWith("vesk: ") ? 1 : 0;
    EXPECT_EQ(ours, notRead ? 2 : 1) << err;
    EXPECT_NE(err.find(c.reason), std::string::npos) << err;

    EXPECT_EQ(Describe(Conf()) + " | " + Describe(Dir()), before) << "nothing on disk changed";
    EXPECT_EQ(RememberedLanguage(), c.read ? Language::English : Language::Chinese);
}

// The size waits for the next start; when it cannot be saved for it, the window says so instead of
// promising it, and the menu still shows the size chosen.
TEST_F(SettingsTrouble, AZoomThatCannotBeSavedIsNotPromised) {
    std::string skip;
    ASSERT_TRUE(kCases[4].make(Dir(), skip)) << kCases[4].name;
    QString told;
    CFieldDemoDialog dialog;
    testing::internal::CaptureStderr();
    RunModal(dialog, [&] {
        WhenOpen(
            []() -> QWidget* {
                return qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            },
            [&](QWidget* box) {
                told = qobject_cast<QMessageBox*>(box)->text();
                qobject_cast<QDialog*>(box)->accept();
            });
        dialog.SendMessage(WM_SYSCOMMAND, IDM_SCALE_FIRST + 2 * 0x10);  // 150 %
    });
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(told.contains(Conf())) << told.toStdString();
    EXPECT_FALSE(told.contains("下次启动时生效")) << told.toStdString();
    EXPECT_EQ(ChosenScale(), 1.5);
    EXPECT_EQ(RememberedScale(), 1.0);
}

INSTANTIATE_TEST_SUITE_P(Cases, SettingsTrouble, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
