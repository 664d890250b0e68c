#include "preferences.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <cstdio>
#include <cstring>
#include <string>

#include <QApplication>
#include <QPointer>
#include <QSettings>
#include <QStandardPaths>
#include <QWidget>

namespace {

const Palette* g_palette = &kStandardPalette;
std::optional<double> g_chosenScale;

// A settings file this large is not ours: reading it would cost seconds and memory at every start.
constexpr off_t kMostSettingsBytes = 1 << 20;

// ~/.config/vesk/vesk.conf (under $XDG_CONFIG_HOME when it is set).
QString SettingsPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
           QStringLiteral("/vesk/vesk.conf");
}

// Why the settings file is neither read nor written: a reason (the Chinese of the window's text,
// and the English of standard error), or none.
struct Trouble {
    const char* text = nullptr;  // QT_TRANSLATE_NOOP("Preferences", ...)
    std::string english;
    explicit operator bool() const { return !english.empty(); }
};

Trouble ReasonOfErrno(int error) {
    switch (error) {
        case EACCES:
        case EPERM:
            return {QT_TRANSLATE_NOOP("Preferences", "没有写入的权限"), std::strerror(error)};
        case EROFS:
            return {QT_TRANSLATE_NOOP("Preferences", "文件系统是只读的"), std::strerror(error)};
        case ENOSPC:
            return {QT_TRANSLATE_NOOP("Preferences", "磁盘已满"), std::strerror(error)};
        case ENOTDIR:
            return {QT_TRANSLATE_NOOP("Preferences", "路径中的一项不是目录"), std::strerror(error)};
        default:
            return {nullptr, std::strerror(error)};
    }
}

// A file that is not a regular one (a FIFO would never end a read), a broken link, an unreadable
// or an oversized file is left alone.
Trouble FileTrouble(const QString& path) {
    const QByteArray name = path.toLocal8Bit();
    struct stat st {};
    if (::lstat(name.constData(), &st) != 0) return {};  // none yet
    if (::stat(name.constData(), &st) != 0)
        return {QT_TRANSLATE_NOOP("Preferences", "它是指向不存在的文件的链接"),
                "it is a link to a file that does not exist"};
    if (!S_ISREG(st.st_mode))
        return {QT_TRANSLATE_NOOP("Preferences", "它不是普通文件"), "it is not a regular file"};
    if (st.st_size > kMostSettingsBytes)
        return {QT_TRANSLATE_NOOP("Preferences", "它大于 1 MB"), "it is larger than 1 MB"};
    const int fd = ::open(name.constData(), O_RDONLY | O_CLOEXEC | O_NONBLOCK);
    if (fd < 0) return ReasonOfErrno(errno);
    ::close(fd);
    return {};
}

// Why the file could not be written, found by doing what writing it does: making its directory
// and a file beside it.
Trouble WriteTrouble(const QString& path) {
    const QByteArray dir = path.left(path.lastIndexOf('/')).toLocal8Bit();
    for (qsizetype end = dir.indexOf('/', 1);; end = dir.indexOf('/', end + 1)) {
        const QByteArray part = end < 0 ? dir : dir.left(end);
        if (::mkdir(part.constData(), 0700) != 0 && errno != EEXIST) return ReasonOfErrno(errno);
        if (end < 0) break;
    }
    QByteArray probe = dir + "/.vesk-XXXXXX";
    const int fd = ::mkstemp(probe.data());
    if (fd < 0) return ReasonOfErrno(errno);
    ::close(fd);
    ::unlink(probe.constData());
    return {QT_TRANSLATE_NOOP("Preferences", "写入失败"), "writing it failed"};
}

QString Read(const char* key) {
    const QString path = SettingsPath();
    if (const Trouble trouble = FileTrouble(path)) {
        // Once, not for each choice read.
        static QString told;
        if (told != path)
            std::fprintf(stderr, "vesk: %s is not read (%s); starting with the defaults\n",
                         qPrintable(path), trouble.english.c_str());
        told = path;
        return {};
    }
    return QSettings(path, QSettings::IniFormat).value(QLatin1String(key)).toString();
}

std::optional<SettingsProblem> Write(const char* key, const QString& value) {
    const QString path = SettingsPath();
    Trouble trouble = FileTrouble(path);
    if (!trouble) {
        QSettings settings(path, QSettings::IniFormat);
        settings.setValue(QLatin1String(key), value);
        settings.sync();
        if (settings.status() == QSettings::NoError) return std::nullopt;
        trouble = WriteTrouble(path);
    }
    std::fprintf(stderr, "vesk: cannot save the choice in %s: %s\n", qPrintable(path),
                 trouble.english.c_str());
    return SettingsProblem{path, trouble.text != nullptr
                                     ? QCoreApplication::translate("Preferences", trouble.text)
                                     : QString::fromStdString(trouble.english)};
}

}  // namespace

const Palette& CurrentPalette() { return *g_palette; }

int AppearanceChangeEvent() {
    static const int type = QEvent::registerEventType();
    return type;
}

void SetPalette(const Palette& palette) {
    g_palette = palette == kSafePalette ? &kSafePalette : &kStandardPalette;
    if (qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) return;
    // A window that rebuilds its menus deletes some of the others (their popups) on the way.
    QList<QPointer<QWidget>> windows;
    for (QWidget* window : QApplication::topLevelWidgets()) windows << window;
    for (const QPointer<QWidget>& window : windows) {
        if (window.isNull()) continue;
        QEvent change(static_cast<QEvent::Type>(AppearanceChangeEvent()));
        QCoreApplication::sendEvent(window, &change);
    }
}

std::optional<double> ParseWindowScale(std::string_view text) {
    double value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (text.empty() || error != std::errc() || end != text.data() + text.size())
        return std::nullopt;
    for (const double scale : kWindowScales)
        if (value == scale) return scale;
    return std::nullopt;
}

Language RememberedLanguage() {
    return ParseLanguage(Read("language").toStdString()).value_or(Language::Chinese);
}
std::optional<SettingsProblem> RememberLanguage(Language language) {
    return Write("language", QString::fromLatin1(LanguageCode(language)));
}

const Palette& RememberedPalette() {
    const Palette* palette = PaletteNamed(Read("palette").toStdString());
    return palette != nullptr ? *palette : kStandardPalette;
}
std::optional<SettingsProblem> RememberPalette(const Palette& palette) {
    return Write("palette", palette == kSafePalette ? "safe" : "standard");
}

double RememberedScale() { return ParseWindowScale(Read("scale").toStdString()).value_or(1.0); }
std::optional<SettingsProblem> RememberScale(double scale) {
    g_chosenScale = scale;
    return Write("scale", QString::number(scale));
}
double ChosenScale() { return g_chosenScale.value_or(RememberedScale()); }
