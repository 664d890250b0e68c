// A vesk.conf that cannot be read safely, or choices that cannot be saved: vesk starts with the
// defaults and leaves the file alone; a choice made holds for this run and is said, in the window
// and on standard error.
#include <sys/mount.h>
#include <sys/stat.h>

#include <QDir>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QTemporaryDir>

#include "test_dialog_support.h"

#include "field_demo_dialog.h"
#include "language.h"
#include "preferences.h"
#include "resource.h"

namespace {

struct Case {
    const char* name;
    const char* setup;   // run by sh in $XDG_CONFIG_HOME after `mkdir vesk`
    bool read;           // whether vesk.conf (asking for English) is read at start
    const char* reason;  // in English, in the window's message and on standard error
    friend void PrintTo(const Case& c, std::ostream* os) { *os << c.name; }
};

class SettingsTrouble : public ::testing::TestWithParam<Case> {
  protected:
    QTemporaryDir home;
    QString Conf() const { return home.path() + "/vesk/vesk.conf"; }
    // What is on disk, enough to see that nothing was replaced or written.
    std::string Disk() const {
        std::string all;
        for (const QString& path : {Conf(), home.path() + "/vesk"}) {
            struct stat st {};
            if (::lstat(path.toLocal8Bit(), &st) == 0)
                all += std::to_string(st.st_mode) + " " + std::to_string(st.st_ino) + " " +
                       std::to_string(st.st_size) + " " + std::to_string(st.st_mtim.tv_nsec) + ";";
        }
        return all;
    }
    void TearDown() override {
        ::umount((home.path() + "/vesk").toLocal8Bit());  // the read-only row's mount
        SetLanguage(Language::Chinese);
    }
};

// The window's message, once it opens, closed at once.
void ReadMessage(QString& text) {
    WhenOpen([]() -> QWidget* { return QApplication::activeModalWidget(); },
             [&text](QWidget* box) {
                 text = qobject_cast<QMessageBox*>(box)->text();
                 qobject_cast<QDialog*>(box)->accept();
             });
}

TEST_P(SettingsTrouble, DefaultsAtStartTheChoiceSaidAndTheFileLeftAlone) {
    const Case& c = GetParam();
    qputenv("XDG_CONFIG_HOME", home.path().toLocal8Bit());
    QProcess setup;
    setup.setWorkingDirectory(home.path());
    setup.start("/bin/sh", {"-c", QString("mkdir vesk && ") + c.setup});
    ASSERT_TRUE(setup.waitForFinished());
    if (setup.exitCode() == 77) GTEST_SKIP() << "a read-only bind mount needs root";
    ASSERT_EQ(setup.exitCode(), 0) << setup.readAllStandardError().toStdString();
    const std::string before = Disk();

    testing::internal::CaptureStderr();
    EXPECT_EQ(RememberedLanguage(), c.read ? Language::English : Language::Chinese);
    QString language, size;
    CFieldDemoDialog dialog;
    RunModal(dialog, [&] {
        ReadMessage(language);
        dialog.SendMessage(WM_SYSCOMMAND, IDM_LANGUAGE_EN);
        ReadMessage(size);
        dialog.SendMessage(WM_SYSCOMMAND, IDM_SCALE_FIRST + 0x10);  // 125 %
    });
    const std::string err = testing::internal::GetCapturedStderr();

    EXPECT_EQ(CurrentLanguage(), Language::English) << "the choice holds for this run";
    EXPECT_EQ(ChosenScale(), 1.25);
    for (const QString& told : {language, size}) {
        EXPECT_TRUE(told.contains(Conf()) && told.contains(c.reason, Qt::CaseInsensitive))
            << told.toStdString();
    }
    EXPECT_FALSE(size.contains("next time vesk starts")) << "no promise it cannot keep";
    const std::string saved = "vesk: cannot save the choice in " + Conf().toStdString() + ": ";
    EXPECT_NE(err.find(saved), std::string::npos) << err;
    EXPECT_NE(err.find(c.reason), std::string::npos) << err;
    const bool there = QFileInfo(Conf()).exists() || QFileInfo(Conf()).isSymLink();
    EXPECT_EQ(err.find("is not read") != std::string::npos, there && !c.read) << err;
    EXPECT_EQ(Disk(), before) << "nothing on disk changed";
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SettingsTrouble,
    ::testing::Values(
        Case{"ConfIsADirectory", "mkdir vesk/vesk.conf", false, "not a regular file"},
        Case{"ConfIsAFifo", "mkfifo vesk/vesk.conf", false, "not a regular file"},
        Case{"ConfIsADanglingLink", "ln -s nowhere/vesk.conf vesk/vesk.conf", false,
             "a link to a file that does not exist"},
        Case{"ConfOverOneMegabyte",
             "printf '[General]\\nlanguage=en\\n' > vesk/vesk.conf && head -c 1048576 "
             "/dev/zero | tr '\\0' ';' >> vesk/vesk.conf",
             false, "larger than 1 MB"},
        // The directory's place is taken by a file: nothing can be written there, even by root.
        Case{"DirectoryIsAFile", "rmdir vesk && touch vesk", false, "Not a directory"},
        // A read-only file system stops root too.
        Case{"ReadOnlyMount",
             "printf '[General]\\nlanguage=en\\n' > vesk/vesk.conf && "
             "{ mount --bind vesk vesk && mount -o remount,bind,ro vesk || exit 77; }",
             true, "Read-only file system"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
